#include "core/reports/print_layout.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

OptionValues printOptions(float pageLength, float width) {
    OptionValues options;
    options.value[option::PrintPageLength] = pageLength;
    options.value[option::PrintLineWidth] = width;
    return options;
}

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back(std::to_string(i));
    return lines;
}

TEST(PrintFontPoints, LongestLineAtTheWidthKeepsTwelve) {
    const OptionValues options = printOptions(50, 5);
    EXPECT_EQ(printFontPoints({"abc", "abcde"}, options), 12);
    EXPECT_EQ(printFontPoints({"abcdef", "a"}, options), 10);
    EXPECT_EQ(printFontPoints({}, options), 12);
}

TEST(Paginate, PagesOfTheOptionLengthWithinThePaper) {
    struct Row {
        int lines;
        float pageLength;
        int fitting;
        std::vector<std::size_t> pageSizes;
    };
    for (const Row& row :
         {Row{120, 50, 80, {50, 50, 20}}, Row{100, 50, 80, {50, 50}},  // no empty page after a full one
          Row{120, 50, 45, {45, 45, 30}},                              // the paper is shorter than the option
          Row{10, 0, 4, {4, 4, 2}},                                    // no page length: as the paper takes
          Row{0, 50, 80, {}}}) {
        const auto pages = paginate(numberedLines(row.lines), printOptions(row.pageLength, 117), row.fitting);
        std::vector<std::size_t> sizes;
        for (const auto& page : pages) sizes.push_back(page.size());
        EXPECT_EQ(sizes, row.pageSizes) << row.lines << " lines, page " << row.pageLength;
    }
    const auto pages = paginate(numberedLines(120), printOptions(50, 117), 80);
    EXPECT_EQ(pages[1].front(), "51");
    EXPECT_EQ(pages[2].back(), "120");
}

TEST(PrintLines, SplitsOnEveryLineBreakKind) {
    EXPECT_EQ(printLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(printLines("a\nb"), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace helion
