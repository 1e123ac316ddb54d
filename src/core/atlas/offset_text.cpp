#include "core/atlas/offset_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace helion {
namespace {

std::string_view kindText(ClockKind kind) {
    switch (kind) {
        case ClockKind::LocalMeanTime: return "local mean time";
        case ClockKind::CityMeanTime: return "mean time of a city of the zone";
        case ClockKind::StandardTime: return "standard time";
        case ClockKind::DaylightSaving: return "daylight saving time";
        case ClockKind::WarTime: return "war time";
        case ClockKind::DoubleSummerTime: return "double summer time";
        case ClockKind::WinterTime: return "winter time";
    }
    return "";
}

bool isName(std::string_view abbreviation) {
    return !abbreviation.empty() && std::isalpha(static_cast<unsigned char>(abbreviation.front()));
}

}  // namespace

std::string hoursText(double hours) {
    const double rounded = std::round(hours * 10000.0) / 10000.0;
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, rounded == 0.0 ? 0.0 : rounded, std::chars_format::fixed, 4);
    std::string text(buffer, result.ptr);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string reasonText(const PlaceOffset& offset) {
    const std::string kind(kindText(offset.kind));
    return isName(offset.abbreviation) ? offset.abbreviation + ", " + kind : kind;
}

std::string warningText(const OffsetWarning& warning, std::string_view zone) {
    switch (warning.kind) {
        case OffsetWarningKind::DoesNotExist:
            return "This clock time does not exist here: the clocks were put forward over it. Offset before the "
                   "change " +
                   hoursText(warning.earlierHoursWest) + ", after it " + hoursText(warning.laterHoursWest) + ".";
        case OffsetWarningKind::HappensTwice:
            return "This clock time happens twice here: the clocks were set back over it. Offset the first time " +
                   hoursText(warning.earlierHoursWest) + ", the second time " + hoursText(warning.laterHoursWest) + ".";
        case OffsetWarningKind::Before1970:
            return "Before 1970 the time-zone history is certain only for the zone's main city (" + std::string(zone) +
                   "); other places of the zone may have kept other clocks.";
    }
    return "";
}

std::string unknownZoneText(std::string_view zone) {
    return "The time zone " + std::string(zone) + " is not in this computer's time-zone data (package tzdata).";
}

}  // namespace helion
