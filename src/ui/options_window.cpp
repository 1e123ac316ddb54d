#include "ui/options_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/options_editor.h"
#include "ui/editor_box.h"
#include "ui/entry_numbered_edit.h"
#include "ui/session.h"
#include "ui/unsaved_changes.h"

namespace helion::ui {
namespace {

QPushButton* addButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

}  // namespace

OptionsWindow::OptionsWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("Options");
    markAsEditor(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString("Edit: ") + QString::fromUtf8(kOptionsFile.data(), static_cast<int>(kOptionsFile.size())));
    content_ = new EntryNumberedEdit(this);
    content_->setObjectName("txtContent");
    content_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    content_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QHBoxLayout;
    save_ = addButton(this, buttons, "btnSave", "&Save");
    QPushButton* restore = addButton(this, buttons, "cmdRestoreDefault", "&Restore Defaults");
    QPushButton* quit = addButton(this, buttons, "btnQuit", "&Quit");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content_);
    layout->addLayout(buttons);
    resize(640, 480);

    connect(save_, &QPushButton::clicked, this, &OptionsWindow::save);
    connect(restore, &QPushButton::clicked, this, &OptionsWindow::restoreDefault);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    loadFile();
}

void OptionsWindow::loadFile() {
    loadIntoEditorBox(session_.state.programFolder / kOptionsFile, *content_, *save_, *session_.messages);
}

bool OptionsWindow::save() {
    const OptionsLoad load =
        saveOptionsText(session_.state.programFolder, content_->toPlainText().toStdString(), session_.state.options);
    session_.state.options = load.values;
    for (const Message& message : load.messages) session_.messages->show(message, MessageIcon::Stop);
    if (!load.messages.empty()) return false;
    content_->document()->setModified(false);
    return true;
}

void OptionsWindow::restoreDefault() {
    const Message question{windowTitle().toStdString(), "Replace " + std::string(kOptionsFile) +
                                                            " with the default options of " +
                                                            std::string(kOptionsMasterFile) + "?"};
    if (!session_.messages->askYesNo(question)) return;
    if (const auto failure = restoreDefaultOptions(session_.state.programFolder)) {
        session_.messages->show(*failure, MessageIcon::Stop);
        return;
    }
    loadFile();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // A save button that is off means the file could not be loaded: nothing to keep.
    const bool modified = save_->isEnabled() && content_->document()->isModified();
    event->setAccepted(
        settleUnsavedChanges(*session_.messages, windowTitle().toStdString(), modified, [this] { return save(); }));
}

}  // namespace helion::ui
