// Every BMP and JPEG of the shared corpora through the sprite loader: each loads at its size with
// the pixels the corpus says it has, or is refused cleanly (the sanitizer build checks that no
// refusal reads outside the file).

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "support/corpus.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace game {
namespace {

struct Expect {
    bool loads = false;
    int width = 0;
    int height = 0;
};

constexpr Expect kRefuse{};

class PictureCorpus : public test::PictureLoading {
protected:
    // Loads every file of the folder into sprite 1, checking it against the table, which must
    // name every file; returns the pixels of the loaded ones by file.
    static std::map<std::string, std::vector<std::uint32_t>>
    runCorpus(const std::string& folder, const std::vector<std::string>& extensions,
              const std::map<std::string, Expect>& table) {
        std::map<std::string, std::vector<std::uint32_t>> loaded;
        const auto files = test::corpusFiles(folder, extensions);
        EXPECT_FALSE(files.empty()) << folder;
        for (const std::string& file : files) {
            SCOPED_TRACE(file);
            const auto entry = table.find(file);
            if (entry == table.end()) {
                ADD_FAILURE() << "not in the table";
                continue;
            }
            const Expect want = entry->second;
            const test::Bytes bytes = test::readWholeFile(test::corpusPath(file));
            const std::int32_t result = spriteFromMemory(1, bytes.data(), bytes.size(), 0, "");
            const SpriteSlot& slot = display.sprites[1];
            if (!want.loads) {
                EXPECT_EQ(result, 0);
                EXPECT_EQ(slot.surface, nullptr);
                continue;
            }
            EXPECT_NE(result, 0);
            if (slot.surface == nullptr) {
                ADD_FAILURE() << "refused";
                continue;
            }
            EXPECT_EQ(slot.width, want.width);
            EXPECT_EQ(slot.height, want.height);
            EXPECT_TRUE(std::all_of(slot.surface->pixels.begin(), slot.surface->pixels.end(),
                                    [](std::uint32_t p) { return p >> 24 == 0; }))
                << "a screen pixel has no fourth byte";
            loaded[file] = slot.surface->pixels;
        }
        return loaded;
    }
};

// Largest difference of any channel of any pixel.
int largestDifference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            largest = std::max(largest, std::abs(static_cast<int>(a[i] >> shift & 0xFF) -
                                                 static_cast<int>(b[i] >> shift & 0xFF)));
        }
    }
    return largest;
}

// Mean difference per channel over the picture.
double meanDifference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            sum += std::abs(static_cast<int>(a[i] >> shift & 0xFF) -
                            static_cast<int>(b[i] >> shift & 0xFF));
        }
    }
    return sum / (3.0 * static_cast<double>(a.size()));
}

TEST_F(PictureCorpus, BmpSuiteLoadsItsUncompressed16To32BitFilesAndRefusesTheRest) {
    SKIP_WITHOUT_CORPUS();
    const Expect suite{true, 127, 64};
    std::map<std::string, Expect> table;
    for (const std::string& file : test::corpusFiles("bmpsuite", {".bmp"})) {
        table[file] = kRefuse;
    }
    for (const char* file :
         {"bmpsuite/g/rgb16.bmp", "bmpsuite/g/rgb24.bmp", "bmpsuite/g/rgb24pal.bmp",
          "bmpsuite/g/rgb32.bmp", "bmpsuite/q/rgb16faketrns.bmp", "bmpsuite/q/rgb24largepal.bmp",
          "bmpsuite/q/rgb24lprof.bmp", "bmpsuite/q/rgb32fakealpha.bmp"}) {
        table[file] = suite;
    }
    const auto loaded = runCorpus("bmpsuite", {".bmp"}, table);
    ASSERT_EQ(loaded.size(), 8u);

    // The suite draws one picture in every form: the 24- and 32-bit ones agree exactly, the
    // 16-bit ones within the 5-bit steps (scaled by 8, so up to 7 below, plus rounding).
    const auto& reference = loaded.at("bmpsuite/g/rgb24.bmp");
    for (const char* same :
         {"bmpsuite/g/rgb24pal.bmp", "bmpsuite/g/rgb32.bmp", "bmpsuite/q/rgb24largepal.bmp",
          "bmpsuite/q/rgb24lprof.bmp", "bmpsuite/q/rgb32fakealpha.bmp"}) {
        EXPECT_EQ(loaded.at(same), reference) << same;
    }
    for (const char* coarse : {"bmpsuite/g/rgb16.bmp", "bmpsuite/q/rgb16faketrns.bmp"}) {
        EXPECT_LE(largestDifference(loaded.at(coarse), reference), 9) << coarse;
    }
}

