#pragma once
// Names files (*.FIL): one person per line as name, birth date ("dd mmm yyyy"),
// local time (H.MM on the 12-hour clock), "A" or "P", time zone (hours, west
// positive), longitude (D.MM, west positive) and latitude (D.MM, north positive),
// separated by commas. A line whose first field is empty ends the list.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/input/record_list.h"

namespace helion {

inline constexpr std::string_view kDefaultNamesFile = "NAMES.FIL";
inline constexpr const char* kNamesFileErrorText =
    "You have an error in the current names file. You need to check and see if "
    "you have entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Names window and edit the incorrect data.";

// One person's line; parseNamesRecord (names_record.h) turns its text into the
// input-window texts.
struct NameRecord {
    std::string name;
    std::string text;  // the whole record
    int line = 0;
};

using NamesFile = RecordList<NameRecord>;

// The current names file: the settings' DataFile, or NAMES.FIL in the program folder.
std::filesystem::path currentNamesFile(const std::string& dataFile, const std::filesystem::path& programFolder);

NamesFile parseNamesFile(std::string_view text);
NamesFile loadNamesFile(const std::filesystem::path& file);

}  // namespace helion
