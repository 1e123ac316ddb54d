#include "ui/wheel_printing.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QPrinter>
#include <QThread>

#include "core/wheels/aspect_grid.h"
#include "render/wheel_painter.h"
#include "ui/session.h"
#include "ui/wheel_window.h"

namespace helion::ui {
namespace {

constexpr int kResizeWaitMilliseconds = 1000;

// The grid reads the current orb file afresh, as every drawing of aspects does; without
// it the page is printed without the grid.
void appendAspectGridIfAsked(Session& session, const WheelWindow& window, WheelDrawing& drawing) {
    if (!printedPageHasAspectGrid(session.state.options, drawing.kind)) return;
    const OrbTableLoad orbs = loadOrbTable(session.state.currentOrbFile, session.state.orbs);
    session.state.orbs = orbs.table;
    for (const Message& message : orbs.messages) session.messages->show(message, MessageIcon::Stop);
    if (!orbs.messages.empty()) return;
    appendPrintedAspectGrid(drawing, session.state.options,
                            aspectListInputFor(window.arrangement(), session.state.charts, session.state.orbs));
}

// The image fills the top half of the page, keeping its proportions.
bool paintOnHalfPage(QPaintDevice& page, const QImage& image) {
    QPainter painter(&page);
    if (!painter.isActive()) return false;
    const QSizeF half(page.width(), page.height() / 2.0);
    const QSizeF fitted = QSizeF(image.size()).scaled(half, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF((half.width() - fitted.width()) / 2, 0), fitted), image);
    return true;
}

// A window manager resizes a window some time after it is asked to, and the drawing
// surface must have its new size before its image is taken or the print ends.
void setMaximisedAndWait(QWidget& window, bool maximised) {
    if (window.isMaximized() == maximised) return;
    const QSize before = window.size();
    if (maximised) {
        window.showMaximized();
    } else {
        window.showNormal();
    }
    const QDeadlineTimer deadline(kResizeWaitMilliseconds);
    while (window.size() == before && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
}

}  // namespace

Message fullOrHalfPageQuestion() {
    return {"Full page or half page chartwheel",
            "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel."};
}

Message wheelNotPrintedMessage() { return errorMessage("The chartwheel could not be printed."); }

std::optional<WheelDrawing> paintFullPage(Session& session, const WheelWindow& window, QPaintDevice& page) {
    WheelDrawing drawing = window.drawingOn(page, WheelTarget::Printer, false, page.width(), page.height());
    appendAspectGridIfAsked(session, window, drawing);
    QPainter painter(&page);
    if (!painter.isActive()) return std::nullopt;
    render::paintWheel(painter, drawing, QRectF(0, 0, page.width(), page.height()));
    return drawing;
}

QImage blackOnWhiteWindowImage(WheelWindow& window) {
    window.setMonochrome(true);
    setMaximisedAndWait(window, true);
    const QImage image = window.surfaceImage();
    window.setMonochrome(false);
    return image;
}

void printWheel(Session& session, WheelWindow& window) {
    const Answer answer = session.messages->askYesNoCancel(fullOrHalfPageQuestion());
    if (answer == Answer::Cancel) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!window.choosePrinter(printer)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool printed = false;
    if (answer == Answer::Yes) {
        session.wheelMode.innerOuterSwitch = false;
        printed = paintFullPage(session, window, printer).has_value();
    } else {
        printed = paintOnHalfPage(printer, blackOnWhiteWindowImage(window));
    }
    setMaximisedAndWait(window, false);
    QApplication::restoreOverrideCursor();
    if (!printed) session.messages->show(wheelNotPrintedMessage(), MessageIcon::Stop);
}

}  // namespace helion::ui
