#include "core/input/cities_file.h"

#include <cctype>

#include "core/base/file_error.h"
#include "core/base/numeric_text.h"
#include "core/base/text_file.h"
#include "core/input/input_window_logic.h"

namespace helion {

namespace {

constexpr std::size_t kCityFields = 5;

std::optional<int> digitsAt(std::string_view text, std::size_t start, std::size_t count) {
    if (start + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < start + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

struct Coordinate {
    int degrees = 0, minutes = 0;
    char letter = ' ';
};

// DDdMM, or DDDdMM when three degree digits are allowed.
std::optional<Coordinate> coordinate(std::string_view field, bool threeDigitDegrees) {
    const std::size_t degreeDigits = threeDigitDegrees && field.size() == 6 ? 3 : 2;
    if (field.size() != degreeDigits + 3) return std::nullopt;
    const auto degrees = digitsAt(field, 0, degreeDigits);
    const auto minutes = digitsAt(field, degreeDigits + 1, 2);
    if (!degrees || !minutes) return std::nullopt;
    return Coordinate{*degrees, *minutes,
                      static_cast<char>(std::toupper(static_cast<unsigned char>(field[degreeDigits])))};
}

void checkRange(const Coordinate& c, int maxDegrees, std::string_view what, std::vector<std::string>& faults) {
    if (c.minutes >= 60) faults.push_back(std::string(what) + " minutes are 60 or more");
    if (c.degrees * 60 + c.minutes > maxDegrees * 60)
        faults.push_back(std::string(what) + " is more than " + std::to_string(maxDegrees) + " degrees");
}

}  // namespace

std::filesystem::path currentCitiesFile(const std::string& geoDataFile, const std::filesystem::path& programFolder) {
    return geoDataFile.empty() ? programFolder / kDefaultCitiesFile : std::filesystem::path(geoDataFile);
}

CitiesFile parseCitiesFile(std::string_view text) {
    return parseRecordList<CityRecord>(text, kCityFields, kCitiesFileErrorText, [](FieldRecord& record) {
        auto& f = record.fields;
        return CityRecord{std::move(f[0]), std::move(f[1]), std::move(f[2]),
                          std::move(f[3]), std::move(f[4]), record.line};
    });
}

CitiesFile loadCitiesFile(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (text && looksLikeText(*text)) return parseCitiesFile(*text);
    return unusableRecordList<CityRecord>(text ? "not a text file" : "the file cannot be read: " + whyUnreadable(file),
                                          kCitiesFileErrorText);
}

CityDecode decodeCity(const CityRecord& city) {
    CityDecode decode;
    const auto longitude = coordinate(city.longitude, true);
    const auto latitude = coordinate(city.latitude, false);
    const bool zoneIsNumber = exactNumber(city.zone).has_value();
    if (!longitude) decode.faults.push_back("the longitude \"" + city.longitude + "\" is not DDdMM or DDDdMM");
    if (!latitude) decode.faults.push_back("the latitude \"" + city.latitude + "\" is not DDdMM");
    if (!zoneIsNumber) decode.faults.push_back("the time zone \"" + city.zone + "\" is not a number");
    if (!longitude || !latitude) return decode;
    const double zone = numericValue(city.zone);

    if (longitude->letter != 'E' && longitude->letter != 'W')
        decode.faults.push_back("the longitude letter is neither E nor W");
    if (latitude->letter != 'N' && latitude->letter != 'S')
        decode.faults.push_back("the latitude letter is neither N nor S");
    checkRange(*longitude, 180, "the longitude", decode.faults);
    checkRange(*latitude, 90, "the latitude", decode.faults);
    if (zone < -14 || zone > 14) decode.faults.push_back("the time zone lies outside -14..14 hours");
    decode.place = CityPlace{longitude->degrees,
                             longitude->minutes,
                             longitude->letter == 'E',
                             latitude->degrees,
                             latitude->minutes,
                             latitude->letter == 'S',
                             zone};
    return decode;
}

void fillPlace(InputWindowTexts& texts, const CityPlace& place) {
    texts.zone = numberText(place.zone);
    texts.longitudeDegrees = std::to_string(place.longitudeDegrees);
    texts.longitudeMinutes = std::to_string(place.longitudeMinutes);
    texts.east = place.east;
    texts.latitudeDegrees = std::to_string(place.latitudeDegrees);
    texts.latitudeMinutes = std::to_string(place.latitudeMinutes);
    texts.south = place.south;
}

}  // namespace helion
