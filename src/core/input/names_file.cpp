#include "core/input/names_file.h"

#include <array>
#include <cctype>
#include <cmath>

#include "core/app/text_file.h"
#include "core/input/record_fields.h"

namespace helion {

namespace {

constexpr std::size_t kNameFields = 7;
constexpr std::array<std::string_view, 12> kMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};

int daysInMonth(int month, int year) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::optional<int> monthNumber(std::string_view text) {
    if (text.size() != 3) return std::nullopt;
    std::string lower;
    for (const char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t i = 0; i < kMonths.size(); ++i)
        if (kMonths[i] == lower) return static_cast<int>(i) + 1;
    return std::nullopt;
}

// "dd mmm yyyy", for example "07 Mar 1952".
bool readDate(std::string_view text, NameEntry& entry) {
    const auto first = text.find(' '), last = text.rfind(' ');
    if (first == std::string_view::npos || first == last) return false;
    const auto day = exactNumber(text.substr(0, first));
    const auto month = monthNumber(text.substr(first + 1, last - first - 1));
    const auto year = exactNumber(text.substr(last + 1));
    if (!day || !month || !year || *day != std::floor(*day) || *year != std::floor(*year)) return false;
    entry.day = static_cast<int>(*day);
    entry.month = *month;
    entry.year = static_cast<int>(*year);
    return entry.day >= 1 && entry.day <= daysInMonth(entry.month, entry.year);
}

// A packed D.MM or H.MM number: whole part and the fraction times 100.
struct Packed {
    int whole, hundredths;
    bool negative;
};

Packed unpack(double value) {
    const double magnitude = std::fabs(value);
    const long total = std::lround(magnitude * 100.0);
    return {static_cast<int>(total / 100), static_cast<int>(total % 100), value < 0};
}

}  // namespace

NamesFile parseNamesFile(std::string_view text) {
    NamesFile file;
    FieldRecords read = readFieldRecords(text, kNameFields);
    for (auto& record : read.records) {
        auto& f = record.fields;
        file.names.push_back({std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3]), std::move(f[4]),
                              std::move(f[5]), std::move(f[6]), record.line});
    }
    file.problems = std::move(read.problems);
    if (!file.problems.empty()) file.error = Message{kErrorCaption, kNamesFileErrorText};
    return file;
}

NamesFile loadNamesFile(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (text && looksLikeText(*text)) return parseNamesFile(*text);
    NamesFile failed;
    failed.problems.push_back({0, text ? "not a text file" : "the file cannot be read"});
    failed.error = Message{kErrorCaption, kNamesFileErrorText};
    return failed;
}

NameDecode decodeName(const NameRecord& record) {
    NameDecode decode;
    NameEntry entry;
    const auto time = exactNumber(record.time);
    const auto zone = exactNumber(record.zone);
    const auto longitude = exactNumber(record.longitude);
    const auto latitude = exactNumber(record.latitude);
    if (!readDate(record.date, entry)) decode.faults.push_back("the date \"" + record.date + "\" is not a day like 07 Mar 1952");
    if (!time) decode.faults.push_back("the time \"" + record.time + "\" is not a number");
    if (!zone) decode.faults.push_back("the time zone \"" + record.zone + "\" is not a number");
    if (!longitude) decode.faults.push_back("the longitude \"" + record.longitude + "\" is not a number");
    if (!latitude) decode.faults.push_back("the latitude \"" + record.latitude + "\" is not a number");
    if (!decode.faults.empty()) return decode;

    const Packed clock = unpack(*time), lon = unpack(*longitude), lat = unpack(*latitude);
    entry.hour = clock.whole;
    entry.minute = clock.hundredths;
    entry.am = record.halfDay == "A";
    entry.zone = *zone;
    entry.longitudeDegrees = lon.whole;
    entry.longitudeMinutes = lon.hundredths;
    entry.east = lon.negative;
    entry.latitudeDegrees = lat.whole;
    entry.latitudeMinutes = lat.hundredths;
    entry.south = lat.negative;

    if (clock.negative || entry.hour < 1 || entry.hour > 12 || entry.minute > 59)
        decode.faults.push_back("the time " + record.time + " is not a 12-hour clock time H.MM");
    if (record.halfDay != "A" && record.halfDay != "P") decode.faults.push_back("the A.M./P.M. field is neither A nor P");
    if (entry.zone < -14 || entry.zone > 14) decode.faults.push_back("the time zone lies outside -14..14 hours");
    if (lon.hundredths > 59 || lon.whole * 60 + lon.hundredths > 180 * 60)
        decode.faults.push_back("the longitude " + record.longitude + " is not D.MM within 180 degrees");
    if (lat.hundredths > 59 || lat.whole * 60 + lat.hundredths > 90 * 60)
        decode.faults.push_back("the latitude " + record.latitude + " is not D.MM within 90 degrees");
    decode.entry = entry;
    return decode;
}

}  // namespace helion
