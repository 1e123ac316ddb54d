#pragma once
// The Data window's font size moves in half steps of the screen's scale factor, between
// 8 and 12 points.

class QWidget;

namespace helion::ui {

inline constexpr double kSmallestReportFont = 8.0;
inline constexpr double kLargestReportFont = 12.0;

// Half the scale factor of the window's screen: 1.2 on an 800-pixel-wide screen at
// 12 twips per pixel and on a large screen not at 15 twips per pixel, 1.5 otherwise.
double fontStep(const QWidget& window);

}  // namespace helion::ui
