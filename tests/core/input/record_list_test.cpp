#include "core/input/record_list.h"

#include <gtest/gtest.h>

#include "core/input/cities_file.h"
#include "core/input/names_file.h"

namespace helion {
namespace {

// A broken line ends either list with the records before it and the file's own error.
TEST(RecordList, ABrokenLineEndsTheListWithTheFilesOwnError) {
    const auto brokenCities = parseCitiesFile("A,B,84W23,33N45,5\nBroken,84W23,33N45\nC,D,84W23,33N45,5\n");
    const auto brokenNames = parseNamesFile(
        "Ann,07 Mar 1952,10.30,A,5,74.00,40.43\nAnn,07 Mar 1952,10.30,A,5,74.00\nBob,01 Jan "
        "1960,1.05,P,5,71.04,42.22\n");
    const struct {
        const char* what;
        std::size_t records;
        std::optional<Message> error;
        std::vector<LineProblem> problems;
        const char* errorText;
        const char* problem;
    } rows[] = {
        {"cities", brokenCities.records.size(), brokenCities.error, brokenCities.problems, kCitiesFileErrorText,
         "3 fields where a record has 5"},
        {"names", brokenNames.records.size(), brokenNames.error, brokenNames.problems, kNamesFileErrorText,
         "6 fields where a record has 7"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.records, 1u) << row.what;
        EXPECT_EQ(row.error, errorMessage(row.errorText)) << row.what;
        EXPECT_EQ(row.problems, (std::vector<LineProblem>{{2, row.problem}})) << row.what;
    }
}

}  // namespace
}  // namespace helion
