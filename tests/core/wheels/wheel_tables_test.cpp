#include "core/wheels/wheel_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "../base/temp_folder.h"
#include "core/wheels/wheel_table_design.h"

namespace helion {
namespace {

std::string shippedText(WheelTable table) { return integerTableText(shippedWheelTable(table)); }

std::string withLine(std::string text, int line, std::string_view value) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = text.find("\r\n", start) + 2;
    return text.replace(start, text.find("\r\n", start) - start, value);
}

// A table the wheels cannot use is named once and replaced by the shipped one.
TEST(WheelTables, AMissingShortOrWrongTableIsNamedAndTheShippedOneDrawn) {
    const struct {
        WheelTable table;
        std::optional<std::string> content;  // nothing: the file is missing
        std::string why;
    } rows[] = {
        {WheelTable::CuspLabels, std::nullopt, "the file is missing"},
        {WheelTable::CuspLabels, "1,2,3\r\n", "holds 3 values, 121 expected"},
        {WheelTable::GlyphRadii, withLine(shippedText(WheelTable::GlyphRadii), 5, "900"),
         "on line 5: the value 900 is outside 0 to 225: a glyph stack starts 0 to 225 units from the centre, inside "
         "every window"},
        {WheelTable::GlyphRadii, std::string(kLargestTableFile + 1, '1'),
         "the file is larger than 64 KB, far more than the table's 361 values take"},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        for (const WheelTable table : {WheelTable::CuspLabels, WheelTable::GlyphRadii})
            folder.write(wheelTableFile(table), shippedText(table));
        const auto file = folder.path() / wheelTableFile(row.table);
        if (row.content)
            folder.write(wheelTableFile(row.table), *row.content);
        else
            std::filesystem::remove(file);
        const WheelTablesLoad load = loadWheelTables(folder.path());
        EXPECT_EQ(load.messages, (std::vector<Message>{warningMessage(
                                     "The file " + std::string(wheelTableFile(row.table)) + " cannot be used (" +
                                     row.why + "). The wheels are drawn with the shipped table.")}))
            << row.why;
        EXPECT_EQ(load.tables.cuspLabels, shippedWheelTable(WheelTable::CuspLabels)) << row.why;
        EXPECT_EQ(load.tables.glyphRadii, shippedWheelTable(WheelTable::GlyphRadii)) << row.why;
    }
}

}  // namespace
}  // namespace helion
