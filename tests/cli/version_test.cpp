#include <gtest/gtest.h>

#include <regex>

#include "cli_run.h"

namespace helion::test {
namespace {

// The build's own version, then the release of the ephemeris library it runs on.
TEST(Version, NamesTheBuildAndTheEphemerisLibrary) {
    const CliResult r = runCli("--version");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex("Helion " HELION_VERSION R"( \(Swiss Ephemeris [0-9][^ )]*\)\n)")))
        << r.out;
}

}  // namespace
}  // namespace helion::test
