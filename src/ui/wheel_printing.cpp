#include "ui/wheel_printing.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "core/wheels/aspect_grid.h"
#include "render/wheel_painter.h"
#include "ui/session.h"
#include "ui/wheel_window.h"

namespace helion::ui {
namespace {

constexpr double kInchesPerMetre = 39.37007874;

// The grid reads the current orb file afresh, as every drawing of aspects does.
void appendAspectGridIfAsked(Session& session, const WheelWindow& window, WheelDrawing& drawing) {
    if (session.state.options[178] == 0) return;
    const OrbTableLoad orbs = loadOrbTable(session.state.currentOrbFile, session.state.orbs);
    session.state.orbs = orbs.table;
    for (const Message& message : orbs.messages) session.messages->show(message, MessageIcon::Stop);
    appendPrintedAspectGrid(drawing, session.state.options,
                            aspectListInputFor(window.arrangement(), session.state.charts, session.state.orbs));
}

// The image fills the top half of the page, keeping its proportions.
void paintOnHalfPage(QPaintDevice& page, const QImage& image) {
    const QSizeF half(page.width(), page.height() / 2.0);
    const QSizeF fitted = QSizeF(image.size()).scaled(half, Qt::KeepAspectRatio);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF((half.width() - fitted.width()) / 2, 0), fitted), image);
}

}  // namespace

Message fullOrHalfPageQuestion() {
    return {"Full page or half page chartwheel",
            "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel."};
}

void paintFullPage(Session& session, const WheelWindow& window, QPaintDevice& page) {
    WheelDrawing drawing = window.drawingOn(page, WheelTarget::Printer, false, page.width(), page.height());
    appendAspectGridIfAsked(session, window, drawing);
    QPainter painter(&page);
    render::paintWheel(painter, drawing, QRectF(0, 0, page.width(), page.height()));
}

QImage halfPageImage(const WheelWindow& window) {
    const QSize size = window.surfaceSize();
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(window.logicalDpiX() * kInchesPerMetre + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    const WheelDrawing drawing = window.drawingOn(image, WheelTarget::Screen, true, size.width(), size.height());
    QPainter painter(&image);
    render::paintWheel(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void printWheel(Session& session, WheelWindow& window) {
    const Answer answer = session.messages->askYesNoCancel(fullOrHalfPageQuestion());
    if (answer == Answer::Cancel) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (answer == Answer::Yes) {
        session.wheelMode.innerOuterSwitch = false;
        paintFullPage(session, window, printer);
    } else {
        paintOnHalfPage(printer, halfPageImage(window));
    }
    QApplication::restoreOverrideCursor();
}

}  // namespace helion::ui
