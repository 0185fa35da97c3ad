#include "media/font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "media/file_bytes.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <string>
#include <unistd.h>
#include <unordered_map>

namespace game {
namespace {

constexpr std::size_t kMaxFontFileBytes = 64u << 20;

struct Glyph {
    bool loaded = false;
    std::int32_t left = 0; // bitmap's left edge from the pen
    std::int32_t top = 0;  // bitmap's top edge above the baseline
    std::int32_t width = 0;
    std::int32_t rows = 0;
    std::int32_t advance = 0;
    std::vector<std::uint8_t> bits; // one byte per pixel, 1 = covered
};

class Font {
public:
    explicit Font(const char* file) {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return;
        }
        // Opened through the same checked open as every data file (a FIFO in its place would
        // otherwise hang the start). FreeType reads the parts it needs from the file as it needs
        // them, so only the few glyphs the game shows take memory, not the whole font.
        std::string why;
        std::size_t size = 0;
        file_ = openRegularFile(file, kMaxFontFileBytes, size, &why);
        if (file_ < 0) {
            problem_ = std::string(file) + ": " + why;
            return;
        }
        stream_.size = static_cast<unsigned long>(size);
        stream_.descriptor.value = file_;
        stream_.read = readStream;
        FT_Open_Args args{};
        args.flags = FT_OPEN_STREAM;
        args.stream = &stream_;
        if (FT_Open_Face(library_, &args, 0, &face_) != 0) {
            face_ = nullptr;
            problem_ = std::string(file) + ": not a font FreeType can read";
            return;
        }
        if (FT_Set_Char_Size(face_, 0, kFontPoints * 64, 72, 72) != 0) {
            FT_Done_Face(face_);
            face_ = nullptr;
            problem_ = std::string(file) + ": no " + std::to_string(kFontPoints) +
                       "-point size in this font";
            return;
        }
        // The line as the old text output measured it: the font's ascent and descent, rounded
        // up to whole pixels.
        const FT_Fixed scale = face_->size->metrics.y_scale;
        ascent_ = ceilPixels(FT_MulFix(face_->ascender, scale));
        height_ = ceilPixels(FT_MulFix(face_->ascender - face_->descender, scale));
    }
    ~Font() {
        if (face_ != nullptr) {
            FT_Done_Face(face_);
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
        if (file_ >= 0) {
            close(file_);
        }
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool ready() const { return face_ != nullptr; }
    const std::string& problem() const { return problem_; }
    std::int32_t ascent() const { return ascent_; }
    std::int32_t height() const { return height_; }

    const Glyph& glyph(std::uint8_t byte) {
        Glyph& g = glyphs_[byte];
        if (!g.loaded) {
            render(unicodeOf1252(byte), g);
            g.loaded = true;
        }
        return g;
    }

private:
    // FreeType's reader: count 0 is a seek, which a positioned read does not need. A file cut
    // short meanwhile reads short, and FreeType refuses the glyph.
    static unsigned long readStream(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                                    unsigned long count) {
        if (count == 0) {
            return offset <= stream->size ? 0 : 1;
        }
        unsigned long done = 0;
        while (done < count) {
            const ssize_t got = pread(static_cast<int>(stream->descriptor.value), buffer + done,
                                      count - done, static_cast<off_t>(offset + done));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            done += static_cast<unsigned long>(got);
        }
        return done;
    }

    static std::int32_t ceilPixels(FT_Long v) { return static_cast<std::int32_t>((v + 63) >> 6); }

    void render(std::uint32_t character, Glyph& g) {
        // Hinted for one-bit output and rendered without smoothing.
        if (FT_Load_Char(face_, character,
                         FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) {
            return;
        }
        const FT_GlyphSlot slot = face_->glyph;
        g.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6);
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
            return;
        }
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<std::int32_t>(bitmap.width);
        g.rows = static_cast<std::int32_t>(bitmap.rows);
        g.bits.assign(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.rows), 0);
        for (std::int32_t r = 0; r < g.rows; ++r) {
            const unsigned char* line =
                bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
            for (std::int32_t c = 0; c < g.width; ++c) {
                const bool on = (line[c >> 3] & (0x80 >> (c & 7))) != 0;
                g.bits[static_cast<std::size_t>(r * g.width + c)] = on ? 1 : 0;
            }
        }
    }

