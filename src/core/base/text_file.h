#pragma once
// Reading and writing the program's plain-text data files. Files are written with
// carriage return and line feed; readers accept CRLF, LF alone and CR alone, and the
// CR CR LF a file gains when its line ends are converted twice.

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

// The lines of a text, without their line breaks. A line feed together with every
// carriage return right before it is one line break; a carriage return that no line feed
// follows is one by itself (files from systems that end lines with CR alone). So "\r\r\n"
// ends one line, while "\r\n\r\n", "\n\n" and "\r\r" hold a truly empty line. A final line
// break does not start another line: "a\r\nb\r\n" and "a\r\nb" both give two lines.
std::vector<std::string_view> splitLines(std::string_view text);

// The text up to the first line holding a control character other than tab and form
// feed (a NUL, the bytes of a binary file), and that line's 1-based number; the whole
// text and 0 when every line is text.
struct TextBeforeControl {
    std::string_view text;
    int controlLine = 0;
};
TextBeforeControl textBeforeControlLine(std::string_view text);

// The problem reported for that line.
inline constexpr const char* kControlCharacterProblem =
    "a control character (a NUL or a byte of a binary file) where only text belongs";

// The text without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// False when the text holds control characters other than tab, CR, LF and form feed:
// a binary file given where a text file was expected.
bool looksLikeText(std::string_view text);

// The file name alone, as messages name a file.
std::string fileNameOf(const std::filesystem::path& path);

}  // namespace helion
