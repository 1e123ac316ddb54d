#include "core/atlas/local_moment.h"

#include <charconv>
#include <chrono>

#include "core/base/text_file.h"
#include "core/input/names_record.h"

namespace helion {
namespace {

std::optional<int> digits(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

std::chrono::year_month_day calendarDay(int year, int month, int day) {
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}};
}

// "10.30" -> 10, 30; "10" -> 10, 0. Minutes take two digits.
std::optional<std::pair<int, int>> hoursAndMinutes(std::string_view time) {
    const std::size_t dot = time.find('.');
    const auto hours = digits(time.substr(0, dot));
    const auto minutes = dot == std::string_view::npos ? std::optional<int>(0) : digits(time.substr(dot + 1));
    if (!hours || !minutes || *hours > 12 || *minutes > 59) return std::nullopt;
    if (dot != std::string_view::npos && time.size() - dot - 1 != 2) return std::nullopt;
    return std::pair{*hours, *minutes};
}

}  // namespace

LocalMomentRead readLocalMoment(std::string_view date, std::string_view time, std::string_view amPm) {
    const auto calendar = parseNamesDate(date);
    if (!calendar) return {std::nullopt, "The date '" + std::string(date) + "' is not a date of the form dd mmm yyyy."};
    if (!calendarDay(calendar->year, calendar->month, calendar->day).ok())
        return {std::nullopt, "The date '" + std::string(date) + "' does not exist in the calendar."};
    const auto clock = hoursAndMinutes(trimmed(time));
    if (!clock)
        return {std::nullopt, "The time '" + std::string(time) + "' is not a clock time H.MM from 1.00 to 12.59."};
    const std::string_view half = trimmed(amPm);
    const bool am = half == "A" || half == "a";
    if (!am && half != "P" && half != "p")
        return {std::nullopt, "'" + std::string(amPm) + "' is neither A (A.M.) nor P (P.M.)."};
    const int hour = clock->first % 12 + (am ? 0 : 12);
    return {LocalMoment{calendar->year, calendar->month, calendar->day, hour, clock->second}, {}};
}

std::int64_t clockSeconds(const LocalMoment& moment) {
    const std::chrono::sys_days day{calendarDay(moment.year, moment.month, moment.day)};
    return static_cast<std::int64_t>(day.time_since_epoch().count()) * 86400 + moment.hour * 3600 + moment.minute * 60;
}

}  // namespace helion