TEST_F(PictureCorpus, LibjpegTurboBmpsLoadAtTheirSizes) {
    SKIP_WITHOUT_CORPUS();
    const std::map<std::string, Expect> table = {
        {"bmp-libjpeg-turbo/shira_bird8.bmp", {true, 192, 144}},
        {"bmp-libjpeg-turbo/vgl_6434_0018a.bmp", {true, 119, 96}},
        {"bmp-libjpeg-turbo/vgl_6548_0026a.bmp", {true, 128, 95}},
    };
    EXPECT_EQ(runCorpus("bmp-libjpeg-turbo", {".bmp"}, table).size(), 3u);
}

TEST_F(PictureCorpus, JpegsLoadExceptCmykAndTwelveBitAndAgreeWithEachOther) {
    SKIP_WITHOUT_CORPUS();
    const Expect video{true, 150, 103};
    std::map<std::string, Expect> table;
    for (const std::string& file : test::corpusFiles("jpeg/go", {".jpeg"})) {
        table[file] = video;
    }
    table["jpeg/go/video-001.cmyk.jpeg"] = kRefuse;
    table["jpeg/libjpeg-turbo/testorig.jpg"] = {true, 227, 149};
    table["jpeg/libjpeg-turbo/testimgari.jpg"] = {true, 227, 149};
    table["jpeg/libjpeg-turbo/monkey12.jpg"] = kRefuse;
    table["jpeg/pillow/truncated_jpeg.jpg"] = {true, 100, 100};
    std::map<std::string, std::vector<std::uint32_t>> loaded;
    for (const char* folder : {"jpeg/go", "jpeg/libjpeg-turbo", "jpeg/pillow"}) {
        std::map<std::string, Expect> part;
        for (const auto& [file, want] : table) {
            if (file.rfind(folder, 0) == 0) {
                part[file] = want;
            }
        }
        const auto got = runCorpus(folder, {".jpeg", ".jpg"}, part);
        loaded.insert(got.begin(), got.end());
    }
    ASSERT_EQ(loaded.size(), 17u + 2u + 1u);

    // Every colour video-001 shows the same frame; coarser sampling and quality 50 move it by a
    // few levels on average (quality 50 alone costs about 5 on a natural picture), while another
    // picture differs by tens of levels.
    const auto& colour = loaded.at("jpeg/go/video-001.jpeg");
    for (const auto& [file, pixels] : loaded) {
        if (file.find("video-001") != std::string::npos &&
            file.find("truncated") == std::string::npos) {
            EXPECT_LT(meanDifference(pixels, colour), 10.0) << file;
        }
    }
    // The greyscale video-005 files hold equal channels and agree with each other.
    const auto& grey = loaded.at("jpeg/go/video-005.gray.jpeg");
    EXPECT_GT(meanDifference(grey, colour), 30.0) << "a different picture";
    for (const auto& [file, pixels] : loaded) {
        if (file.find("video-005") == std::string::npos) {
            continue;
        }
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
            return (p >> 16 & 0xFF) == (p & 0xFF) && (p >> 8 & 0xFF) == (p & 0xFF);
        })) << file;
        EXPECT_LT(meanDifference(pixels, grey), 10.0) << file;
    }
    // The arithmetic-coded copy of the IJG test picture differs from the original only in
    // rounding.
    EXPECT_LT(meanDifference(loaded.at("jpeg/libjpeg-turbo/testimgari.jpg"),
                             loaded.at("jpeg/libjpeg-turbo/testorig.jpg")),
              1.0);
}

} // namespace
} // namespace game
