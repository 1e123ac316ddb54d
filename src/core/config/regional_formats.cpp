#include "core/config/regional_formats.h"

#include <cstddef>
#include <functional>

namespace helion {
namespace {

// Calls `field` with each run of one pattern letter outside quoted text.
void forEachField(std::string_view pattern, const std::function<void(char letter, std::size_t length)>& field) {
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (!quoted && end < pattern.size() && pattern[end] == c) ++end;
        if (!quoted) field(c, end - i);
        i = end;
    }
}

}  // namespace

DateOrder dateOrderFromCode(int code) {
    if (code == 1) return DateOrder::DayMonthYear;
    if (code == 2) return DateOrder::YearMonthDay;
    return DateOrder::MonthDayYear;
}

DateOrder dateOrderFromPattern(std::string_view datePattern) {
    char first = 0;
    forEachField(datePattern, [&first](char letter, std::size_t length) {
        const bool dayOfMonth = letter == 'd' && length <= 2;
        if (first == 0 && (dayOfMonth || letter == 'M' || letter == 'y')) first = letter;
    });
    if (first == 'd') return DateOrder::DayMonthYear;
    if (first == 'y') return DateOrder::YearMonthDay;
    return DateOrder::MonthDayYear;
}

TimeFormat timeFormatFromPattern(std::string_view timePattern) {
    bool marker = false;
    forEachField(timePattern,
                 [&marker](char letter, std::size_t) { marker = marker || letter == 'a' || letter == 'A'; });
    return marker ? TimeFormat::TwelveHour : TimeFormat::TwentyFourHour;
}

}  // namespace helion
