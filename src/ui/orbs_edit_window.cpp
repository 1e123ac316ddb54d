#include "ui/orbs_edit_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/editor_text.h"
#include "ui/session.h"

namespace helion::ui {

OrbsEditWindow::OrbsEditWindow(Session& session, std::filesystem::path orbFile, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), file_(std::move(orbFile)) {
    setObjectName("OrbsEdit");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString("Edit: ") + QString::fromStdString(file_.string()));
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
    resize(320, 400);
    connect(save_, &QPushButton::clicked, this, &OrbsEditWindow::save);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    const EditorLoad load = loadEditorText(file_);
    // A file that could not be read is never overwritten with the empty box.
    save_->setEnabled(!load.error);
    if (load.error) session_.messages->show(*load.error, MessageIcon::Stop);
    QString text = QString::fromStdString(load.text);
    text.replace("\r\n", "\n");
    content_->setPlainText(text);
}

void OrbsEditWindow::save() {
    if (const auto failure = saveEditorText(file_, content_->toPlainText().toStdString())) {
        session_.messages->show(*failure, MessageIcon::Stop);
        return;
    }
    emit saved();
}

}  // namespace helion::ui
