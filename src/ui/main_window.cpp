#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QTime>

#include <utility>

#include "core/app/program_title.h"
#include "core/config/help_files.h"
#include "ui/about_window.h"
#include "ui/chart_command.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/names_window.h"
#include "ui/natal_input_window.h"
#include "ui/options_window.h"
#include "ui/present_moment.h"
#include "ui/session.h"
#include "ui/time_zone_window.h"
#include "ui/timeline_window.h"
#include "ui/twips_geometry.h"
#include "ui/unsaved_changes.h"
#include "ui/wheel_commands.h"
#include "ui/wheel_window.h"
#include "ui/window_frames.h"

namespace helion::ui {
namespace {

constexpr int kClockIntervalMs = 1000;

}  // namespace

MainWindow::MainWindow(Session& session, int glyphFontId, QWidget* parent)
    : QMainWindow(parent), session_(session), glyphFontId_(glyphFontId) {
    setObjectName("Helion");
    menus_ = buildMainMenus(*this);
    connectMenus();
    session_.onChartsComputed = [this] { showDataMenus(); };
    selectHouseSystem(session_.state.houseSystem, false);
    if (session_.state.chartsComputed) showDataMenus();

    updateClock();
    connect(&clock_, &QTimer::timeout, this, &MainWindow::updateClock);
    clock_.start(kClockIntervalMs);
}

void MainWindow::connectMenus() {
    // Ctrl+Q and F1 reach every window of the program; no control uses them otherwise.
    menus_.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menus_.exit->setShortcutContext(Qt::ApplicationShortcut);
    QApplication::instance()->installEventFilter(this);
    connect(menus_.exit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(menus_.inputData, &QAction::triggered, this, &MainWindow::reopenInputWindows);
    for (const HouseItem& item : menus_.houses)
        connect(item.action, &QAction::triggered, this,
                [this, system = item.system] { selectHouseSystem(system, true); });

    const std::pair<QAction*, ReportKind> reports[] = {
        {menus_.summary, ReportKind::Summary},           {menus_.natalData, ReportKind::Natal},
        {menus_.progressions, ReportKind::Progressions}, {menus_.minorProgressions, ReportKind::Minor},
        {menus_.transits, ReportKind::Transits},         {menus_.cosmodynes, ReportKind::Cosmodynes},
    };
    for (const auto& [action, kind] : reports)
        connect(action, &QAction::triggered, this, [this, kind = kind] { showReport(kind); });

    connect(menus_.timeline, &QAction::triggered, this, &MainWindow::openTimeline);

    for (const WheelItem& item : menus_.wheelItems)
        connect(item.action, &QAction::triggered, this, [this, command = item.command] { showWheel(command); });

    connect(menus_.options, &QAction::triggered, this, &MainWindow::openOptions);
    for (const HelpItem& item : menus_.help)
        connect(item.action, &QAction::triggered, this, [this, file = item.fileName] { showHelpText(file); });
    connect(menus_.about, &QAction::triggered, this, [this] {
        auto* about = new AboutWindow(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
}

// The clock runs at the zone the natal window shows, the zone its Now button and the Input
// item fill the date and time from, so the caption and a chart named "Now" agree even
// when the computer's own clock is set to another zone.
void MainWindow::updateClock() {
    const auto* natal = session_.windows.find<NatalInputWindow>();
    const std::string zone = natal ? natal->texts().zone : numberText(session_.state.options[option::DefaultZone]);
    const LocalMoment now = presentMoment(session_, zone);
    const QTime clock(now.hour, now.minute, now.second);
    const QString time = session_.state.timeFormat == TimeFormat::TwentyFourHour
                             ? clock.toString("HH:mm:ss")
                             : QLocale::c().toString(clock, "h:mm:ss AP");
    setWindowTitle(QString::fromStdString(clockCaption({now.year, now.month, now.day}, time.toStdString())));
}

void MainWindow::selectHouseSystem(HouseSystem system, bool recomputeCharts) {
    session_.state.houseSystem = system;
    for (const HouseItem& item : menus_.houses) item.action->setChecked(item.system == system);
    if (recomputeCharts) recompute();
}

void MainWindow::recompute() {
    showInputWindows();
    computeCharts(session_, ReportData::StartNew);
}

void MainWindow::showInputWindows() {
    if (session_.state.chartsComputed && session_.state.charts.chartName == kNowChartName)
        session_.windows.find<NatalInputWindow>()->refreshDateAndTime();
    session_.windows.find<NatalInputWindow>()->show();
    session_.windows.find<DiurnalInputWindow>()->show();
}

void MainWindow::showDataMenus() {
    menus_.data->menuAction()->setVisible(true);
    menus_.wheels->menuAction()->setVisible(true);
    menus_.inputData->setVisible(true);
}

void MainWindow::presentInDataWindow(const Report& report) { session_.windows.find<DataWindow>()->present(report); }

void MainWindow::showReport(ReportKind kind) {
    const WrittenReport written = writeReport(kind, session_.state.charts, session_.state.options);
    if (written.clipboardText) QApplication::clipboard()->setText(QString::fromStdString(*written.clipboardText));
    presentInDataWindow(written.report);
}

void MainWindow::openTimeline() {
    auto* timeline = new TimelineWindow(session_, this);
    timeline->setAttribute(Qt::WA_DeleteOnClose);
    timeline->open();
}

void MainWindow::showHelpText(std::string_view fileName) {
    session_.windows.find<DataWindow>()->showHelpText(fileName);
}

void MainWindow::reopenInputWindows() {
    showInputWindows();
    NamesWindow::open(session_);
}

void MainWindow::showHelpOfWindow(QWidget* window) {
    if (auto* zones = qobject_cast<TimeZoneWindow*>(window)) {
        zones->showHelp();
        return;
    }
    showHelpText(helpFileOfWindow(window ? window->objectName().toStdString() : std::string()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        showHelpOfWindow(static_cast<QWidget*>(watched)->window());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::openOptions() {
    if (!options_) {
        options_ = new OptionsWindow(session_, this);
        // Under the main window's frame, with the main window's frame margins.
        const FrameMargins frame = frameMarginsOf(*this);
        applyPlace(*options_, placeBelow(frameRect(placeOf(*this), frame), options_->width(), options_->height(), frame,
                                         freeScreenArea(*this)));
    }
    options_->show();
    options_->raise();
}

WheelWindow* MainWindow::wheelWindow() const { return wheels_.data(); }

void MainWindow::showWheel(WheelCommand command) {
    if (!wheels_) wheels_ = new WheelWindow(session_, this);
    showWheelCommand(session_, *wheels_, command);
}

bool MainWindow::exitProgram() {
    if (exited_) return true;
    // Every open editor asks about its unsaved changes first; Cancel keeps the program running.
    if (!closeEditorsBeforeExit()) return false;
    exited_ = true;
    clock_.stop();
    if (glyphFontId_ >= 0) QFontDatabase::removeApplicationFont(glyphFontId_);
    Settings& settings = session_.state.settings;
    const TwipsRect geometry = geometryInTwips(*this);
    settings.helionTop = geometry.top;
    settings.helionLeft = geometry.left;
    settings.helionHeight = geometry.height;
    settings.helionWidth = geometry.width;
    if (const auto failure = writeSettings(session_.state.programFolder, settings))
        session_.messages->show(*failure, MessageIcon::Stop);
    close();
    QApplication::closeAllWindows();
    QApplication::quit();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exitProgram())
        event->accept();
    else
        event->ignore();
}

}  // namespace helion::ui
