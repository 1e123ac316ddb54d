#include "ui/about_window.h"

#include <QPainter>

namespace helion::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("About");
    setWindowTitle("About Helion");
    setFixedSize(420, 220);
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x10, 0x18, 0x40));
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0xff, 0xc8, 0x30));
    painter.drawText(QRect(0, 20, width(), 60), Qt::AlignCenter, "Helion");
    font.setPointSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(0x9f, 0xd8, 0xff));
    painter.drawText(QRect(0, 90, width(), 70), Qt::AlignCenter,
                     "Western tropical astrology\nnatal charts, progressions, transits,\nCosmodynes and chart wheels");
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 170, width(), 30), Qt::AlignCenter, "Click to close");
}

void AboutWindow::mouseReleaseEvent(QMouseEvent*) { close(); }

}  // namespace helion::ui
