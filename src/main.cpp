#include "media/display_options.hpp"
#include "shell/startup.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(game::kDisplayOptionsHelp, stdout);
            return 0;
        }
    }
    std::string error;
    if (!game::parseDisplayOptions(argc, argv, std::getenv("ZV_PRESENT"), game::displayOptions,
                                   error)) {
        std::fprintf(stderr, "zuravozidizuvav: %s\n%s", error.c_str(), game::kDisplayOptionsHelp);
        return 2;
    }
    return game::startUp();
}
