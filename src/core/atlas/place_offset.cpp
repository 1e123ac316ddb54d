#include "core/atlas/place_offset.h"

#include <cmath>

namespace helion {
namespace {

constexpr int kSecondsPerDay = 86400;
constexpr int kDoubleSummerSeconds = 7200;
constexpr int kFirstCertainYear = 1970;
constexpr std::string_view kLocalMeanTime = "LMT";

// Daylight saving in force from the start of the Second World War to the end of 1945
// was war time, as were clocks the database names war time ("EWT", "CWT").
constexpr std::int64_t kWarStartUtc = -957312000;  // 1939-09-01 00:00 UT
constexpr std::int64_t kWarEndUtc = -757382400;    // 1946-01-01 00:00 UT

bool isWarTime(const ZoneState& state, std::int64_t utcSeconds) {
    return (utcSeconds >= kWarStartUtc && utcSeconds < kWarEndUtc) || state.abbreviation.ends_with("WT");
}

ClockKind kindOf(const ZoneState& state, std::int64_t utcSeconds) {
    if (state.abbreviation == kLocalMeanTime) return ClockKind::LocalMeanTime;
    const int daylight = state.daylightSeconds();
    if (daylight >= kDoubleSummerSeconds) return ClockKind::DoubleSummerTime;
    if (daylight > 0) return isWarTime(state, utcSeconds) ? ClockKind::WarTime : ClockKind::DaylightSaving;
    if (daylight < 0) return ClockKind::WinterTime;
    // Mean times of a city were kept to the second; standard offsets are whole minutes.
    return state.offsetSeconds % 60 != 0 ? ClockKind::CityMeanTime : ClockKind::StandardTime;
}

// Local mean time from the longitude in whole minutes of arc, as the place is written.
double localMeanHoursWest(double longitudeEastDeg) {
    const double arcMinutes = std::round(longitudeEastDeg * 60.0);
    return -arcMinutes / 60.0 / 15.0;
}

double hoursWestOf(const ZoneState& state, double longitudeEastDeg) {
    if (state.abbreviation == kLocalMeanTime) return localMeanHoursWest(longitudeEastDeg);
    return -state.offsetSeconds / 3600.0;
}

}  // namespace

std::optional<PlaceOffset> placeOffset(const ZoneHistory& history, std::string_view zone, double longitudeEastDeg,
                                       const LocalMoment& moment) {
    const std::int64_t clock = clockSeconds(moment);
    // The offsets a day before and a day after bracket any change of the clocks near
    // this time; each is a true reading when the instant it gives keeps that offset.
    const auto before = history.stateAt(zone, clock - kSecondsPerDay);
    const auto after = history.stateAt(zone, clock + kSecondsPerDay);
    if (!before || !after) return std::nullopt;
    const auto holds = [&](const ZoneState& candidate) {
        const auto state = history.stateAt(zone, clock - candidate.offsetSeconds);
        return state && state->offsetSeconds == candidate.offsetSeconds;
    };
    const bool beforeHolds = holds(*before);
    const bool afterHolds = holds(*after);

    const ZoneState& bracket = beforeHolds || !afterHolds ? *before : *after;
    const std::int64_t utc = clock - bracket.offsetSeconds;
    // The clocks at that instant, not a day away: local mean time may give way to a
    // city's mean time of the same offset (Córdoba 1894), and the reason is the new one.
    const auto atMoment = history.stateAt(zone, utc);
    const ZoneState& chosen = atMoment && atMoment->offsetSeconds == bracket.offsetSeconds ? *atMoment : bracket;
    const ClockKind kind = kindOf(chosen, utc);
    PlaceOffset offset{hoursWestOf(chosen, longitudeEastDeg),
                       kind,
                       kind == ClockKind::LocalMeanTime ? std::string{} : chosen.abbreviation,
                       {}};
    if (before->offsetSeconds != after->offsetSeconds && beforeHolds == afterHolds) {
        const auto warning = beforeHolds ? OffsetWarningKind::HappensTwice : OffsetWarningKind::DoesNotExist;
        offset.warnings.push_back(
            {warning, hoursWestOf(*before, longitudeEastDeg), hoursWestOf(*after, longitudeEastDeg)});
    }
    if (moment.year < kFirstCertainYear) offset.warnings.push_back({OffsetWarningKind::Before1970, 0.0, 0.0});
    return offset;
}

}  // namespace helion
