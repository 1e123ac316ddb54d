#include "core/input/chart_input.h"

#include <cmath>
#include <optional>

#include "core/base/numeric_text.h"

namespace helion {
namespace {

BoxNumber boxNumber(const std::string& text) { return {numericValue(text), text.empty()}; }

// Dates and the other whole-number fields are 16-bit integers; a value outside that
// range cannot be stored and is refused like any other range error.
bool outside16Bit(double v) { return !(v >= -32768.0 && v <= 32767.0); }

// Adds the fault when the condition holds.
void noteIf(bool condition, const char* fault, std::vector<std::string>& faults) {
    if (condition) faults.emplace_back(fault);
}

bool anyEmpty(std::initializer_list<BoxNumber> boxes) {
    for (const BoxNumber& box : boxes) {
        if (box.empty) return true;
    }
    return false;
}

std::vector<std::string> missingFaults(const TypedInput& w) {
    std::vector<std::string> faults;
    noteIf(w.month.value == 0.0 || w.day.value == 0.0 || w.year.value == 0.0 || anyEmpty({w.month, w.day, w.year}),
           "the day, month or year is missing or 0", faults);
    noteIf(anyEmpty({w.hour, w.minute, w.zone}), "the time or the time zone is missing", faults);
    noteIf(anyEmpty({w.longitudeDegrees, w.longitudeMinutes, w.latitudeDegrees, w.latitudeMinutes}),
           "a degree or minute of the place is missing", faults);
    // A zone east of -2 hours cannot belong to a western longitude.
    noteIf(w.zone.value < -2.0 && !w.east, "a time zone below -2 hours with a western longitude", faults);
    return faults;
}

bool latitudeTooHigh(const TypedInput& w) {
    const double degrees = w.latitudeDegrees.value, minutes = w.latitudeMinutes.value;
    return degrees > 66.0 || (degrees == 66.0 && minutes > 0.0);
}

std::vector<std::string> rangeFaults(const TypedInput& w) {
    const double lonDeg = w.longitudeDegrees.value, lonMin = w.longitudeMinutes.value;
    const double latDeg = w.latitudeDegrees.value, latMin = w.latitudeMinutes.value;
    std::vector<std::string> faults;
    noteIf(w.month.value > 12.0 || w.day.value > 31.0 || w.year.value > 2099.0,
           "a month above 12, a day above 31 or a year above 2099", faults);
    noteIf(w.hour.value > 12.0 || w.minute.value > 59.0, "an hour above 12 or a minute above 59", faults);
    noteIf(w.zone.value > kHighestZoneHours || w.zone.value < kLowestZoneHours || w.zoneMisplacedMinus,
           "a time zone outside -13 to 12 hours, or not a number", faults);
    // Neither meridian lies beyond the date line.
    noteIf(lonMin > 59.0 || lonDeg > 180.0 || (lonDeg == 180.0 && lonMin > 0.0),
           "a longitude beyond 180 degrees 00 minutes or above 59 minutes", faults);
    // No place lies beyond the poles, whatever the house system.
    noteIf(latMin > 59.0 || latDeg > 90.0 || (latDeg == 90.0 && latMin > 0.0),
           "a latitude beyond 90 degrees 00 minutes or above 59 minutes", faults);
    bool tooLarge = false;
    for (const BoxNumber& box : {w.month, w.day, w.year, w.hour, w.minute, w.longitudeDegrees, w.longitudeMinutes,
                                 w.latitudeDegrees, w.latitudeMinutes}) {
        tooLarge |= outside16Bit(box.value);
    }
    noteIf(tooLarge, "a number beyond the range of a whole number field", faults);
    return faults;
}

Message warning(const char* text) { return warningMessage(text); }

int rounded(const BoxNumber& box) { return static_cast<int>(std::lround(box.value)); }

// The single-precision D.MM / H.MM number the computations take.
float packed(const BoxNumber& whole, const BoxNumber& hundredths) {
    return static_cast<float>(whole.value + hundredths.value / 100.0);
}

float signedPacked(const BoxNumber& whole, const BoxNumber& hundredths, bool negative) {
    const float value = packed(whole, hundredths);
    return negative ? -value : value;
}

bool sameDate(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string dateText(DateOrder order, const CalendarDate& date) {
    const std::string month = std::to_string(date.month), day = std::to_string(date.day),
                      year = std::to_string(date.year);
    switch (order) {
        case DateOrder::YearMonthDay: return year + "/" + month + "/" + day;
        case DateOrder::DayMonthYear: return day + "/" + month + "/" + year;
        case DateOrder::MonthDayYear: break;
    }
    return month + "/" + day + "/" + year;
}

ChartInput readWindow(const TypedInput& w) {
    ChartInput input;
    // A day beyond its month's length (31 April) is the day the calendar count makes of
    // it (1 May).
    input.typedDate = {rounded(w.year), rounded(w.month), rounded(w.day)};
    const CalendarDate real = calendarDate(dayNumber(input.typedDate));
    input.year = real.year;
    input.month = real.month;
    input.day = real.day;
    input.time = packed(w.hour, w.minute);
    input.meridiem = w.meridiem;
    input.zone = static_cast<float>(w.zone.value);
    input.longitude = signedPacked(w.longitudeDegrees, w.longitudeMinutes, w.east);
    input.latitude = signedPacked(w.latitudeDegrees, w.latitudeMinutes, w.south);
    return input;
}

std::optional<Message> rolledDateNotice(const char* window, const ChartInput& input, DateOrder order) {
    const CalendarDate real{input.year, input.month, input.day};
    if (sameDate(input.typedDate, real)) return std::nullopt;
    return informationMessage(std::string("The ") + window + " date " + dateText(order, input.typedDate) +
                              " does not exist; the chart is computed for " + dateText(order, real) + ".");
}

}  // namespace

const char* meridiemText(Meridiem meridiem) { return meridiem == Meridiem::PM ? "P.M." : "A.M."; }

const char* latitudeSideText(float latitude) { return latitude < 0.0f ? "SOUTH" : "NORTH"; }

const char* longitudeSideText(float longitude) { return longitude < 0.0f ? "EAST" : "WEST"; }

bool misplacedMinus(std::string_view text) { return text.find('-', 1) != std::string_view::npos; }

TypedInput typedInput(const InputWindowTexts& w) {
    return {.name = w.name,
            .month = boxNumber(w.month),
            .day = boxNumber(w.day),
            .year = boxNumber(w.year),
            .hour = boxNumber(w.hour),
            .minute = boxNumber(w.minute),
            .meridiem = w.am ? Meridiem::AM : Meridiem::PM,
            .zone = boxNumber(w.zone),
            .zoneMisplacedMinus = misplacedMinus(w.zone),
            .longitudeDegrees = boxNumber(w.longitudeDegrees),
            .longitudeMinutes = boxNumber(w.longitudeMinutes),
            .east = w.east,
            .latitudeDegrees = boxNumber(w.latitudeDegrees),
            .latitudeMinutes = boxNumber(w.latitudeMinutes),
            .south = w.south};
}

std::vector<std::string> inputWindowFaults(const InputWindowTexts& w) {
    const TypedInput typed = typedInput(w);
    std::vector<std::string> faults = missingFaults(typed);
    for (std::string& fault : rangeFaults(typed)) faults.push_back(std::move(fault));
    return faults;
}

std::vector<Message> validateChartInput(const TypedInput& natal, const TypedInput& diurnal, bool housesAtAnyLatitude) {
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

std::vector<Message> rolledDateNotices(const ChartInput& natal, const ChartInput& diurnal, DateOrder order) {
    std::vector<Message> notices;
    if (auto notice = rolledDateNotice("natal", natal, order)) notices.push_back(*notice);
    if (auto notice = rolledDateNotice("diurnal", diurnal, order)) notices.push_back(*notice);
    return notices;
}

ChartInput readNatalInput(const TypedInput& natal) {
    ChartInput input = readWindow(natal);
    input.name = natal.name;
    return input;
}

ChartInput readDiurnalInput(const TypedInput& diurnal, const ChartInput& natal) {
    ChartInput input = readWindow(diurnal);
    const bool beforeBirthday = input.month < natal.month || (input.month == natal.month && input.day < natal.day);
    input.age = input.year - natal.year - (beforeBirthday ? 1 : 0);
    input.birthdayYear = input.year - (beforeBirthday ? 1 : 0);
    return input;
}

}  // namespace helion
