#include "ui/message_boxes.h"

#include <QMessageBox>

namespace helion::ui {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Information: break;
    }
    return QMessageBox::Information;
}

}  // namespace

void QtMessageBoxes::show(const Message& message, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const Message& question) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

Answer QtMessageBoxes::askYesNoCancel(const Message& question) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent_);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

}  // namespace helion::ui
