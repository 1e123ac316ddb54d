#include "cli/cosmodynes_clipboard.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "core/base/message.h"
#include "core/base/text_file.h"

namespace helion::cli {

void addClipboardOption(CLI::App& command, std::string& clipboardFile) {
    command.add_option("--clipboard", clipboardFile, "Also write the compact text the program copies to the clipboard")
        ->type_name("FILE");
}

bool writeClipboardFile(const std::string& clipboardText, const std::string& clipboardFile) {
    const FileWrite written = writeFileAtomically(clipboardFile, clipboardText);
    if (written) return true;
    const Message failure = errorMessage("The file " + clipboardFile + cannotBeWritten(written));
    std::cerr << failure.caption << " " << failure.text << "\n";
    return false;
}

}  // namespace helion::cli
