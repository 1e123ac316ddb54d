#pragma once
// A zone history made of a few clock changes, for tests of the offset reasoning.

#include <cstdint>
#include <string>
#include <vector>

#include "core/atlas/zone_history.h"

namespace helion::test {

struct ClockChange {
    std::int64_t fromUtc;  // the first instant of this state
    ZoneState state;
};

class FakeZoneHistory final : public ZoneHistory {
public:
    FakeZoneHistory(std::string zone, std::vector<ClockChange> changes)
        : zone_(std::move(zone)), changes_(std::move(changes)) {}

    std::optional<ZoneState> stateAt(std::string_view zone, std::int64_t utcSeconds) const override {
        if (zone != zone_) return std::nullopt;
        const ZoneState* state = &changes_.front().state;  // the first state runs back for ever
        for (const auto& change : changes_)
            if (change.fromUtc <= utcSeconds) state = &change.state;
        return *state;
    }

private:
    std::string zone_;
    std::vector<ClockChange> changes_;
};

}  // namespace helion::test
