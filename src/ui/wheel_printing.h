#pragma once
// Printing the wheel: a full page drawn on the printer at its own resolution with the
// printer's sizes (and the aspect grid when the options ask for it), or half a page
// holding a black-on-white image of the window.

#include <QImage>

#include "core/base/message.h"

class QPaintDevice;

namespace helion::ui {

struct Session;
class WheelWindow;

Message fullOrHalfPageQuestion();

// Draws the full-page wheel on a page device (a printer, or a PDF writer).
void paintFullPage(Session& session, const WheelWindow& window, QPaintDevice& page);

// The window's wheel black on white, at the window's size.
QImage halfPageImage(const WheelWindow& window);

// Asks full page, half page or cancel, then prints through the system print dialog.
void printWheel(Session& session, WheelWindow& window);

}  // namespace helion::ui
