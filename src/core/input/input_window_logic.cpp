#include "core/input/input_window_logic.h"

#include <charconv>
#include <cmath>

#include "core/base/numeric_text.h"

namespace helion {
namespace {

bool isDigit(char32_t key) { return key >= U'0' && key <= U'9'; }

HourCorrection refused(const char* text) { return {std::nullopt, false, warningMessage(text)}; }

}  // namespace

bool keyAccepted(KeyFilter filter, char32_t key) {
    if (filter == KeyFilter::AnyText || key == static_cast<char32_t>(kBackspace) || isDigit(key)) return true;
    return filter == KeyFilter::ZoneDigits && (key == U'.' || key == U'-');
}

bool textAccepted(KeyFilter filter, std::string_view text) {
    return filter != KeyFilter::ZoneDigits || !misplacedMinus(text);
}

std::string numberText(double value) {
    const float single = static_cast<float>(value);
    if (single == 0.0f || !std::isfinite(single)) return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, single, std::chars_format::general);
    return std::string(buffer, result.ptr);
}

HourCorrection correctHour(std::string_view text, HourBox box) {
    if (text.empty()) return refused(box == HourBox::Natal ? kNatalHourMissingText : kDiurnalHourMissingText);
    double value = numericValue(text);
    if (box == HourBox::Diurnal) {
        const std::optional<double> number = exactNumber(text);
        if (!number || !std::isfinite(*number)) return refused(kTypingTooFastText);
        value = *number;
    }
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return {std::string("12"), false, std::nullopt};
    if (value <= 12.0 || value >= 24.0) return {};
    return {numberText(value - 12.0), true, std::nullopt};
}

std::string zoneTextForDirection(std::string_view zone, bool east) {
    if (zone.empty()) return {};
    const double magnitude = std::fabs(numericValue(zone));
    return numberText(east ? -magnitude : magnitude);
}

void fillDateAndTime(InputWindowTexts& texts, const LocalMoment& moment) {
    texts.month = std::to_string(moment.month);
    texts.day = std::to_string(moment.day);
    texts.year = std::to_string(moment.year);
    texts.minute = std::to_string(moment.minute);
    const int clockHour = moment.hour % 12;
    texts.hour = std::to_string(clockHour == 0 ? 12 : clockHour);
    texts.am = moment.hour < 12;
}

void fillDefaultPlace(InputWindowTexts& texts, const OptionValues& options) {
    texts.east = options[option::DefaultLongitudeEast] != 0.0f;
    texts.south = options[option::DefaultLatitudeSouth] != 0.0f;
    texts.zone = zoneTextForDirection(numberText(options[option::DefaultZone]), texts.east);
    texts.longitudeDegrees = numberText(options[option::DefaultLongitudeDegrees]);
    texts.longitudeMinutes = numberText(options[option::DefaultLongitudeMinutes]);
    texts.latitudeDegrees = numberText(options[option::DefaultLatitudeDegrees]);
    texts.latitudeMinutes = numberText(options[option::DefaultLatitudeMinutes]);
}

std::array<MenuItemSwitch, kSecondPersonMenuItems> secondPersonMenuSwitches(bool secondPerson) {
    const bool transits = !secondPerson;
    return {{
        {MenuCommand::DataSummary, true, std::nullopt},
        {MenuCommand::DataProgressions, transits, std::nullopt},
        {MenuCommand::DataSolarArc, transits, std::nullopt},
        {MenuCommand::DataTransits, true, transits ? "&Transits" : "2nd &Person"},
        {MenuCommand::WheelsNatalAndProgressed, transits, std::nullopt},
        {MenuCommand::WheelsNatalAndSolarArc, transits, std::nullopt},
        {MenuCommand::WheelsNatalAndTransits, std::nullopt,
         transits ? "&Transits vs Natal" : "2nd &Person Natal vs Natal"},
    }};
}

}  // namespace helion
