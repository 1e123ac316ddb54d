// The desktop program names the same version as helion-cli, from the command line without
// any display and in its About window.
#include <gtest/gtest.h>

#include <string>

#include "../cli/cli_run.h"
#include "ui/about_window.h"

namespace helion::test {
namespace {

TEST(DesktopVersion, AnswersWithoutADisplayAsTheCommandLineDoes) {
    const CliResult cli = runCli("--version");
    ASSERT_EQ(cli.status, 0) << cli.err;
    const CliResult desktop =
        runProgram(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + HELION_DESKTOP, "--version");
    EXPECT_EQ(desktop.status, 0) << desktop.err;
    EXPECT_EQ(desktop.out, cli.out);
    EXPECT_EQ(desktop.err, "");

    ui::AboutWindow about;
    EXPECT_EQ(about.accessibleDescription().toStdString() + "\n", cli.out);
}

}  // namespace
}  // namespace helion::test
