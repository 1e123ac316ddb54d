#pragma once
// The user's regional date order and clock, read from the date and time patterns of the
// system locale ("M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd"; "h:mm AP", "HH:mm").

#include <string_view>

namespace helion {

// Regional order of the date text: 0 month/day/year, 1 day/month/year, 2 year/month/day.
enum class DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };
DateOrder dateOrderFromCode(int code);

// How the user's system writes times.
enum class TimeFormat { TwelveHour = 0, TwentyFourHour = 1 };

// The order in which day, month and year first appear. Quoted literal text and the
// weekday fields ("ddd", "dddd") do not count. Month first when the pattern names no day.
DateOrder dateOrderFromPattern(std::string_view datePattern);

// A pattern with an AM/PM marker ("AP", "ap", "A", "a" outside quotes) is the 12-hour clock.
TimeFormat timeFormatFromPattern(std::string_view timePattern);

}  // namespace helion
