#pragma once
// The Data window's saved document (*.DOC): the full list as plain text, lines ended by
// carriage return and line feed, with a form-feed line after every page.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/message.h"
#include "core/reports/report_buffer.h"

namespace helion {

// The document text. pageLength is the options' page length in lines: a form-feed line
// follows every element whose index is a non-zero multiple of pageLength - 1, and one
// closes the text. A page length below 2 gives no page breaks but the closing one.
// Breaks count list elements, so an element holding several lines counts once.
std::string documentText(const LineList& full, float pageLength);

// "No data to write to file." when the full list is empty; Save and Save As ask first.
std::optional<Message> nothingToSave(const DataBuffer& buffer);

// Writes the document of the full list to the file, replacing it whole. Returns the
// message to show when there is nothing to save or the file cannot be written.
std::optional<Message> saveDocument(const DataBuffer& buffer, const std::filesystem::path& file, float pageLength);

// The file name the save dialog proposes for a chart: the name's first word when its
// first blank stands at position 8 or earlier, otherwise its first 8 characters; then
// ".DOC".
std::string proposedDocumentName(std::string_view chartName);

}  // namespace helion
