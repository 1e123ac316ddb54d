#pragma once
// The atlas's place list, ATLAS.DAT: plain text, tab-separated fields, in three
// sections. "#zones": one IANA zone name a line, numbered from 0. "#countries": country
// code and English name. "#places": name, region (a GeoNames first-level
// administrative code such as "NY" or "ENG"), country code, latitude (north positive)
// and longitude (east positive) in degrees, population, zone number. Places come
// largest population first.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/config/program_folder.h"

namespace helion {

struct Place {
    std::string name;
    std::string region;
    std::string countryCode;
    double latitudeDeg = 0.0;   // north positive
    double longitudeDeg = 0.0;  // east positive
    long population = 0;
    std::size_t zone = 0;   // index into PlaceList::zones
    std::string searchKey;  // the folded name
};

struct PlaceList {
    std::vector<std::string> zones;
    std::unordered_map<std::string, std::string> countryNames;  // by code
    std::vector<Place> places;
    std::vector<std::size_t> brokenLines;  // 1-based numbers of the lines that could not be read
};

// Reads the text of a place list. A broken line is skipped and its number kept; the
// places read keep their order.
PlaceList parsePlaceList(std::string_view text);

// The file read and parsed; empty, with a message, when it cannot be read.
struct PlaceListLoad {
    PlaceList list;
    std::string error;
};
PlaceListLoad loadPlaceList(const std::filesystem::path& path);

// The place's zone name, and its country's name (the code when the list has no name).
const std::string& zoneOf(const PlaceList& list, const Place& place);
const std::string& countryOf(const PlaceList& list, const Place& place);

}  // namespace helion
