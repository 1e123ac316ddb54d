#include "core/config/value_lines.h"

#include <gtest/gtest.h>

#include <array>

#include "../base/temp_folder.h"
#include "core/aspects/aspect_kinds.h"
#include "core/config/options.h"
#include "core/config/orb_file.h"

namespace helion {
namespace {

std::string valueLines(int count, const char* value = "3") {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(value) + "      entry\r\n";
    return text;
}

// Nine entries after the unused entry 0, each 9 until a file gives another value.
using Entries = std::array<float, 10>;
Entries nines() {
    Entries entries;
    entries.fill(9.0f);
    return entries;
}

TEST(ValueTable, ReadsTheFirstSevenCharactersOfEachLineUpToTheFirstEmptyLine) {
    const struct {
        const char* what;
        std::string text;
        std::vector<float> values;  // entries from 1 on; entries without a line keep the previous 9
        std::vector<int> problemLines;
    } rows[] = {
        {"leading number rule",
         "  2.5  Conjunction orb\r\n12.345678\r\n   10\r\nabc 4\r\n-1.5xyz\r\n",
         {2.5f, 12.3456f, 10.0f, 0.0f, -1.5f, 9.0f},
         {2, 4, 5}},  // cut; no number; letters after the number
        {"empty line", valueLines(2, "4") + "\r\n" + valueLines(5, "8"), {4.0f, 4.0f, 9.0f}, {4}},
        {"LF", "5\n6\n7", {5.0f, 6.0f, 7.0f, 9.0f}, {}},
        {"CR", "5\r6\r7\r", {5.0f, 6.0f, 7.0f, 9.0f}, {}},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Entries entries = nines();
        const ValueTableRead read = readValueTable(folder.write("VALUES.OPT", row.text), entries, "options file", true);
        EXPECT_TRUE(read.messages.empty());
        for (std::size_t i = 0; i < row.values.size(); ++i)
            EXPECT_FLOAT_EQ(entries[i + 1], row.values[i]) << "entry " << i + 1;
        std::vector<int> lines;
        for (const auto& problem : read.problems) lines.push_back(problem.line);
        EXPECT_EQ(lines, row.problemLines);
    }
}

TEST(ValueTable, UnusableFilesKeepThePreviousValuesAndSaySo) {
    test::TempFolder folder;
    const struct {
        const char* name;
        std::string content;
        const char* says;
    } rows[] = {
        {"missing", "", "cannot be read"},
        {"OVER.OPT", valueLines(10), "more than the 9"},
        {"EMPTY.OPT", "", "holds no values"},
        {"BLANKFIRST.OPT", "\r\n5\r\n", "holds no values"},
        {"BINARY.OPT",
         std::string("\x7f"
                     "ELF\0\x02\x01",
                     7),
         "not a text file"},
    };
    for (const auto& row : rows) {
        const auto file =
            std::string(row.name) == "missing" ? folder.path() / "NONE.OPT" : folder.write(row.name, row.content);
        Entries entries = nines();
        const ValueTableRead read = readValueTable(file, entries, "options file", true);
        EXPECT_EQ(entries, nines()) << row.name;
        ASSERT_EQ(read.messages.size(), 1u) << row.name;
        EXPECT_EQ(read.messages[0], errorMessage(read.messages[0].text));
        EXPECT_TRUE(read.messages[0].text.starts_with("The options file " + file.string())) << read.messages[0].text;
        EXPECT_NE(read.messages[0].text.find(row.says), std::string::npos) << read.messages[0].text;
        EXPECT_EQ(read.valuesRead, 0u);
    }
    // Only a program with values in use keeps them; the command line and the data check have none.
    Entries entries = nines();
    const auto missing = folder.path() / "NONE.OPT";
    EXPECT_TRUE(readValueTable(missing, entries, "orb file", true)
                    .messages.at(0)
                    .text.ends_with(" The values in use are kept."));
    EXPECT_EQ(readValueTable(missing, entries, "orb file", false).messages.at(0).text.find("values in use"),
              std::string::npos);
}

// Each file fills as many entries as its table has and names its kind.
TEST(ValueTable, TheOptionsAndOrbFilesEachFillTheirWholeTable) {
    test::TempFolder folder;
    const auto options = loadOptions(folder.write("OPTIONS.OPT", "1\r\n6\r\n" + valueLines(kOptionEntries - 2)), {});
    const auto orbs = loadOrbTable(folder.write("NATAL.ORB", "1\r\n6\r\n" + valueLines(kOrbLines - 2)), {});
    EXPECT_FLOAT_EQ(options.values[2], 6.0f);
    EXPECT_FLOAT_EQ(options.values[kOptionEntries], 3.0f);
    EXPECT_FLOAT_EQ(orbs.table.orb[orbEntry(code::Sextile)], 6.0f);
    EXPECT_FLOAT_EQ(orbs.table.orb[kOrbLines], 3.0f);
    const auto over = folder.write("OVER.ORB", valueLines(kOrbLines + 1));
    EXPECT_TRUE(loadOrbTable(over).messages.at(0).text.starts_with("The orb file " + over.string() + " holds 18"));
    EXPECT_TRUE(loadOptions(folder.write("EMPTY.OPT", "")).messages.at(0).text.starts_with("The options file "));
}

}  // namespace
}  // namespace helion
