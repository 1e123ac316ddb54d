#include "ui/names_save_command.h"

#include <filesystem>
#include <system_error>

#include "core/base/text_file.h"
#include "core/input/names_save.h"
#include "ui/names_window.h"
#include "ui/session.h"
#include "ui/session_prompts.h"

namespace helion::ui {

std::optional<std::filesystem::path> saveToNamesFile(Session& session, const InputWindowTexts& texts, QWidget* parent) {
    MessageBoxes& messages = *session.messages;
    if (const auto refusal = namesSaveRefusal(texts)) {
        messages.show(*refusal, MessageIcon::Stop);
        return std::nullopt;
    }
    const auto current = currentNamesFile(session.state.settings.dataFile, session.state.programFolder);
    const auto chosen = chooseFile(session, "*.FIL", current, parent, "Save into which names file?");
    if (!chosen) return std::nullopt;
    auto oldText = readTextFile(*chosen);
    std::error_code error;
    if (!oldText && std::filesystem::symlink_status(*chosen, error).type() == std::filesystem::file_type::not_found) {
        if (!messages.askYesNo(createNamesFileQuestion(*chosen))) return std::nullopt;
        oldText.emplace();
    }
    const bool text = oldText && looksLikeText(*oldText);
    const NamesFile file = text ? parseNamesFile(*oldText) : NamesFile{};
    // Every record after a broken line would be lost in the copy.
    if (!text || file.error) {
        messages.show(errorMessage(kNamesFileErrorText), MessageIcon::Stop);
        return std::nullopt;
    }
    std::vector<int> replaced;
    for (const NameRecord& same : recordsNamed(file, texts.name))
        if (messages.askYesNo(replaceNameQuestion(texts.name, same))) replaced.push_back(same.line);
    const std::string newText = namesFileAfterSave(*oldText, replaced, namesRecordLine(texts));
    if (const auto failure = replaceNamesFile(*chosen, *oldText, newText)) {
        messages.show(*failure, MessageIcon::Stop);
        return std::nullopt;
    }
    session.namesList.changed = true;
    auto* names = session.windows.find<NamesWindow>();
    if (names && names->isVisible()) names->fillList();
    return chosen;
}

}  // namespace helion::ui
