#pragma once
// One record of a names file: "name,dd mmm yyyy,H.MM,A|P,zone,longitude,latitude",
// e.g. "Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43". Zone in hours west-positive,
// longitude D.MM west-positive (negative east), latitude D.MM north-positive (negative
// south).

#include <optional>
#include <string>
#include <string_view>

#include "core/astro/julian_day.h"
#include "core/input/chart_input.h"

namespace helion {

struct NamesRecordParse {
    std::optional<InputWindowTexts> texts;  // the input-window texts the record fills in
    std::string error;                      // names the field that is wrong
};

// Reads a record the way a pick from the Names window fills an input window: the date
// into month, day and year, the time into hour and minutes, "A" choosing A.M., the sign
// of longitude and latitude choosing east and south.
NamesRecordParse parseNamesRecord(std::string_view record);

// "07 Mar 1952" -> day 7, month 3, year 1952; the month abbreviation in any case.
std::optional<CalendarDate> parseNamesDate(std::string_view text);

// Day 7, month 3, year 1952 -> "07 Mar 1952"; a month outside 1..12 is written "???",
// which parseNamesDate refuses.
std::string namesDateText(int day, int month, int year);

}  // namespace helion
