#include "core/reports/print_file.h"

#include <string>

#include "core/base/text_file.h"

namespace helion {

PrintFileOutcome writePrintFile(const DataBuffer& buffer, PrintScope scope,
                                const std::filesystem::path& programFolder) {
    const LineList& list = scope == PrintScope::AllData ? buffer.fullList() : buffer.displayList();
    if (list.empty()) {
        if (scope == PrintScope::CurrentReport) return {};
        return {false, informationMessage("No data to print.")};
    }
    const std::filesystem::path file = programFolder / kPrintFileName;
    const FileWrite written = writeFileAtomically(file, list.text());
    if (written) return {true, std::nullopt};
    return {false, errorMessage("The file " + file.string() + cannotBeWritten(written))};
}

}  // namespace helion
