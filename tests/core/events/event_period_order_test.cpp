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

// A period must end after it begins; an empty or reversed one is refused before any search.
TEST(EventPeriodOrder, APeriodThatDoesNotEndAfterItBeginsIsRefused) {
    constexpr double kStart = 2461041.5;
    const struct {
        double toJd;
        bool refused;
    } rows[] = {{kStart - 1.0, true}, {kStart, true}, {kStart + 1.0, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.toJd - kStart);
        EventRequest request;
        request.natal.jdUt = kStart - 10000.0;
        request.period = {kStart, row.toJd};
        const EventSearch search = findEvents(request, test::FakeEphemeris{}, NoEclipses{});
        const bool refused = search.messages.size() == 1 && search.messages[0].text == kEventPeriodOrderText;
        EXPECT_EQ(refused, row.refused);
        EXPECT_TRUE(!refused || search.events.empty());
    }
}

}  // namespace
}  // namespace helion
