#include "core/input/names_record.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/base/numeric_text.h"
#include "core/base/record_fields.h"
#include "core/base/text_file.h"

namespace helion {
namespace {

// Beyond this a number cannot be split into whole part and hundredths; the validators
// refuse values far below it.
constexpr double kLargestField = 100000.0;
constexpr double kFirstImpossibleHour = 24.0;

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// A field that holds one decimal number, blanks around it allowed.
std::optional<double> fieldNumber(std::string_view field) { return exactNumber(trimmed(field)); }

struct Split {
    std::string whole;
    std::string hundredths;
};

// 10.30 -> "10" and "30"; the sign is left to the caller.
Split splitPacked(double magnitude) {
    const long hundredthsTotal = std::lround(magnitude * 100.0);
    return {std::to_string(hundredthsTotal / 100), std::to_string(hundredthsTotal % 100)};
}

// A signed D.MM field into its degree and minute texts; negative means east or south.
bool readCoordinate(std::string_view field, const std::string& complaint, std::string& degrees, std::string& minutes,
                    bool& negative, std::string& error) {
    const auto value = fieldNumber(field);
    if (!value || std::fabs(*value) > kLargestField) {
        error = complaint + std::string(field) + "'";
        return false;
    }
    const Split split = splitPacked(std::fabs(*value));
    degrees = split.whole;
    minutes = split.hundredths;
    negative = *value < 0.0;
    return true;
}

}  // namespace

std::optional<CalendarDate> parseNamesDate(std::string_view text) {
    text = trimmed(text);
    const std::size_t first = text.find(' ');
    const std::size_t last = text.rfind(' ');
    if (first == std::string_view::npos || first == last) return std::nullopt;
    const auto day = fieldNumber(text.substr(0, first));
    const auto year = fieldNumber(text.substr(last + 1));
    const std::string month = upperCase(trimmed(text.substr(first + 1, last - first - 1)));
    int monthNumber = 0;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (month == upperCase(kMonths[i])) monthNumber = static_cast<int>(i) + 1;
    }
    if (!day || !year || monthNumber == 0 || *day != std::floor(*day) || *year != std::floor(*year)) {
        return std::nullopt;
    }
    if (*day < 1 || *day > 31 || std::fabs(*year) > 9999) return std::nullopt;
    return CalendarDate{static_cast<int>(*year), monthNumber, static_cast<int>(*day)};
}

std::string namesDateText(int day, int month, int year) {
    const std::string_view name = month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : "???";
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d %.3s %04d", day, name.data(), year);
    return buffer;
}

NamesRecordParse parseNamesRecord(std::string_view record) {
    NamesRecordParse result;
    while (!record.empty() && (record.back() == '\r' || record.back() == '\n')) record.remove_suffix(1);
    const std::vector<std::string_view> fields = splitFields(record);
    if (fields.size() != 7) {
        result.error = "the record has " + std::to_string(fields.size()) +
                       " fields; a record has 7: "
                       "name,dd mmm yyyy,H.MM,A|P,zone,longitude,latitude";
        return result;
    }
    InputWindowTexts w;
    w.name = std::string(fields[0]);
    if (trimmed(w.name).empty()) return {std::nullopt, "field 1 (name) is empty"};

    const auto date = parseNamesDate(fields[1]);
    if (!date)
        return {std::nullopt, "field 2 (date) is not a date of the form dd mmm yyyy: '" + std::string(fields[1]) + "'"};
    w.day = std::to_string(date->day);
    w.month = std::to_string(date->month);
    w.year = std::to_string(date->year);

    // An hour past 23 is no time of day; the input window would keep it and refuse it.
    const auto time = fieldNumber(fields[2]);
    if (!time || *time < 0.0 || *time >= kFirstImpossibleHour) {
        return {std::nullopt, "field 3 (time) is not a time H.MM: '" + std::string(fields[2]) + "'"};
    }
    const Split hm = splitPacked(*time);
    w.hour = hm.whole;
    w.minute = hm.hundredths;

    const std::string_view half = trimmed(fields[3]);
    if (half != "A" && half != "P" && half != "a" && half != "p") {
        return {std::nullopt, "field 4 (A or P) is neither A nor P: '" + std::string(fields[3]) + "'"};
    }
    w.am = half == "A" || half == "a";

    const auto zone = fieldNumber(fields[4]);
    if (!zone) return {std::nullopt, "field 5 (time zone) is not a number: '" + std::string(fields[4]) + "'"};
    w.zone = std::string(trimmed(fields[4]));

    std::string error;
    if (!readCoordinate(fields[5], "field 6 (longitude) is not a longitude D.MM: '", w.longitudeDegrees,
                        w.longitudeMinutes, w.east, error) ||
        !readCoordinate(fields[6], "field 7 (latitude) is not a latitude D.MM: '", w.latitudeDegrees, w.latitudeMinutes,
                        w.south, error)) {
        return {std::nullopt, error};
    }

    result.texts = w;
    return result;
}

}  // namespace helion
