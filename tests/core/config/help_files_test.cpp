#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/config/help_files.h"

namespace helion {
namespace {

TEST(HelpFileOfWindow, OwnHelpTextElseTheMainWindowsAndAlwaysAShippedOne) {
    for (const auto& [window, file] : {std::tuple{"OutputD1", "OUTPUTD1.HLP"}, std::tuple{"SelectFIle", "SELECT.HLP"},
                                       std::tuple{"CWAspect", "WHEELS.HLP"}, std::tuple{"Helion", "Helion.HLP"},
                                       std::tuple{"TimeZone", "Helion.HLP"}, std::tuple{"inputd", "Helion.HLP"}}) {
        EXPECT_EQ(helpFileOfWindow(window), file) << window;
        EXPECT_NE(std::find(kHelpFiles.begin(), kHelpFiles.end(), helpFileOfWindow(window)), kHelpFiles.end());
    }
}

}  // namespace
}  // namespace helion
