#pragma once
// Cities files (*.LL): one place per line as place name, region, longitude, latitude
// and time zone, separated by commas. Longitude is DDdMM or DDDdMM with d = E or W,
// latitude DDdMM with d = N or S, the zone in hours west positive. A line whose
// first field is empty ends the list.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/input/chart_input.h"
#include "core/input/record_list.h"

namespace helion {

inline constexpr std::string_view kDefaultCitiesFile = "GA_MA.LL";
inline constexpr const char* kCitiesFileErrorText =
    "You have an error in the current cities file. You need to check and see if "
    "you have entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Cities window and edit the incorrect data.";
inline constexpr const char* kCityFormatErrorText =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Cities window and editing the data "
    "associated with your chosen city.";

struct CityRecord {
    std::string place, region, longitude, latitude, zone;
    int line = 0;
    std::string listText() const { return place + "," + region; }
};

using CitiesFile = RecordList<CityRecord>;

// The current cities file: the settings' GeoDataFile, or GA_MA.LL in the program folder.
std::filesystem::path currentCitiesFile(const std::string& geoDataFile, const std::filesystem::path& programFolder);

CitiesFile parseCitiesFile(std::string_view text);
CitiesFile loadCitiesFile(const std::filesystem::path& file);

// A place as the input windows take it.
struct CityPlace {
    int longitudeDegrees = 0, longitudeMinutes = 0;
    bool east = false;
    int latitudeDegrees = 0, latitudeMinutes = 0;
    bool south = false;
    double zone = 0;
};

struct CityDecode {
    std::optional<CityPlace> place;   // nothing when a field cannot be converted
    std::vector<std::string> faults;  // conversion faults and values out of range
};

// Converts the fields of a place. "E" selects east and "S" south; any other letter
// gives west or north, but is reported as a fault, as are values out of range.
CityDecode decodeCity(const CityRecord& city);

// Writes a place into an input window's zone, longitude and latitude boxes as plain
// numbers (leading zeros dropped) and chooses its directions.
void fillPlace(InputWindowTexts& texts, const CityPlace& place);

}  // namespace helion
