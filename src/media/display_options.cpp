#include "media/display_options.hpp"

#include <algorithm>
#include <cctype>

namespace game {

DisplayOptions displayOptions;

const char* const kDisplayOptionsHelp =
    "Usage: zuravozidizuvav [--window] [--present=auto|cpu|gpu]\n"
    "  --window          start in a window (F11 or Alt+Enter switches at any time)\n"
    "  --present=PATH    how the picture reaches the screen: cpu scales it in the window's own\n"
    "                    memory, gpu through the graphics card; auto (the default) picks one.\n"
    "                    The environment variable ZV_PRESENT sets the same.\n";

namespace {

bool pathNamed(std::string_view name, PresentPath& path) {
    if (name == "auto") {
        path = PresentPath::Auto;
    } else if (name == "cpu") {
        path = PresentPath::Cpu;
    } else if (name == "gpu") {
        path = PresentPath::Gpu;
    } else {
        return false;
    }
    return true;
}

} // namespace

bool parseDisplayOptions(int argc, const char* const* argv, const char* presentEnv,
                         DisplayOptions& into, std::string& error) {
    if (presentEnv != nullptr && *presentEnv != '\0' && !pathNamed(presentEnv, into.present)) {
        error = "ZV_PRESENT must be auto, cpu or gpu, not \"" + std::string(presentEnv) + "\"";
        return false;
    }
    constexpr std::string_view kPresent = "--present=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--window") {
            into.startInWindow = true;
        } else if (arg.starts_with(kPresent)) {
            if (!pathNamed(arg.substr(kPresent.size()), into.present)) {
                error = "--present must be auto, cpu or gpu";
                return false;
            }
        } else {
            error = "unknown option \"" + std::string(arg) + "\"";
            return false;
        }
    }
    return true;
}

bool isSoftwareRendererName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* soft : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (lower.find(soft) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace game
