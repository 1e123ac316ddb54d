#pragma once
// Helpers for the comma-separated data files (names, cities, time zones).

#include <string>
#include <string_view>
#include <vector>

#include "core/base/line_problem.h"

namespace helion {

// The comma-separated fields of one line, as they stand (blanks kept).
std::vector<std::string_view> splitFields(std::string_view line);

// The same fields, each without the blanks and tabs around it.
std::vector<std::string> trimmedFields(std::string_view line);

struct FieldRecord {
    std::vector<std::string> fields;
    int line = 0;
};

struct FieldRecords {
    std::vector<FieldRecord> records;   // the records before the first broken line
    std::vector<LineProblem> problems;  // every line with the wrong number of fields
};

// Reads one record of `fieldCount` fields per line, each without surrounding blanks,
// until the end of the text or a line whose first field is empty; the lines after that
// one are not read and are no fault.
FieldRecords readFieldRecords(std::string_view text, std::size_t fieldCount);

}  // namespace helion
