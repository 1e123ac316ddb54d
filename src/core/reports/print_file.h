#pragma once
// PRNTFILE.XXX: the hand-over file through which the Data window prints a list.

#include <filesystem>
#include <optional>

#include "core/base/message.h"
#include "core/reports/report_buffer.h"

namespace helion {

inline constexpr const char* kPrintFileName = "PRNTFILE.XXX";

enum class PrintScope {
    CurrentReport,  // "Print page": the display list
    AllData,        // "Print data": the full list
};

struct PrintFileOutcome {
    bool written = false;  // the print window should now print the file
    std::optional<Message> message;
};

// Writes the chosen list's elements, spare element included, one per line ended by
// carriage return and line feed, to PRNTFILE.XXX in the program folder. An empty
// current report writes nothing silently; empty data gives "No data to print.".
PrintFileOutcome writePrintFile(const DataBuffer& buffer, PrintScope scope, const std::filesystem::path& programFolder);

}  // namespace helion
