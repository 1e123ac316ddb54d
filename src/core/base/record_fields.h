#pragma once
// Helpers for the comma-separated data files (names, cities, time zones).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"

namespace helion {

// The comma-separated fields of one line, each without surrounding blanks.
std::vector<std::string> splitFields(std::string_view line);

// The number a whole field spells (blanks around it allowed), or nothing when any
// part of it is not a decimal number: "5", "-3.5", "+.5" read, "5h" and "" do not.
std::optional<double> exactNumber(std::string_view field);

struct FieldRecord {
    std::vector<std::string> fields;
    int line = 0;
};

struct FieldRecords {
    std::vector<FieldRecord> records;   // the records before the first broken line
    std::vector<LineProblem> problems;  // every line with the wrong number of fields
};

// Reads one record of `fieldCount` fields per line until the end of the text or a
// line whose first field is empty.
FieldRecords readFieldRecords(std::string_view text, std::size_t fieldCount);

}  // namespace helion
