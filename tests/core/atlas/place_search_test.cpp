#include "core/atlas/place_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace helion {
namespace {

// Largest population first, as the shipped list is sorted.
constexpr std::string_view kList =
    "#zones\t1\nAmerica/Sao_Paulo\n"
    "#countries\t9\nTO\tTonga\nBR\tBrazil\nUS\tUnited States\nCA\tCanada\nGB\tUnited Kingdom\nIN\tIndia\nZA\tSouth "
    "Africa\nDE\tGermany\nFR\tFrance\n"
    "#regions\t6\nDE\t16\tBerlin\nFR\t11\tÎle-de-France\nFR\t84\tAuvergne-Rhône-Alpes\nUS\tGA\tGeorgia\n"
    "US\tKY\tKentucky\nUS\tTX\tTexas\n"
    "#places\t15\n"
    "Mumbai\t16\tIN\t19.1\t72.9\t12691836\t0\tBombay;Bombaim\n"
    "São Paulo\t27\tBR\t-23.5\t-46.6\t10021295\t0\t\n"
    "London\tENG\tGB\t51.5\t-0.1\t7556900\t0\tLondinium;Londres\n"
    "Berlin\t16\tDE\t52.5\t13.4\t3426354\t0\t\n"
    "Paris\t11\tFR\t48.9\t2.4\t2138551\t0\t\n"
    "Lyon\t84\tFR\t45.8\t4.8\t472317\t0\t\n"
    "Atlanta\tGA\tUS\t33.7\t-84.4\t463878\t0\t\n"
    "Paris\tTX\tUS\t33.7\t-95.6\t25171\t0\t\n"
    "London\t08\tCA\t42.9\t-81.2\t346765\t0\t\n"
    "East London\t05\tZA\t-33.0\t27.9\t267007\t0\t\n"
    "Nuku‘alofa\t02\tTO\t-21.1\t-175.2\t22400\t0\t\n"
    "São Paulo de Olivença\t04\tBR\t-3.4\t-68.9\t14000\t0\t\n"
    "New London\tCT\tUS\t41.3\t-72.0\t27620\t0\tBombay Beach\n"
    "Londonderry\tNH\tUS\t42.8\t-71.3\t11000\t0\t\n"
    "London\tKY\tUS\t37.1\t-84.0\t8126\t0\t\n";

std::vector<std::string> found(std::string_view query, std::size_t limit = 10) {
    static const PlaceList list = parsePlaceList(kList).list;
    std::vector<std::string> titles;
    for (const PlaceMatch& match : searchPlaces(list, query, limit))
        titles.push_back(matchedName(list, match) + "/" + list.places[match.place].region);
    return titles;
}

using Titles = std::vector<std::string>;

TEST(PlaceSearch, NamesBeginningWithTheQueryComeFirstThenOthersEachByPopulation) {
    const struct {
        const char* query;
        std::size_t limit;
        Titles expected;
    } rows[] = {
        {"london", 10, {"London/ENG", "London/08", "Londonderry/NH", "London/KY", "East London/05", "New London/CT"}},
        {"Sao Paulo", 10, {"São Paulo/27", "São Paulo de Olivença/04"}},
        {"london, ca", 10, {"London/08"}},  // region or country code
        {"London, United", 10, {"London/ENG", "Londonderry/NH", "London/KY", "New London/CT"}},
        {"", 2, {"Mumbai/16", "São Paulo/27"}},  // the most populous
        {"Madrid", 10, {}},
        {"london", 0, {}},
        // Other names: a match at their start ranks as one of the name's, and is shown.
        {"bomba", 10, {"Mumbai (Bombay)/16", "New London (Bombay Beach)/CT"}},
        {"lond", 1, {"London/ENG"}},  // the name itself wins over an other name
        {"dres", 10, {"London (Londres)/ENG"}},
        {"Nuku'alofa", 10, {"Nuku‘alofa/02"}},
        {"bombay, in", 10, {"Mumbai (Bombay)/16"}},
    };
    for (const auto& row : rows) EXPECT_EQ(found(row.query, row.limit), row.expected) << row.query;
}

TEST(PlaceSearch, TextAfterACommaMatchesTheRegionOrCountryByNameOrCode) {
    const struct {
        const char* query;
        Titles expected;
    } rows[] = {
        {"Paris, France", {"Paris/11"}}, {"Paris, Tex", {"Paris/TX"}},
        {"Atlanta, GA", {"Atlanta/GA"}}, {"lyon, auvergne rhone", {"Lyon/84"}},  // folded as names are
        {"Lyon, Georgia", {}},           {"Berlin, 16", {"Berlin/16"}},          // a named region's code still counts
        {"London, Kent", {"London/KY"}}, {"London, EN", {"London/ENG"}},         // a region without a name by its code
    };
    for (const auto& row : rows) EXPECT_EQ(found(row.query), row.expected) << row.query;
}

}  // namespace
}  // namespace helion
