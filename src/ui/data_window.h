#pragma once
// The Data window: the text of the reports in a fixed-pitch box, saved as a document,
// printed through the print window, cleared, and its font and geometry remembered in
// the settings.

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/reports/print_file.h"
#include "core/reports/report.h"
#include "message_boxes/message_boxes.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace helion::ui {

struct Session;

class DataWindow final : public QWidget {
    Q_OBJECT
public:
    explicit DataWindow(Session& session, QWidget* parent = nullptr);

    // Shows the window with a report's whole text; nothing to show leaves it as it is.
    void showReportText(const std::optional<std::string>& text);
    // Shows the warnings the report buffer queued (a full buffer), oldest first.
    void showQueuedMessages();
    // Runs a report into the buffer under the hourglass and shows it with its messages.
    void present(const Report& report);
    // A help file of the program folder shown as a report. A missing one is only
    // reported: the report on screen, and the one Print page prints, stay.
    void showHelpText(std::string_view fileName);

    // The save dialog, opened on the proposed file: the chosen file, or nothing when
    // cancelled. Replacing an existing file is asked about afterwards. Replaced by tests.
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& proposed)> chooseSaveFile;
    // Prints the hand-over file just written (the print window). Replaced by tests.
    std::function<void(const std::filesystem::path& printFile)> printFile;

    // Save writes to the document Save As named for this chart; after a new chart it
    // asks for a name as Save As does.
    // The inside width that shows the widest report without scrolling sideways.
    int widthForWidestReport() const;
    // Keeps the window's place in the settings (moves and resizes do so once it is shown).
    void storeGeometry();

    void save();
    void saveAs();
    // New chart data: the next Save no longer goes to the previous chart's document.
    void forgetDocument() { documentFile_.clear(); }
    void changeFontSize(int steps);
    void toggleBold();
    void toggleItalic();
    void clearAllData();
    void printPage();
    void printData();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void showMessages(const std::vector<Message>& messages, MessageIcon icon);
    void applyFont();
    void print(PrintScope scope);

    Session& session_;
    bool loading_ = true;
    // The document Save writes to, once Save As has named it. Kept apart from the
    // settings' DataFile, which names the names file.
    std::filesystem::path documentFile_;
    QMenuBar* menuBar_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QAction* increase_ = nullptr;
    QAction* decrease_ = nullptr;
    QAction* bold_ = nullptr;
    QAction* italic_ = nullptr;
};

}  // namespace helion::ui
