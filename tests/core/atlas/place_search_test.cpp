#include "core/atlas/place_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace helion {
namespace {

// Largest population first, as the shipped list is sorted.
constexpr std::string_view kList =
    "#zones\nAmerica/Sao_Paulo\n"
    "#countries\nBR\tBrazil\nUS\tUnited States\nCA\tCanada\nGB\tUnited Kingdom\n"
    "#places\n"
    "São Paulo\t27\tBR\t-23.5\t-46.6\t10021295\t0\n"
    "London\tENG\tGB\t51.5\t-0.1\t7556900\t0\n"
    "London\t08\tCA\t42.9\t-81.2\t346765\t0\n"
    "East London\t05\tZA\t-33.0\t27.9\t267007\t0\n"
    "São Paulo de Olivença\t04\tBR\t-3.4\t-68.9\t14000\t0\n"
    "New London\tCT\tUS\t41.3\t-72.0\t27620\t0\n"
    "Londonderry\tNH\tUS\t42.8\t-71.3\t11000\t0\n"
    "London\tKY\tUS\t37.1\t-84.0\t8126\t0\n";

std::vector<std::string> found(std::string_view query, std::size_t limit = 10) {
    static const PlaceList list = parsePlaceList(kList);
    std::vector<std::string> titles;
    for (const std::size_t i : searchPlaces(list, query, limit))
        titles.push_back(list.places[i].name + "/" + list.places[i].region);
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
        {"LONDON", 3, {"London/ENG", "London/08", "Londonderry/NH"}},
        {"london", 5, {"London/ENG", "London/08", "Londonderry/NH", "London/KY", "East London/05"}},
        {"Sao Paulo", 10, {"São Paulo/27", "São Paulo de Olivença/04"}},
        {"olivenca", 10, {"São Paulo de Olivença/04"}},
        {"london, ca", 10, {"London/08"}},  // region or country code
        {"London, United", 10, {"London/ENG", "Londonderry/NH", "London/KY", "New London/CT"}},
        {"london,ky", 10, {"London/KY"}},
        {"", 2, {"São Paulo/27", "London/ENG"}},  // the most populous
        {"Paris", 10, {}},
        {"london", 0, {}},
    };
    for (const auto& row : rows) EXPECT_EQ(found(row.query, row.limit), row.expected) << row.query;
}

}  // namespace
}  // namespace helion
