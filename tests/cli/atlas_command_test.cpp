#include <gtest/gtest.h>

#include "cli_run.h"

namespace helion::test {
namespace {

// One object a line best first, or one text line a place; which place, offset and reason
// are the search's and the zone history's.
TEST(AtlasCommand, GivesEachPlaceWithItsOffsetAtTheMomentAsJsonOrText) {
    const CliResult json = runCli("atlas \"new york\" --limit 3 --json --date \"07 Mar 1952\" --time 10.30 --ampm A");
    ASSERT_EQ(json.status, 0) << json.err;
    const auto places = jsonLines(json.out);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0]["name"], "New York City");
    EXPECT_EQ(places[0]["offset_hours"], 5.0);
    EXPECT_EQ(runCli("atlas \"Sao Paulo\" --limit 1 --date \"15 Jan 2024\" --time 9.00 --ampm A").out,
              "São Paulo, São Paulo, Brazil  23°33' S  46°38' W  America/Sao_Paulo  3  standard time\n");
}

}  // namespace
}  // namespace helion::test
