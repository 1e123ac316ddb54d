#include "message_boxes/message_boxes.h"

#include <QGridLayout>
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

// Room for the title bar's icon and its buttons beside the caption.
constexpr int kTitleBarButtonsWidth = 140;

// A window manager cuts a caption longer than its window is wide ("Accept or Reject d...");
// a box with short lines is widened until its caption shows whole. Title bars often use a
// bold font, so the caption is measured in one.
void fitCaption(QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

int run(QMessageBox& box) {
    fitCaption(box);
    return box.exec();
}

}  // namespace

void QtMessageBoxes::show(const Message& message, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    QMessageBox::Ok, parent_);
    run(box);
}

bool QtMessageBoxes::askYesNo(const Message& question) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No, parent_);
    return run(box) == QMessageBox::Yes;
}

Answer QtMessageBoxes::askYesNoCancel(const Message& question) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent_);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (run(box)) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

}  // namespace helion::ui
