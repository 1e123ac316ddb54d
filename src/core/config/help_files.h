#pragma once
// The plain-text help files of the Help menus, in menu order. The Data window and the
// wheel window show OUTPUTD1.HLP and WHEELS.HLP from their own Help items.

#include <array>
#include <string_view>

namespace helion {

inline constexpr std::array<std::string_view, 18> kHelpFiles{
    "Helion.HLP",   "INPUTD.HLP",   "INPUTD1.HLP",  "NAMES.HLP",   "GEOGRAPH.HLP", "OPTIONS.HLP",
    "OUTPUTD1.HLP", "WHEELS.HLP",   "NAMEEDIT.HLP", "LONGLAT.HLP", "SELECT.HLP",   "PRNTFILE.HLP",
    "HINTS.HLP",    "UPGRADES.HLP", "SHORTCUT.HLP", "LICENSE.HLP", "PHILO.HLP",    "REVISION.HLP",
};

// The help file of a window, by its name, that F1 shows: each window with a help text of
// its own gets that one, every other window the main window's.
std::string_view helpFileOfWindow(std::string_view windowName);

}  // namespace helion
