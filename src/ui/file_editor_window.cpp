#include "ui/file_editor_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/editor_text.h"
#include "ui/editor_box.h"
#include "ui/session.h"
#include "ui/unsaved_changes.h"

namespace helion::ui {

FileEditorWindow::FileEditorWindow(Session& session, const char* objectName, std::filesystem::path file,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), file_(std::move(file)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    markAsEditor(*this);
    setWindowTitle("Edit: " + QString::fromStdString(file_.string()));
    content_ = new QPlainTextEdit(this);
    content_->setObjectName("txtContent");
    content_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    content_->setLineWrapMode(QPlainTextEdit::NoWrap);
    save_ = new QPushButton("&Save", this);
    save_->setObjectName("btnSave");
    auto* quit = new QPushButton("&Quit", this);
    quit->setObjectName("btnQuit");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content_);
    layout->addLayout(buttons);
    resize(640, 480);
    connect(save_, &QPushButton::clicked, this, &FileEditorWindow::save);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    loadIntoEditorBox(file_, *content_, *save_, *session_.messages);
}

bool FileEditorWindow::save() {
    if (const auto failure = saveEditorText(file_, content_->toPlainText().toStdString())) {
        session_.messages->show(*failure, MessageIcon::Stop);
        return false;
    }
    content_->document()->setModified(false);
    if (onSaved) onSaved();
    return true;
}

void FileEditorWindow::closeEvent(QCloseEvent* event) {
    // A save button that is off means the file could not be loaded: nothing to keep.
    const bool modified = save_->isEnabled() && content_->document()->isModified();
    event->setAccepted(
        settleUnsavedChanges(*session_.messages, windowTitle().toStdString(), modified, [this] { return save(); }));
}

}  // namespace helion::ui
