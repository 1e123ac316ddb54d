#include "cli/cosmodynes_clipboard.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/commands.h"
#include "core/base/message.h"
#include "core/base/text_file.h"

namespace helion::cli {

void addClipboardOption(CLI::App& command, std::string& clipboardFile) {
    command.add_option("--clipboard", clipboardFile, "Also write the compact text the program copies to the clipboard")
        ->type_name("FILE");
}

void writeClipboardFile(const std::string& clipboardText, const std::string& clipboardFile) {
    const FileWrite written = writeFileAtomically(clipboardFile, clipboardText);
    if (written) return;
    std::cerr << kErrorCaption << " The file " << clipboardFile << cannotBeWritten(written) << "\n";
    setExitStatus(kBadInput);
}

}  // namespace helion::cli
