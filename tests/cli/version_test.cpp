#include <gtest/gtest.h>

#include <regex>

#include "cli_run.h"

namespace helion::test {
namespace {

// The build's own version, then the release of the ephemeris library it runs on.
TEST(Version, NamesTheBuildAndTheEphemerisLibrary) {
    const CliResult r = runCli("--version");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::regex line(R"(Helion (\S+) \(Swiss Ephemeris [0-9][^ )]*\)\n)");
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(r.out, parts, line)) << r.out;
    EXPECT_EQ(parts[1], HELION_VERSION);
}

}  // namespace
}  // namespace helion::test
