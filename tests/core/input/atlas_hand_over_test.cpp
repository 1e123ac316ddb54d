#include "core/input/atlas_hand_over.h"

#include <gtest/gtest.h>

#include <tuple>

#include "../base/temp_folder.h"

namespace helion {
namespace {

TEST(AtlasHandOver, ReadsZoneLatitudeAndLongitude) {
    const AtlasRead read = parseAtlasAnswer("4.9333\r\n42N21\r\n71W04\r\nBoston\r\nzone\r\n", "/r/");
    ASSERT_TRUE(read.answer);
    const CityPlace& p = read.answer->place;
    EXPECT_EQ(std::tie(p.latitudeDegrees, p.latitudeMinutes, p.south, p.longitudeDegrees, p.longitudeMinutes, p.east),
              std::tuple(42, 21, false, 71, 4, false));
    EXPECT_DOUBLE_EQ(p.zone, 4.9333);
}

TEST(AtlasHandOver, TextWhereNumbersBelongGivesNothing) {
    const struct {
        const char* text;
        bool read;
    } rows[] = {
        {"-5.5\n33S52\n151E12\n", true},  // the two closing lines may be missing
        {"", false},
        {"five\n42N21\n71W04\n", false},
        {"5\n42X21\n71W04\n", false},
        {"5\n42N21\n71N04\n", false},  // the longitude's letter is W or E
        {"5\n91N00\n71W04\n", false},
    };
    for (const auto& row : rows) {
        const AtlasRead read = parseAtlasAnswer(row.text, "/r/");
        EXPECT_EQ(read.answer.has_value(), row.read) << row.text;
        if (!row.read) {
            ASSERT_TRUE(read.message);
            EXPECT_EQ(read.message->caption, "Warning!");
            EXPECT_NE(read.message->text.find("TSRTEMP.TXT in the /r/ directory"), std::string::npos);
        }
    }
}

TEST(AtlasHandOver, MissingFilesAreNamedWithTheirFolder) {
    test::TempFolder folder;
    const std::string atlas = withFinalSlash(folder.path().string());
    EXPECT_EQ(readAtlasHandOver(atlas).message->text,
              "Cannot find the file called PCATPATH in the " + atlas + " directory.");
    folder.write("PCATPATH.TXT", folder.path().string() + "\r\n");  // the folder without its final "/"
    EXPECT_EQ(readAtlasHandOver(atlas).message->text,
              "Cannot find the file called TSRTEMP.TXT in the " + atlas + " directory.");
    std::filesystem::create_directory(folder.path() / "TSRTEMP.TXT");  // a folder in its place
    EXPECT_TRUE(readAtlasHandOver(atlas).message);
    std::filesystem::remove(folder.path() / "TSRTEMP.TXT");
    folder.write("TSRTEMP.TXT", "5\r\n40N43\r\n74W00\r\nNew York\r\nEST\r\n");
    const AtlasRead read = readAtlasHandOver(atlas);
    ASSERT_TRUE(read.answer);
    EXPECT_EQ(read.answer->longitude, "74W00");
}

}  // namespace
}  // namespace helion
