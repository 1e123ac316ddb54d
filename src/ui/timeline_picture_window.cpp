#include "ui/timeline_picture_window.h"

#include <QAction>
#include <QFileDialog>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "core/base/atomic_write.h"
#include "render/picture_file.h"
#include "render/wheel_painter.h"
#include "ui/data_window.h"
#include "ui/dialog_folder.h"
#include "ui/main_window_link.h"
#include "ui/session.h"
#include "ui/window_frames.h"

namespace helion::ui {
namespace {

constexpr const char* kCaption = "Timeline Picture";
constexpr std::string_view kHelpFile = "OUTPUTD1.HLP";
constexpr const char* kFormatText = "Please name a picture file ending in .png, .svg or .pdf.";
// A day keeps at least this many pixels, so a long period scrolls rather than crowds.
constexpr double kDayPixels = 2.5;
constexpr int kWidestPicture = 16000;
constexpr int kNarrowestWindow = 600;

// The system clock counts seconds from 1 January 1970, 0h UT.
double julianDayOf(std::chrono::sys_seconds moment) {
    constexpr double kClockEpochJd = 2440587.5;
    return kClockEpochJd + static_cast<double>(moment.time_since_epoch().count()) / 86400.0;
}

// The picture's surface inside the scroll area; it paints through the window.
class TimelineSurface final : public QWidget {
public:
    explicit TimelineSurface(TimelinePictureWindow& window) : window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        const TimelinePicture& picture = window_.picture();
        render::paintDisplayList(painter, picture.primitives, picture.frame, picture.background,
                                 QRectF(0, 0, width(), height()));
    }
    void mouseMoveEvent(QMouseEvent* event) override { setToolTip(window_.markTextAt(event->position())); }

private:
    TimelinePictureWindow& window_;
};

}  // namespace

TimelinePictureWindow::TimelinePictureWindow(Session& session, QWidget* parent)
    : QMainWindow(parent, Qt::Window), session_(session) {
    setObjectName("TimelinePicture");
    setWindowTitle(kCaption);
    scroll_ = new QScrollArea(this);
    surface_ = new TimelineSurface(*this);
    scroll_->setWidget(surface_);
    setCentralWidget(scroll_);

    QAction* exportItem = menuBar()->addAction("&Export...");
    exportItem->setObjectName("mnuExport");
    QAction* help = menuBar()->addAction("&Help");
    help->setObjectName("mnuHelp");
    connect(exportItem, &QAction::triggered, this, &TimelinePictureWindow::exportPicture);
    connect(help, &QAction::triggered, this, [this] {
        if (DataWindow* report = session_.windows.find<DataWindow>()) report->showHelpText(kHelpFile);
    });
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    addAction(escape);
    connect(escape, &QAction::triggered, this, [] { activateMainWindow(); });

    chooseExportFile = [this]() -> std::optional<std::filesystem::path> {
        QFileDialog dialog(this, "Export", "timeline.png",
                           "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        addProgramFolderPlace(dialog, session_.state.programFolder);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return std::filesystem::path(dialog.selectedFiles().front().toStdString());
    };
}

void TimelinePictureWindow::showTimeline(std::vector<Event> events, const EventPeriod& period) {
    events_ = std::move(events);
    period_ = period;
    DataWindow* dataWindow = session_.windows.find<DataWindow>();
    if (!isVisible() && dataWindow) {
        const FrameMargins frame = frameMarginsOf(*dataWindow);
        const ScreenRect report = frameRect(placeOf(*dataWindow), frame);
        const ScreenRect screen = freeScreenArea(*dataWindow);
        // The screen's width right of the report, as a wide picture needs it.
        const int width = std::max(kNarrowestWindow, screen.right() - report.right() - frame.left - frame.right);
        applyPlace(*this, placeBeside(report, width, report.height - frame.top - frame.bottom, frame, screen));
    }
    redraw();
    show();
    raise();
}

void TimelinePictureWindow::redraw() {
    const QSize room = scroll_->maximumViewportSize();
    const double days = period_.toJdUt - period_.fromJdUt;
    const int width = std::clamp(static_cast<int>(std::ceil(days * kDayPixels)) + 250, room.width(), kWidestPicture);
    // A picture wider than the room takes the horizontal scroll bar's height from it.
    const int height = room.height() - (width > room.width() ? scroll_->horizontalScrollBar()->sizeHint().height() : 0);
    picture_ = buildTimelinePicture({&events_, period_, session_.state.charts.diurnalInput.zone,
                                     julianDayOf(session_.universalClock()), width, std::max(height, 1)});
    const WheelFrame& f = picture_.frame;
    surface_->resize(static_cast<int>(std::lround(f.right - f.left)), static_cast<int>(std::lround(f.top - f.bottom)));
    surface_->update();
}

QString TimelinePictureWindow::markTextAt(QPointF pixel) const {
    const TimelineMark* mark = timelineMarkAt(picture_, {pixel.x(), -pixel.y()});
    return mark ? QString::fromStdString(mark->text) : QString();
}

void TimelinePictureWindow::exportPicture() {
    const std::optional<std::filesystem::path> file = chooseExportFile();
    if (!file) return;
    const std::optional<render::ImageFormat> format = render::imageFormatOf(file->string());
    if (!format) {
        session_.messages->show(warningMessage(kFormatText), MessageIcon::Exclamation);
        return;
    }
    const FileWrite written = writeFileAtomically(*file, render::timelinePictureFile(picture_, *format));
    if (!written)
        session_.messages->show(
            failedWriteMessage(written, "The file " + file->filename().string() + cannotBeWritten(written)),
            MessageIcon::Stop);
}

void TimelinePictureWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!events_.empty() || period_.toJdUt > period_.fromJdUt) redraw();
}

}  // namespace helion::ui
