#pragma once
// The Time Zone window: the zones of TZ.DAT; a click writes the chosen offset into the
// zone box of the input window that opened it and chooses East or West by its sign.

#include <QWidget>

#include "core/input/time_zone_table.h"

class QLabel;
class QListWidget;

namespace helion::ui {

struct Session;

class TimeZoneWindow final : public QWidget {
    Q_OBJECT
public:
    // Shows the window for the natal or the diurnal window, made on first use, with the
    // table read afresh.
    static TimeZoneWindow& open(Session& session, bool forDiurnal);

    explicit TimeZoneWindow(Session& session, QWidget* parent = nullptr);

    void fillList();
    void pick(int row);
    // F1: how the list is used, shown above it in this window (no help file covers it).
    void showHelp();

private:
    Session& session_;
    TimeZoneTable table_;
    QListWidget* list_ = nullptr;
    QLabel* help_ = nullptr;
};

}  // namespace helion::ui
