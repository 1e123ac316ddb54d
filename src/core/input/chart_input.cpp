#include "core/input/chart_input.h"

#include <cmath>

#include "core/astro/julian_day.h"
#include "core/base/numeric_text.h"

namespace helion {
namespace {

double valueOf(const std::string& text) { return numericValue(text); }

bool isEmpty(const std::string& text) { return text.empty(); }

// Dates and the other whole-number fields are 16-bit integers; a value outside that
// range cannot be stored and is refused like any other range error.
bool outside16Bit(double v) { return !(v >= -32768.0 && v <= 32767.0); }

bool inputMissing(const InputWindowTexts& w) {
    const double month = valueOf(w.month), day = valueOf(w.day), year = valueOf(w.year);
    bool missing = false;
    missing |= month == 0.0 || day == 0.0 || year == 0.0;
    missing |= isEmpty(w.month) || isEmpty(w.day) || isEmpty(w.year);
    missing |= isEmpty(w.hour) || isEmpty(w.minute) || isEmpty(w.zone);
    missing |= isEmpty(w.longitudeDegrees) || isEmpty(w.longitudeMinutes);
    missing |= isEmpty(w.latitudeDegrees) || isEmpty(w.latitudeMinutes);
    // A zone east of -2 hours cannot belong to a western longitude.
    missing |= valueOf(w.zone) < -2.0 && !w.east;
    return missing;
}

bool latitudeTooHigh(const InputWindowTexts& w) {
    const double degrees = valueOf(w.latitudeDegrees), minutes = valueOf(w.latitudeMinutes);
    return degrees > 66.0 || (degrees == 66.0 && minutes > 0.0);
}

bool outOfRange(const InputWindowTexts& w) {
    const double month = valueOf(w.month), day = valueOf(w.day), year = valueOf(w.year);
    const double hour = valueOf(w.hour), minute = valueOf(w.minute), zone = valueOf(w.zone);
    const double lonDeg = valueOf(w.longitudeDegrees), lonMin = valueOf(w.longitudeMinutes);
    const double latDeg = valueOf(w.latitudeDegrees), latMin = valueOf(w.latitudeMinutes);
    bool bad = false;
    bad |= month > 12.0 || day > 31.0 || year > 2099.0;
    bad |= hour > 12.0 || minute > 59.0;
    bad |= zone > 12.0 || zone < -13.0;
    bad |= lonDeg > 180.0 || lonMin > 59.0;
    // No place lies beyond the poles, whatever the house system.
    bad |= latMin > 59.0 || latDeg > 90.0 || (latDeg == 90.0 && latMin > 0.0);
    for (double v : {month, day, year, hour, minute, lonDeg, lonMin, latDeg, latMin}) bad |= outside16Bit(v);
    return bad;
}

Message warning(const char* text) { return {kWarningCaption, text}; }

int roundedValue(const std::string& text) { return static_cast<int>(std::lround(valueOf(text))); }

float packed(const std::string& whole, const std::string& hundredths) {
    return static_cast<float>(valueOf(whole) + valueOf(hundredths) / 100.0);
}

std::string joinDate(DateOrder order, const std::string& month, const std::string& day, const std::string& year) {
    switch (order) {
        case DateOrder::YearMonthDay: return year + "/" + month + "/" + day;
        case DateOrder::DayMonthYear: return day + "/" + month + "/" + year;
        case DateOrder::MonthDayYear: break;
    }
    return month + "/" + day + "/" + year;
}

ChartInput readWindow(const InputWindowTexts& w, DateOrder order) {
    ChartInput input;
    input.day = roundedValue(w.day);
    input.month = roundedValue(w.month);
    input.year = roundedValue(w.year);
    input.time = packed(w.hour, w.minute);
    input.halfDay = w.am ? "A.M." : "P.M.";
    input.zone = static_cast<float>(valueOf(w.zone));
    input.longitude = packed(w.longitudeDegrees, w.longitudeMinutes);
    if (w.east) input.longitude = -input.longitude;
    input.longitudeText = input.longitude < 0.0f ? "EAST" : "WEST";
    input.latitude = packed(w.latitudeDegrees, w.latitudeMinutes);
    if (w.south) input.latitude = -input.latitude;
    input.latitudeText = input.latitude < 0.0f ? "SOUTH" : "NORTH";

    // A day beyond its month's length (31 April) is the day the calendar count makes
    // of it (1 May); the record and its date text show that day.
    const CalendarDate real = calendarDate(dayNumber({input.year, input.month, input.day}));
    if (real.year != input.year || real.month != input.month || real.day != input.day) {
        input.year = real.year;
        input.month = real.month;
        input.day = real.day;
        input.dateText =
            joinDate(order, std::to_string(real.month), std::to_string(real.day), std::to_string(real.year));
    } else {
        input.dateText = joinDate(order, w.month, w.day, w.year);
    }
    return input;
}

}  // namespace

std::vector<Message> validateChartInput(const InputWindowTexts& natal, const InputWindowTexts& diurnal,
                                        bool meridianHouses) {
    std::vector<Message> messages;
    if (inputMissing(natal)) messages.push_back(warning(kNatalErrorText));
    if (inputMissing(diurnal)) messages.push_back(warning(kDiurnalErrorText));
    if (!meridianHouses && (latitudeTooHigh(natal) || latitudeTooHigh(diurnal))) {
        messages.push_back(warning(kLatitudeText));
    }
    if (outOfRange(natal)) messages.push_back(warning(kNatalErrorText));
    if (outOfRange(diurnal)) messages.push_back(warning(kDiurnalErrorText));
    return messages;
}

ChartInput readNatalInput(const InputWindowTexts& natal, DateOrder order) {
    ChartInput input = readWindow(natal, order);
    input.name = natal.name;
    return input;
}

ChartInput readDiurnalInput(const InputWindowTexts& diurnal, const ChartInput& natal, DateOrder order) {
    ChartInput input = readWindow(diurnal, order);
    const bool beforeBirthday = input.month < natal.month || (input.month == natal.month && input.day < natal.day);
    input.age = input.year - natal.year - (beforeBirthday ? 1 : 0);
    input.birthdayYear = input.year - (beforeBirthday ? 1 : 0);
    return input;
}

}  // namespace helion
