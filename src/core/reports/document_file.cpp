#include "core/reports/document_file.h"

#include <algorithm>
#include <cmath>

#include "core/base/text_file.h"

namespace helion {
namespace {

constexpr char kFormFeedLine[] = "\f\r\n";

// Elements between page breaks, or none. Page lengths that are not whole numbers round
// to the nearest, ties to even.
std::optional<long> pageBreakInterval(float pageLength) {
    if (!(pageLength >= 2.0f)) return std::nullopt;  // NaN too
    constexpr double kLongestPage = 1e9;
    return static_cast<long>(std::nearbyint(std::min(static_cast<double>(pageLength) - 1.0, kLongestPage)));
}

}  // namespace

std::string documentText(const LineList& full, float pageLength) {
    const std::optional<long> interval = pageBreakInterval(pageLength);
    const std::vector<std::string> elements = full.elements();
    std::string text;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        text += elements[i];
        text += "\r\n";
        if (interval && i != 0 && static_cast<long>(i) % *interval == 0) text += kFormFeedLine;
    }
    text += kFormFeedLine;
    return text;
}

std::optional<Message> nothingToSave(const DataBuffer& buffer) {
    if (!buffer.fullList().empty()) return std::nullopt;
    return informationMessage("No data to write to file.");
}

std::optional<Message> saveDocument(const DataBuffer& buffer, const std::filesystem::path& file, float pageLength) {
    if (auto nothing = nothingToSave(buffer)) return nothing;
    const FileWrite written = writeFileAtomically(file, documentText(buffer.fullList(), pageLength));
    if (written) return std::nullopt;
    return failedWriteMessage(written, "The file " + file.string() + cannotBeWritten(written));
}

std::string proposedDocumentName(std::string_view chartName) {
    constexpr std::size_t kLongestStem = 8;
    const std::size_t blank = chartName.find(' ');
    const bool shortFirstWord = blank != std::string_view::npos && blank < kLongestStem;
    const std::string_view stem = shortFirstWord ? chartName.substr(0, blank) : chartName.substr(0, kLongestStem);
    return std::string(stem) + ".DOC";
}

}  // namespace helion
