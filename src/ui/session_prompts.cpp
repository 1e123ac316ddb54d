#include "ui/session_prompts.h"

#include <QInputDialog>

#include "ui/select_file_window.h"
#include "ui/session.h"

namespace helion::ui {

std::optional<std::filesystem::path> chooseFile(Session& session, const QString& pattern,
                                                const std::filesystem::path& current, QWidget* parent,
                                                const QString& caption) {
    if (session.chooseFile) return session.chooseFile(pattern, current);
    return SelectFileWindow::choose(session.state.programFolder, pattern, current, parent, caption);
}

std::optional<std::string> askText(Session& session, const Message& prompt, QWidget* parent) {
    if (session.askText) return session.askText(prompt);
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, QString::fromStdString(prompt.caption),
                                                 QString::fromStdString(prompt.text), QLineEdit::Normal, {}, &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

}  // namespace helion::ui