    FT_Library library_ = nullptr;
    int file_ = -1;         // must outlive face_
    FT_StreamRec stream_{}; // likewise
    FT_Face face_ = nullptr;
    std::string problem_ = "the font library could not start";
    std::int32_t ascent_ = 0;
    std::int32_t height_ = 0;
    std::array<Glyph, 256> glyphs_{};
};

// Empty until openFont: the font travels with the game's data, wherever that was found.
std::unique_ptr<Font>& openedFont() {
    static std::unique_ptr<Font> instance;
    return instance;
}

std::unordered_map<Text, TextShape>& cache() {
    static std::unordered_map<Text, TextShape> texts;
    return texts;
}

// Lays the glyphs side by side on a grid of covered pixels, then reads the grid out as runs, so
// that neighbouring glyphs' pixels merge into one run.
TextShape shapeOf(const Text& text) {
    TextShape shape;
    if (!fontReady()) {
        return shape;
    }
    Font& f = *openedFont();
    shape.height = f.height();
    std::int32_t minX = 0;
    std::int32_t maxX = 0;
    std::int32_t minY = 0;
    std::int32_t maxY = shape.height;
    std::int32_t pen = 0;
    for (const char c : text) {
        const Glyph& g = f.glyph(static_cast<std::uint8_t>(c));
        if (g.width > 0 && g.rows > 0) {
            minX = std::min(minX, pen + g.left);
            maxX = std::max(maxX, pen + g.left + g.width);
            minY = std::min(minY, f.ascent() - g.top);
            maxY = std::max(maxY, f.ascent() - g.top + g.rows);
        }
        pen += g.advance;
    }
    shape.width = pen;
    const std::int32_t gridW = maxX - minX;
    const std::int32_t gridH = maxY - minY;
    std::vector<std::uint8_t> grid(
        static_cast<std::size_t>(gridW) * static_cast<std::size_t>(gridH), 0);
    pen = 0;
    for (const char c : text) {
        const Glyph& g = f.glyph(static_cast<std::uint8_t>(c));
        for (std::int32_t r = 0; r < g.rows; ++r) {
            const std::int32_t y = f.ascent() - g.top + r - minY;
            for (std::int32_t col = 0; col < g.width; ++col) {
                if (g.bits[static_cast<std::size_t>(r * g.width + col)] != 0) {
                    const std::int32_t x = pen + g.left + col - minX;
                    grid[static_cast<std::size_t>(y * gridW + x)] = 1;
                }
            }
        }
        pen += g.advance;
    }
    for (std::int32_t y = 0; y < gridH; ++y) {
        const std::uint8_t* line =
            grid.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(gridW);
        for (std::int32_t x = 0; x < gridW;) {
            if (line[x] == 0) {
                ++x;
                continue;
            }
            const std::int32_t start = x;
            while (x < gridW && line[x] != 0) {
                ++x;
            }
            shape.runs.push_back({start + minX, y + minY, x - start});
        }
    }
    measureRuns(shape);
    return shape;
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five the code page leaves undefined.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

void measureRuns(TextShape& shape) {
    if (shape.runs.empty()) {
        shape.left = shape.top = shape.right = shape.bottom = 0;
        shape.digest = 0;
        return;
    }
    shape.left = shape.top = INT32_MAX;
    shape.right = shape.bottom = INT32_MIN;
    std::uint64_t digest = shape.runs.size();
    for (const TextRun& run : shape.runs) {
        shape.left = std::min(shape.left, run.x);
        shape.top = std::min(shape.top, run.y);
        shape.right = std::max(shape.right, run.x + run.length);
        shape.bottom = std::max(shape.bottom, run.y + 1);
        for (const std::int32_t v : {run.x, run.y, run.length}) {
            digest = (digest ^ static_cast<std::uint32_t>(v)) * 0x9FB21C651E98DF25u;
            digest ^= digest >> 29;
        }
    }
    shape.digest = digest;
}

std::uint32_t unicodeOf1252(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const std::uint16_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : byte;
    }
    return byte; // the rest of the code page is Latin-1
}

const TextShape& textShape(const Text& text) {
    auto& texts = cache();
    const auto found = texts.find(text);
    if (found != texts.end()) {
        return found->second;
    }
    if (texts.size() >= kMaxCachedTexts) {
        texts.clear();
    }
    return texts.emplace(text, shapeOf(text)).first->second;
}

bool openFont(const std::string& file) {
    cache().clear();
    openedFont() = std::make_unique<Font>(file.c_str());
    return fontReady();
}

bool fontReady() {
    return openedFont() && openedFont()->ready();
}

std::int32_t fontLineHeight() {
    return fontReady() ? openedFont()->height() : 0;
}

std::string fontProblem() {
    if (!openedFont()) {
        return "no font was opened";
    }
    return openedFont()->ready() ? std::string() : openedFont()->problem();
}

std::int32_t fontAscent() {
    return fontReady() ? openedFont()->ascent() : 0;
}

std::size_t cachedTextCount() {
    return cache().size();
}

} // namespace game
