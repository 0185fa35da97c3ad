#pragma once
// The shared loader corpora (see their README for what each file is and the LOAD/REFUSE tags).

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace game::test {

// The corpora live beside the project, not in it; without them their tests are skipped.
#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!std::filesystem::is_directory(ZV_TESTDATA_DIR))                                           \
    GTEST_SKIP() << "loader corpora not found at " << ZV_TESTDATA_DIR

inline std::string corpusPath(const std::string& relative) {
    return std::string(ZV_TESTDATA_DIR) + "/" + relative;
}

// Every file under a corpus folder whose name ends in one of the extensions, as paths relative
// to the corpora's root, sorted.
inline std::vector<std::string> corpusFiles(const std::string& folder,
                                            const std::vector<std::string>& extensions) {
    std::vector<std::string> files;
    const std::filesystem::path root(ZV_TESTDATA_DIR);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
        if (entry.is_regular_file() &&
            std::ranges::count(extensions, entry.path().extension().string()) != 0) {
            files.push_back(std::filesystem::relative(entry.path(), root).string());
        }
    }
    std::ranges::sort(files);
    return files;
}

} // namespace game::test
