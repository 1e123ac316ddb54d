#pragma once
// Printing the wheel: a full page drawn on the printer at its own resolution with the
// printer's sizes (and the aspect grid when the options ask for it), or half a page
// holding a black-on-white image of the maximised window.

#include <QImage>

#include <optional>

#include "core/base/message.h"
#include "core/wheels/wheel_drawing.h"

class QPaintDevice;

namespace helion::ui {

struct Session;
class WheelWindow;

Message fullOrHalfPageQuestion();
Message wheelNotPrintedMessage();

// Draws the full-page wheel on a page device (a printer, or a PDF writer) and returns the
// drawing; nothing when the device cannot be painted on.
std::optional<WheelDrawing> paintFullPage(Session& session, const WheelWindow& window, QPaintDevice& page);

// Maximises the window, repaints it black on white and takes the image of its drawing
// surface; the window then paints in colour again (its size is left to the caller).
QImage blackOnWhiteWindowImage(WheelWindow& window);

// Asks full page, half page or cancel, lets the window's printer chooser ready a printer,
// then prints. The window ends at its normal size.
void printWheel(Session& session, WheelWindow& window);

}  // namespace helion::ui
