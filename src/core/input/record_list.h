#pragma once
// The form the names and cities files share: one record of comma-separated fields a line,
// up to a line whose first field is empty. A broken line ends the list: the records before
// it stay, and the file's own error message is shown.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/line_problem.h"
#include "core/base/message.h"
#include "core/base/record_fields.h"

namespace helion {

template <class Record>
struct RecordList {
    std::vector<Record> records;   // the records before the first broken line
    std::optional<Message> error;  // the file's error when a line is broken or the file cannot be used
    std::vector<LineProblem> problems;
};

// Reads `fieldCount` fields per line; `makeRecord` turns each line's fields into a record.
template <class Record, class MakeRecord>
RecordList<Record> parseRecordList(std::string_view text, std::size_t fieldCount, const char* errorText,
                                   MakeRecord makeRecord) {
    RecordList<Record> list;
    FieldRecords read = readFieldRecords(text, fieldCount);
    for (FieldRecord& record : read.records) list.records.push_back(makeRecord(record));
    list.problems = std::move(read.problems);
    if (!list.problems.empty()) list.error = errorMessage(errorText);
    return list;
}

// A file that cannot be used: no record, the problem for the whole file, the file's error.
template <class Record>
RecordList<Record> unusableRecordList(std::string problem, const char* errorText) {
    RecordList<Record> list;
    list.problems.push_back({0, std::move(problem)});
    list.error = errorMessage(errorText);
    return list;
}

}  // namespace helion
