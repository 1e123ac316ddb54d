#include <gtest/gtest.h>

#include "cli_run.h"

namespace helion::test {
namespace {

TEST(HelionCli, RefusesAMissingSubcommand) {
    const CliResult r = runCli("");
    EXPECT_NE(r.status, 0);
}

}  // namespace
}  // namespace helion::test
