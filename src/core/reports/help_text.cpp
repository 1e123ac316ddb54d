#include "core/reports/help_text.h"

#include <string>

#include "core/base/text_file.h"

namespace helion {

Report helpTextReport(const std::filesystem::path& programFolder, std::string_view fileName) {
    Report report;
    const auto content = readTextFile(programFolder / fileName);
    if (!content || !looksLikeText(*content)) {
        report.messages.push_back(warningMessage("The help text " + std::string(fileName) + " cannot be read from " +
                                                 programFolder.string() + "."));
        return report;
    }
    for (std::string_view line : splitLines(*content)) report.lines.emplace_back(line);
    return report;
}

}  // namespace helion
