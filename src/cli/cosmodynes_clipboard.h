#pragma once
// helion-cli report cosmodynes --clipboard FILE: the compact text that the desktop
// program puts on the clipboard, written to a file instead.

#include <string>

namespace CLI {
class App;
}

namespace helion::cli {

void addClipboardOption(CLI::App& command, std::string& clipboardFile);

// Replaces the file with the clipboard text (CR LF after every entry); a file that
// cannot be written is reported on standard error and gives false.
bool writeClipboardFile(const std::string& clipboardText, const std::string& clipboardFile);

}  // namespace helion::cli
