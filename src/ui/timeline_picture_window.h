#pragma once
// The timeline picture window (object `TimelinePicture`): the timeline of the last search
// drawn beside the Data window's report, scrolled when wider or taller than the window.
// Pointing at a bar or marker shows its events; Export writes a PNG, SVG or PDF file.

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/events/event.h"
#include "core/events/event_period.h"
#include "core/events/timeline_picture.h"

class QScrollArea;

namespace helion::ui {

struct Session;

class TimelinePictureWindow final : public QMainWindow {
public:
    explicit TimelinePictureWindow(Session& session, QWidget* parent = nullptr);

    // Draws the events of the period and shows the window beside the Data window.
    void showTimeline(std::vector<Event> events, const EventPeriod& period);
    const TimelinePicture& picture() const { return picture_; }
    // The events of the bar or marker at `pixel` of the picture, or nothing.
    QString markTextAt(QPointF pixel) const;
    // Asks for the file to write the picture to; the system's save dialog. Replaced by tests.
    std::function<std::optional<std::filesystem::path>()> chooseExportFile;
    void exportPicture();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    Session& session_;
    std::vector<Event> events_;
    EventPeriod period_;
    TimelinePicture picture_;
    QScrollArea* scroll_ = nullptr;
    QWidget* surface_ = nullptr;
};

}  // namespace helion::ui
