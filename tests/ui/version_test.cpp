// The desktop program names the same version as helion-cli, from the command line without
// any display and in its About window.
#include <gtest/gtest.h>

#include <string>

#include "../cli/cli_run.h"
#include "ui/about_window.h"

namespace helion::test {
namespace {

// Without a display, opening a window would fail: these answers end before any window.
TEST(DesktopVersion, AnswersWithoutADisplayAsTheCommandLineDoes) {
    const CliResult cli = runCli("--version");
    ASSERT_EQ(cli.status, 0) << cli.err;
    const struct {
        const char* argument;
        std::string start;
    } rows[] = {{"--version", cli.out}, {"--help", "Usage: helion [--version | --help]\n"}};
    for (const auto& row : rows) {
        const CliResult desktop = runProgram(
            std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + HELION_DESKTOP, row.argument);
        EXPECT_EQ(desktop.status, 0) << row.argument << desktop.err;
        EXPECT_EQ(desktop.out.substr(0, row.start.size()), row.start) << row.argument;
        EXPECT_EQ(desktop.err, "") << row.argument;
    }

    ui::AboutWindow about;
    EXPECT_EQ(about.accessibleDescription().toStdString() + "\n", cli.out);
}

}  // namespace
}  // namespace helion::test
