#include "core/config/settings.h"

#include <gtest/gtest.h>

#include "../base/temp_folder.h"

namespace helion {
namespace {

const std::filesystem::path kFolder = "/prog";

Settings with(void (*change)(Settings&)) {
    Settings s = defaultSettings(kFolder);
    change(s);
    return s;
}

TEST(SettingsFile, EachKeyKeepsItsAcceptanceRule) {
    const auto unchanged = [](Settings&) {};
    const std::pair<const char*, Settings> rows[] = {
        {"FontSize= 6", with(unchanged)},
        {"FontSize=7.75", with([](Settings& s) { s.fontSize = 7.75; })},
        {"FontSize=abc", with(unchanged)},
        {"HelionHeight= 0", with(unchanged)},
        {"DataLeft=xyz", with([](Settings& s) { s.dataLeft = 0; })},
        {"DataWidth= 1234.6", with([](Settings& s) { s.dataWidth = 1235; })},
        {"DataWidth= 99999", with(unchanged)},
        {"StartScale", with([](Settings& s) { s.startScale = 0; })},  // no "=": the whole line is the value
        {"Unrelated=5", with(unchanged)},
        // The last of repeated keys wins.
        {"TypeChart= 1\r\nFontBold= 1\r\nTypeChart= 0", with([](Settings& s) { s.fontBold = 1; })},
    };
    for (const auto& [line, expected] : rows)
        EXPECT_EQ(parseSettings(line, defaultSettings(kFolder)).settings, expected) << line;
}

TEST(SettingsFile, ReportsWhatItIgnores) {
    const auto read = parseSettings("[Helion] - Do NOT change the order of these variables.\nFontSize= 6\nColour=red\n",
                                    defaultSettings(kFolder));
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].line, 2);
    EXPECT_EQ(read.problems[1], (LineProblem{3, "not a setting; the line is ignored"}));
}

TEST(SettingsFile, WritesTheFixedOrderWithLeadingBlanks) {
    Settings s = defaultSettings(kFolder);
    s.helionLeft = -15;
    const std::string text = formatSettings(s);
    EXPECT_TRUE(text.starts_with("[Helion] - Do NOT change the order of these variables.\r\nFontSize= 8.5\r\n"));
    EXPECT_NE(text.find("\r\nHelionTop= 0\r\nHelionLeft=-15\r\n"), std::string::npos) << text;
}

TEST(SettingsFile, RoundTripsThroughTheFile) {
    test::TempFolder folder;
    Settings s = defaultSettings(folder.path());
    s.fontSize = 10.25;
    s.helionTop = 300;
    s.dataLeft = -40;
    s.atlasDir = "/opt/atlas";
    s.startScale = 300;
    ASSERT_FALSE(writeSettings(folder.path(), s));
    const SettingsRead read = readSettings(folder.path());
    EXPECT_EQ(read.settings, s);
    EXPECT_TRUE(read.problems.empty());
}

TEST(SettingsFile, MissingFileKeepsTheDefaultsQuietlyABinaryOneWithAMessage) {
    test::TempFolder folder;
    const SettingsRead missing = readSettings(folder.path());
    EXPECT_EQ(missing.settings, defaultSettings(folder.path()));
    EXPECT_FALSE(missing.error);
    folder.write("Helion.INI", std::string("FontSize= 12\0\x01\x02", 15));
    const SettingsRead read = readSettings(folder.path());
    EXPECT_EQ(read.settings, defaultSettings(folder.path()));
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->caption, "Error!");
}

}  // namespace
}  // namespace helion
