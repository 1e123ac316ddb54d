#include "core/atlas/text_folding.h"

#include <gtest/gtest.h>

namespace helion {
namespace {

TEST(TextFolding, FoldsCaseAndLatinDiacriticsKeepingOtherText) {
    const struct {
        const char* text;
        const char* folded;
    } rows[] = {
        {"São Paulo", "sao paulo"},
        {"SÃO PAULO", "sao paulo"},
        {"Sa\u0303o Paulo", "sao paulo"},  // decomposed: the combining tilde is dropped
        {"Łódź", "lodz"},
        {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"},
        {"Hồ Chí Minh", "ho chi minh"},
        {"İstanbul", "istanbul"},
        {"Xi’an", "xian"},               // apostrophes as typed or set: ' ` ‘ ’ ʻ ʼ
        {"Saint-Denis", "saint denis"},  // hyphens and dashes part words
        {"Москва", "Москва"},            // another script is kept as it is
        {"5 × 3", "5 × 3"},              // signs of Latin-1 are no letters
        {"a\xFF"
         "b",
         "a\xFF"
         "b"},                   // bytes that are not UTF-8 pass through
        {"end\xC3", "end\xC3"},  // a sequence cut short
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(foldForSearch(row.text), row.folded) << row.text;
}

}  // namespace
}  // namespace helion
