#pragma once
// The main window: a menu bar under a caption with a running clock. Its menus recompute
// the charts in another house system, show the input windows, run the reports into the
// Data window, open the Options window and the help texts; Exit (or closing the window)
// writes the settings and ends the program.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <string_view>

#include "core/app/report_list.h"
#include "core/astro/house_system.h"
#include "core/reports/report.h"
#include "ui/main_menus.h"

namespace helion::ui {

struct Session;
class OptionsWindow;
class WheelWindow;

class MainWindow final : public QMainWindow {
public:
    // glyphFontId: the application font registered at start-up, removed at exit (-1: none).
    MainWindow(Session& session, int glyphFontId, QWidget* parent = nullptr);

    // Checks the house system's item; with `recompute`, also recomputes the charts.
    void selectHouseSystem(HouseSystem system, bool recompute);
    void recompute();
    // Refreshes a chart named "Now" to the present date and time, then shows both input windows.
    void showInputWindows();
    void showHelpText(std::string_view fileName);
    // The Input item: the two input windows and the Names window, as at start-up, so that
    // the Names and Cities windows can be reached again after they were closed.
    void reopenInputWindows();
    // F1: the help of the window the key was pressed in; a window with help of its own
    // (the Time Zone window) shows it itself, every other one in the Data window.
    void showHelpOfWindow(QWidget* window);
    void openOptions();
    // The Timeline window, over the main window; OK fills the Data window.
    void openTimeline();
    // Runs a wheel command and shows its wheel in the wheel window.
    void showWheel(WheelCommand command);
    WheelWindow* wheelWindow() const;
    // False when the user keeps an editor's unsaved changes open (Cancel): nothing ends.
    bool exitProgram();

    void updateClock();

protected:
    void closeEvent(QCloseEvent* event) override;
    // F1 anywhere in the program, modal windows (file select, print file) included, whose
    // keys a shortcut of this window would not receive.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectMenus();
    void showDataMenus();
    void presentInDataWindow(const Report& report);
    // Writes the report into the Data window; the Cosmodynes text also goes to the clipboard.
    void showReport(ReportKind kind);

    Session& session_;
    int glyphFontId_;
    MainMenus menus_;
    QTimer clock_;
    QPointer<OptionsWindow> options_;
    QPointer<WheelWindow> wheels_;
    bool exited_ = false;
};

}  // namespace helion::ui
