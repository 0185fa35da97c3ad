// Every BMP and JPEG of the shared corpora through the sprite loader: each loads at its size with
// the pixels the corpus says it has, or is refused cleanly (the sanitizer build checks that no
// refusal reads outside the file).

#include "support/corpus.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace game {
namespace {

using Pixels = std::vector<std::uint32_t>;

// The largest difference of any channel of any pixel, the fourth byte included.
int largestDifference(const Pixels& a, const Pixels& b) {
    int largest = a.size() == b.size() ? 0 : 255;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            largest = std::max(largest, std::abs(static_cast<int>(a[i] >> shift & 0xFF) -
                                                 static_cast<int>(b[i] >> shift & 0xFF)));
        }
    }
    return largest;
}

class PictureCorpus : public test::PictureLoading {};

TEST_F(PictureCorpus, UncompressedBmpsOf16To32BitsAndJpegsLoadAndTheRestIsRefused) {
    SKIP_WITHOUT_CORPUS();
    // The sizes of the files that load; CMYK and 12-bit JPEGs and every other BMP are refused.
    std::map<std::string, std::pair<int, int>> loads = {
        {"bmp-libjpeg-turbo/shira_bird8.bmp", {192, 144}},
        {"bmp-libjpeg-turbo/vgl_6434_0018a.bmp", {119, 96}},
        {"bmp-libjpeg-turbo/vgl_6548_0026a.bmp", {128, 95}},
        {"jpeg/libjpeg-turbo/testorig.jpg", {227, 149}},
        {"jpeg/libjpeg-turbo/testimgari.jpg", {227, 149}},
        {"jpeg/pillow/truncated_jpeg.jpg", {100, 100}}};
    for (const std::string& file : test::corpusFiles("jpeg/go", {".jpeg"})) {
        loads[file] = {150, 103};
    }
    loads.erase("jpeg/go/video-001.cmyk.jpeg");
    // The suite draws one picture in every form: the 24- and 32-bit ones agree exactly, the
    // 16-bit ones within the 5-bit steps (scaled by 8, so up to 7 below, plus rounding).
    const std::map<std::string, int> suite = {
        {"g/rgb16.bmp", 9},      {"g/rgb24.bmp", 0},         {"g/rgb24pal.bmp", 0},
        {"g/rgb32.bmp", 0},      {"q/rgb16faketrns.bmp", 9}, {"q/rgb24largepal.bmp", 0},
        {"q/rgb24lprof.bmp", 0}, {"q/rgb32fakealpha.bmp", 0}};
    for (const auto& [file, tolerance] : suite) {
        loads["bmpsuite/" + file] = {127, 64};
    }
    std::map<std::string, Pixels> loaded;
    for (const char* folder : {"bmpsuite", "bmp-libjpeg-turbo", "jpeg"}) {
        for (const std::string& file : test::corpusFiles(folder, {".bmp", ".jpeg", ".jpg"})) {
            const test::Bytes bytes = test::readWholeFile(test::corpusPath(file));
            const bool ok = load(1, bytes) != 0;
            const SpriteSlot& slot = display.sprites[1];
            EXPECT_EQ(ok, loads.count(file) != 0) << file;
            EXPECT_EQ(slot.surface != nullptr, ok) << file;
            if (ok && slot.surface != nullptr && loads.count(file) != 0) {
                EXPECT_EQ(std::pair(slot.width, slot.height), loads.at(file)) << file;
                loaded[file] = slot.surface->pixels;
            }
        }
    }
    ASSERT_EQ(loaded.size(), loads.size());
    for (const auto& [file, tolerance] : suite) {
        EXPECT_LE(largestDifference(loaded["bmpsuite/" + file], loaded["bmpsuite/g/rgb24.bmp"]),
                  tolerance)
            << file;
    }
}

} // namespace
} // namespace game
