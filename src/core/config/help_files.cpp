#include "core/config/help_files.h"

#include <utility>

namespace helion {

std::string_view helpFileOfWindow(std::string_view windowName) {
    static constexpr std::pair<std::string_view, std::string_view> kWindowHelp[] = {
        {"InputD", "INPUTD.HLP"},     {"InputD1", "INPUTD1.HLP"},   {"Names", "NAMES.HLP"},
        {"Geograph", "GEOGRAPH.HLP"}, {"Options", "OPTIONS.HLP"},   {"OutputD1", "OUTPUTD1.HLP"},
        {"Wheels", "WHEELS.HLP"},     {"CWAspect", "WHEELS.HLP"},   {"OrbsEdit", "WHEELS.HLP"},
        {"NameEdit", "NAMEEDIT.HLP"}, {"LongLat", "LONGLAT.HLP"},   {"SelectFIle", "SELECT.HLP"},
        {"PrntFile", "PRNTFILE.HLP"}, {"Timeline", "OUTPUTD1.HLP"}, {"TimelinePicture", "OUTPUTD1.HLP"},
    };
    for (const auto& [window, file] : kWindowHelp)
        if (window == windowName) return file;
    return kHelpFiles.front();
}

}  // namespace helion
