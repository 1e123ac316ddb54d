#include "core/atlas/local_moment.h"

#include <gtest/gtest.h>

#include <array>

namespace helion {
namespace {

using Fields = std::optional<std::array<int, 5>>;

Fields fields(const std::optional<LocalMoment>& m) {
    if (!m) return std::nullopt;
    return std::array{m->year, m->month, m->day, m->hour, m->minute};
}

TEST(LocalMoment, ReadsTheDateAndTheTwelveHourClock) {
    const struct {
        const char* date;
        const char* time;
        const char* amPm;
        Fields expected;
    } rows[] = {
        {"07 Mar 1952", "10.30", "A", Fields{{1952, 3, 7, 10, 30}}},
        {"7 mar 1952", "10.30", "p", Fields{{1952, 3, 7, 22, 30}}},
        {"01 Jan 2000", "12.30", "A", Fields{{2000, 1, 1, 0, 30}}},   // half past midnight
        {"01 Jan 2000", "12.30", "P", Fields{{2000, 1, 1, 12, 30}}},  // half past noon
        {"29 Feb 2024", "9", "A", Fields{{2024, 2, 29, 9, 0}}},
        {"29 Feb 2023", "9.00", "A", std::nullopt},  // no such day
        {"1952-03-07", "10.30", "A", std::nullopt},
        {"07 Mar 1952", "13.00", "A", std::nullopt},
        {"07 Mar 1952", "10.60", "A", std::nullopt},
        {"07 Mar 1952", "10.3", "A", std::nullopt},  // minutes take two digits
        {"07 Mar 1952", "ten", "A", std::nullopt},
        {"07 Mar 1952", "10.30", "M", std::nullopt},
    };
    for (const auto& row : rows) {
        const LocalMomentRead read = readLocalMoment(row.date, row.time, row.amPm);
        EXPECT_EQ(fields(read.moment), row.expected) << row.date << " " << row.time << " " << row.amPm;
        EXPECT_EQ(read.error.empty(), row.expected.has_value()) << read.error;
    }
}

TEST(LocalMoment, ClockSecondsCountFrom1970OnTheGregorianCalendar) {
    EXPECT_EQ(clockSeconds({1970, 1, 1, 0, 0}), 0);
    EXPECT_EQ(clockSeconds({1970, 1, 2, 1, 1}), 86400 + 3600 + 60);
    EXPECT_EQ(clockSeconds({1952, 3, 7, 10, 30}), -562339800);
    EXPECT_EQ(clockSeconds({2000, 3, 1, 0, 0}), 951868800);  // after a leap day of a century year
}

}  // namespace
}  // namespace helion
