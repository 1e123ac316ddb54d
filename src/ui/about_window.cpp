#include "ui/about_window.h"

#include <QPainter>

#include "swe/program_version.h"

namespace helion::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), version_(QString::fromStdString(versionText())) {
    setObjectName("About");
    setWindowTitle("About Helion");
    setFixedSize(420, 250);
    setAccessibleDescription(version_);  // the painted text is invisible to screen readers
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
    painter.drawText(QRect(0, 165, width(), 30), Qt::AlignCenter, version_);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 205, width(), 30), Qt::AlignCenter, "Click to close");
}

void AboutWindow::mouseReleaseEvent(QMouseEvent*) { close(); }

}  // namespace helion::ui
