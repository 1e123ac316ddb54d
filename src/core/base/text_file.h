#pragma once
// Reading and writing the program's plain-text data files. Files are written with
// carriage return and line feed; readers accept CRLF, LF alone and CR alone.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_write.h"

namespace helion {

inline constexpr std::string_view kLineBreak = "\r\n";

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// The lines of a text, without their line breaks. A final line break does not start
// another line, so "a\r\nb\r\n" and "a\r\nb" both give two lines.
std::vector<std::string_view> splitLines(std::string_view text);

// The text without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// False when the text holds control characters other than tab, CR, LF and form feed:
// a binary file given where a text file was expected.
bool looksLikeText(std::string_view text);

// The file name alone, as messages name a file.
std::string fileNameOf(const std::filesystem::path& path);

}  // namespace helion
