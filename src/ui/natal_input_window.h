#pragma once
// The natal input window: the birth data of the chart, the Now button that fills in
// the present moment and the default place, and OK, which computes the charts.

#include "ui/input_window.h"

class QPushButton;

namespace helion::ui {

class NatalInputWindow final : public InputWindow {
    Q_OBJECT
public:
    explicit NatalInputWindow(Session& session, QWidget* parent = nullptr);

    // The Now button: name "Now", the present date and time, the default place.
    void fillPresentMoment();
    // The date and time boxes alone, from the clock at the zone the window shows (the
    // Input menu refreshes a chart named "Now" this way).
    void refreshDateAndTime();
    // OK: the charts are computed from both windows as new chart data.
    void pressOk();
};

}  // namespace helion::ui
