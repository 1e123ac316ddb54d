#pragma once
// The IANA time-zone history as the system ships it, read through QTimeZone.

#include <map>
#include <memory>
#include <string>

#include "core/atlas/zone_history.h"

class QTimeZone;

namespace helion {

class QtZoneHistory final : public ZoneHistory {
public:
    QtZoneHistory();
    ~QtZoneHistory() override;
    std::optional<ZoneState> stateAt(std::string_view zone, std::int64_t utcSeconds) const override;

private:
    // Each zone's file is read once, on its first use.
    const QTimeZone& zoneNamed(std::string_view zone) const;
    mutable std::map<std::string, std::unique_ptr<QTimeZone>, std::less<>> zones_;
};

}  // namespace helion
