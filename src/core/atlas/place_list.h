#pragma once
// The atlas's place list, ATLAS.DAT: plain text, tab-separated fields, in sections, each
// headed by its name, a tab and the number of lines it holds.
// "#zones": one IANA zone name a line, numbered from 0. "#countries": country code and
// English name. "#regions" (lists made before it lack it): country code, region code
// and the region's English name. "#places": name, region (a GeoNames first-level
// administrative code such as "NY", "ENG" or "16"), country code, latitude (north
// positive) and longitude (east positive) in degrees, population, zone number, and the
// place's other names (former and foreign, separated by ";", possibly none). Places come
// largest population first.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/base/line_problem.h"
#include "core/config/program_folder.h"

namespace helion {

struct Place {
    std::string name;
    std::string region;
    std::string countryCode;
    double latitudeDeg = 0.0;   // north positive
    double longitudeDeg = 0.0;  // east positive
    long population = 0;
    std::size_t zone = 0;  // index into PlaceList::zones
    std::vector<std::string> alternateNames;
    std::string searchKey;      // the folded name
    std::string alternateKeys;  // each folded alternate name preceded by kAlternateKeyMark
};

struct Region {
    std::string countryCode;
    std::string code;  // as the places give it
    std::string name;
    std::string searchKey;  // the folded name
};

inline constexpr char kAlternateKeyMark = '\n';

struct PlaceList {
    std::vector<std::string> zones;
    std::unordered_map<std::string, std::string> countryNames;  // by code
    std::vector<Region> regions;                                // by country code and region code
    std::vector<Place> places;
};

// Reads the text of a place list. One damaged line (a count that does not match its
// section, a field out of range, a zone number beyond the zones) would shift or lose
// places without a word, so the whole list is refused: the problem names the line and
// the list comes back empty.
struct PlaceListParse {
    PlaceList list;
    std::optional<LineProblem> problem;
};
PlaceListParse parsePlaceList(std::string_view text);

// The file read and parsed; empty, with a message naming the file and the line, when it
// cannot be read or is damaged.
struct PlaceListLoad {
    PlaceList list;
    std::string error;
};
PlaceListLoad loadPlaceList(const std::filesystem::path& path);

// The place's zone name, and its region's and country's names (the code when the list
// has no name). The region is looked up when asked, which keeps loading the list quick.
const std::string& zoneOf(const PlaceList& list, const Place& place);
const std::string& regionOf(const PlaceList& list, const Place& place);
const std::string& countryOf(const PlaceList& list, const Place& place);

}  // namespace helion
