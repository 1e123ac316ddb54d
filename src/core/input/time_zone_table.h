#pragma once
// TZ.DAT, the table of time zones the Time Zone window lists: records of a name (at
// most 32 characters), an abbreviation (at most 4) and the offset in hours to add to
// local time to get Universal Time (west positive), fields separated by commas or
// line breaks. An empty name ends the table; what follows it is not read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"
#include "core/base/message.h"

namespace helion {

inline constexpr std::string_view kTimeZoneFile = "TZ.DAT";
inline constexpr const char* kTimeZoneCorruptText = "The file TZ.DAT is corrupt.";
inline constexpr std::size_t kZoneNameWidth = 32;
inline constexpr std::size_t kZoneCodeWidth = 4;

struct TimeZoneEntry {
    std::string name;
    std::string code;
    std::string offset;  // as written; a number text
    int line = 0;
};

struct TimeZoneTable {
    std::vector<TimeZoneEntry> zones;   // the zones before the first fault
    std::optional<Message> error;       // "The file TZ.DAT is corrupt." on any fault
    std::vector<LineProblem> problems;  // every fault, by line
};

// The Time Zone window's line: the name padded to 32 characters, " - ", the code padded
// to 4, " =" and the offset text right-aligned by its value (3 blanks before 0..9.99, 2
// before 10..99 and -9.99..-0.01, 1 before 100 and more or -10..-99.99).
std::string timeZoneListLine(const TimeZoneEntry& zone);

TimeZoneTable parseTimeZoneTable(std::string_view text);
TimeZoneTable loadTimeZoneTable(const std::filesystem::path& file);

}  // namespace helion
