#include "core/atlas/atlas_result.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"
#include "core/atlas/coordinate_text.h"

namespace helion {
namespace {

const PlaceList kList = parsePlaceList(
                            "#zones\t1\nAmerica/New_York\n#countries\t2\nUS\tUnited States\nXX\tXX\n"
                            "#regions\t1\nUS\tNY\tNew York\n#places\t2\n"
                            "New York City\tNY\tUS\t40.7143\t-74.0060\t8175133\t0\t\n"
                            "Null Island\t\tXX\t-0.0001\t0.0001\t1000\t0\t\n")
                            .list;
const PlaceOffset kMeanTime{74.0 / 15, ClockKind::LocalMeanTime, "", {}};

TEST(AtlasResult, CoordinatesRoundToWholeMinutesWithTheirLetters) {
    const struct {
        double degrees;
        bool latitude;
        const char* packed;
        const char* shown;
    } rows[] = {
        {40.7143, true, "40N43", "40°43' N"},   {-23.5475, true, "23S33", "23°33' S"},
        {-74.0060, false, "74W00", "74°00' W"}, {151.2073, false, "151E12", "151°12' E"},
        {-0.0001, true, "0N00", "0°00' N"},   // rounds to the equator: no south of nothing
        {-0.9999, false, "1W00", "1°00' W"},  // 59.994 minutes carry into a degree
    };
    for (const auto& row : rows) {
        const DegreesMinutes value =
            row.latitude ? latitudeDegreesMinutes(row.degrees) : longitudeDegreesMinutes(row.degrees);
        EXPECT_EQ(packedText(value), row.packed);
        EXPECT_EQ(displayText(value), row.shown);
    }
}

TEST(AtlasResult, WritesTheResultAndThePathFileNamingTheFolder) {
    test::TempFolder folder;
    ASSERT_EQ(writeAtlasResult(folder.path(), kList, kList.places[1], {0, ClockKind::StandardTime, "GMT", {}}),
              std::nullopt);
    EXPECT_EQ(folder.read("TSRTEMP.TXT"),
              "0\r\n0N00\r\n0E00\r\nNull Island, XX\r\nAmerica/New_York: GMT, standard time\r\n");
    EXPECT_EQ(folder.read("PCATPATH.TXT"), folder.path().string() + "/\r\n");
}

TEST(AtlasResult, AFolderThatCannotBeWrittenIsReportedAndGetsNoFile) {
    test::TempFolder folder;
    const auto notAFolder = folder.write("plain", "x");
    const auto message = writeAtlasResult(notAFolder, kList, kList.places[0], kMeanTime);
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text.starts_with("The file " + (notAFolder / "TSRTEMP.TXT").string() + " cannot be written"))
        << message->text;
    EXPECT_EQ(folder.read("plain"), "x");
}

}  // namespace
}  // namespace helion
