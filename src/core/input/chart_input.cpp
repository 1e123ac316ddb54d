#include "core/input/chart_input.h"

#include <cmath>
#include <optional>

#include "core/astro/julian_day.h"
#include "core/base/numeric_text.h"

namespace helion {
namespace {

double valueOf(const std::string& text) { return numericValue(text); }

bool isEmpty(const std::string& text) { return text.empty(); }

// Dates and the other whole-number fields are 16-bit integers; a value outside that
// range cannot be stored and is refused like any other range error.
bool outside16Bit(double v) { return !(v >= -32768.0 && v <= 32767.0); }

// Adds the fault when the condition holds.
void noteIf(bool condition, const char* fault, std::vector<std::string>& faults) {
    if (condition) faults.emplace_back(fault);
}

std::vector<std::string> missingFaults(const InputWindowTexts& w) {
    const double month = valueOf(w.month), day = valueOf(w.day), year = valueOf(w.year);
    std::vector<std::string> faults;
    noteIf(month == 0.0 || day == 0.0 || year == 0.0 || isEmpty(w.month) || isEmpty(w.day) || isEmpty(w.year),
           "the day, month or year is missing or 0", faults);
    noteIf(isEmpty(w.hour) || isEmpty(w.minute) || isEmpty(w.zone), "the time or the time zone is missing", faults);
    noteIf(isEmpty(w.longitudeDegrees) || isEmpty(w.longitudeMinutes) || isEmpty(w.latitudeDegrees) ||
               isEmpty(w.latitudeMinutes),
           "a degree or minute of the place is missing", faults);
    // A zone east of -2 hours cannot belong to a western longitude.
    noteIf(valueOf(w.zone) < -2.0 && !w.east, "a time zone below -2 hours with a western longitude", faults);
    return faults;
}

bool latitudeTooHigh(const InputWindowTexts& w) {
    const double degrees = valueOf(w.latitudeDegrees), minutes = valueOf(w.latitudeMinutes);
    return degrees > 66.0 || (degrees == 66.0 && minutes > 0.0);
}

std::vector<std::string> rangeFaults(const InputWindowTexts& w) {
    const double month = valueOf(w.month), day = valueOf(w.day), year = valueOf(w.year);
    const double hour = valueOf(w.hour), minute = valueOf(w.minute), zone = valueOf(w.zone);
    const double lonDeg = valueOf(w.longitudeDegrees), lonMin = valueOf(w.longitudeMinutes);
    const double latDeg = valueOf(w.latitudeDegrees), latMin = valueOf(w.latitudeMinutes);
    std::vector<std::string> faults;
    noteIf(month > 12.0 || day > 31.0 || year > 2099.0, "a month above 12, a day above 31 or a year above 2099",
           faults);
    noteIf(hour > 12.0 || minute > 59.0, "an hour above 12 or a minute above 59", faults);
    // "5.5-" is no zone at all, though its leading number would read as 5.5.
    noteIf(zone > kHighestZoneHours || zone < kLowestZoneHours || misplacedMinus(w.zone),
           "a time zone outside -13 to 12 hours, or not a number", faults);
    // Neither meridian lies beyond the date line.
    noteIf(lonMin > 59.0 || lonDeg > 180.0 || (lonDeg == 180.0 && lonMin > 0.0),
           "a longitude beyond 180 degrees 00 minutes or above 59 minutes", faults);
    // No place lies beyond the poles, whatever the house system.
    noteIf(latMin > 59.0 || latDeg > 90.0 || (latDeg == 90.0 && latMin > 0.0),
           "a latitude beyond 90 degrees 00 minutes or above 59 minutes", faults);
    bool tooLarge = false;
    for (double v : {month, day, year, hour, minute, lonDeg, lonMin, latDeg, latMin}) tooLarge |= outside16Bit(v);
    noteIf(tooLarge, "a number beyond the range of a whole number field", faults);
    return faults;
}

Message warning(const char* text) { return warningMessage(text); }

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

CalendarDate typedDate(const InputWindowTexts& w) {
    return {roundedValue(w.year), roundedValue(w.month), roundedValue(w.day)};
}

// A day beyond its month's length (31 April) is the day the calendar count makes of it
// (1 May).
CalendarDate realDate(const CalendarDate& typed) { return calendarDate(dayNumber(typed)); }

bool sameDate(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string dateText(DateOrder order, const CalendarDate& date) {
    return joinDate(order, std::to_string(date.month), std::to_string(date.day), std::to_string(date.year));
}

ChartInput readWindow(const InputWindowTexts& w, DateOrder order) {
    ChartInput input;
    input.time = packed(w.hour, w.minute);
    input.halfDay = w.am ? "A.M." : "P.M.";
    input.zone = static_cast<float>(valueOf(w.zone));
    input.longitude = packed(w.longitudeDegrees, w.longitudeMinutes);
    if (w.east) input.longitude = -input.longitude;
    input.longitudeText = input.longitude < 0.0f ? "EAST" : "WEST";
    input.latitude = packed(w.latitudeDegrees, w.latitudeMinutes);
    if (w.south) input.latitude = -input.latitude;
    input.latitudeText = input.latitude < 0.0f ? "SOUTH" : "NORTH";

    // The record and its date text show the day the chart is computed for.
    const CalendarDate typed = typedDate(w);
    const CalendarDate real = realDate(typed);
    input.year = real.year;
    input.month = real.month;
    input.day = real.day;
    input.dateText = sameDate(typed, real) ? joinDate(order, w.month, w.day, w.year) : dateText(order, real);
    return input;
}

std::optional<Message> rolledDateNotice(const char* window, const InputWindowTexts& w, DateOrder order) {
    const CalendarDate typed = typedDate(w);
    const CalendarDate real = realDate(typed);
    if (sameDate(typed, real)) return std::nullopt;
    return informationMessage(std::string("The ") + window + " date " + dateText(order, typed) +
                              " does not exist; the chart is computed for " + dateText(order, real) + ".");
}

}  // namespace

bool misplacedMinus(std::string_view text) { return text.find('-', 1) != std::string_view::npos; }

std::vector<std::string> inputWindowFaults(const InputWindowTexts& w) {
    std::vector<std::string> faults = missingFaults(w);
    for (std::string& fault : rangeFaults(w)) faults.push_back(std::move(fault));
    return faults;
}

std::vector<Message> validateChartInput(const InputWindowTexts& natal, const InputWindowTexts& diurnal,
                                        bool housesAtAnyLatitude) {
    std::vector<Message> messages;
    if (!missingFaults(natal).empty()) messages.push_back(warning(kNatalErrorText));
    if (!missingFaults(diurnal).empty()) messages.push_back(warning(kDiurnalErrorText));
    if (!housesAtAnyLatitude && (latitudeTooHigh(natal) || latitudeTooHigh(diurnal))) {
        messages.push_back(warning(kLatitudeText));
    }
    if (!rangeFaults(natal).empty()) messages.push_back(warning(kNatalErrorText));
    if (!rangeFaults(diurnal).empty()) messages.push_back(warning(kDiurnalErrorText));
    return messages;
}

std::vector<Message> rolledDateNotices(const InputWindowTexts& natal, const InputWindowTexts& diurnal,
                                       DateOrder order) {
    std::vector<Message> notices;
    if (auto notice = rolledDateNotice("natal", natal, order)) notices.push_back(*notice);
    if (auto notice = rolledDateNotice("diurnal", diurnal, order)) notices.push_back(*notice);
    return notices;
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
