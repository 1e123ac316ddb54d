#include "core/input/record_list.h"

#include <gtest/gtest.h>

#include "core/input/cities_file.h"
#include "core/input/names_file.h"

namespace helion {
namespace {

// A broken line ends either list with the records before it and the file's own error.
TEST(RecordList, ABrokenLineEndsTheListWithTheFilesOwnError) {
    const CitiesFile cities = parseCitiesFile("A,B,84W23,33N45,5\nBroken,84W23,33N45\nC,D,84W23,33N45,5\n");
    const NamesFile names = parseNamesFile(
        "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\nAnn,07 Mar 1952\nBob,01 Jan 1960,1.05,P,5,71.04,42.22\n");
    EXPECT_EQ(cities.records.size(), 1u);
    EXPECT_EQ(names.records.size(), 1u);
    EXPECT_EQ(cities.error, errorMessage(kCitiesFileErrorText));
    EXPECT_EQ(names.error, errorMessage(kNamesFileErrorText));
    EXPECT_EQ(cities.problems, (std::vector<LineProblem>{{2, "3 fields where a record has 5"}}));
    EXPECT_EQ(names.problems, (std::vector<LineProblem>{{2, "2 fields where a record has 7"}}));
}

}  // namespace
}  // namespace helion
