#include "tz/qt_zone_history.h"

#include <QDateTime>
#include <QTimeZone>

namespace helion {

QtZoneHistory::QtZoneHistory() = default;
QtZoneHistory::~QtZoneHistory() = default;

const QTimeZone& QtZoneHistory::zoneNamed(std::string_view zone) const {
    auto found = zones_.find(zone);
    if (found == zones_.end()) {
        // Only names of the database: an empty name would give the computer's own zone.
        const QByteArray id(zone.data(), static_cast<qsizetype>(zone.size()));
        auto timeZone =
            QTimeZone::isTimeZoneIdAvailable(id) ? std::make_unique<QTimeZone>(id) : std::make_unique<QTimeZone>();
        found = zones_.emplace(std::string(zone), std::move(timeZone)).first;
    }
    return *found->second;
}

std::optional<ZoneState> QtZoneHistory::stateAt(std::string_view zone, std::int64_t utcSeconds) const {
    const QTimeZone& timeZone = zoneNamed(zone);
    if (!timeZone.isValid()) return std::nullopt;
    const QTimeZone::OffsetData data = timeZone.offsetData(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
    if (!data.atUtc.isValid()) return std::nullopt;
    return ZoneState{data.offsetFromUtc, data.standardTimeOffset, data.abbreviation.toStdString()};
}

}  // namespace helion
