#include <gtest/gtest.h>

#include "../astro/fake_ephemeris.h"
#include "core/events/event_finder.h"

namespace helion {
namespace {

class NoEclipses final : public EclipseSearch {
public:
    std::optional<EclipseFound> nextSolarEclipse(double) const override { return std::nullopt; }
    std::optional<EclipseFound> nextLunarEclipse(double) const override { return std::nullopt; }
};

// A period must end after it begins; one that does not is refused before any search.
TEST(EventPeriodOrder, APeriodEndingAtOrBeforeItsStartIsRefused) {
    constexpr double kStart = 2460000.5;
    const struct {
        double toJdUt;
        bool refused;
    } rows[] = {{kStart - 1.0, true}, {kStart, true}, {kStart + 1.0, false}};
    const test::FakeEphemeris sky;
    for (const auto& row : rows) {
        EventRequest request;
        request.natal.jdUt = kStart - 10000.0;
        request.period = {kStart, row.toJdUt};
        const EventSearch search = findEvents(request, sky, NoEclipses());
        const bool refused = search.messages.size() == 1 && search.messages[0].text == kEventPeriodOrderText;
        EXPECT_EQ(refused, row.refused) << row.toJdUt - kStart;
        if (row.refused) {
            EXPECT_TRUE(search.events.empty());
        }
    }
}

}  // namespace
}  // namespace helion
