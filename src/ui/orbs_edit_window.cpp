#include "ui/orbs_edit_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/editor_text.h"
#include "ui/editor_box.h"
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
    loadIntoEditorBox(file_, *content_, *save_, *session_.messages);
}

void OrbsEditWindow::save() {
    if (const auto failure = saveEditorText(file_, content_->toPlainText().toStdString())) {
        session_.messages->show(*failure, MessageIcon::Stop);
        return;
    }
    emit saved();
}

}  // namespace helion::ui
