#pragma once
// The print window: shows the hand-over file the Data window wrote, lets the user edit
// it, and prints it in Courier New with a new page every option-30 lines.

#include <QDialog>

#include <filesystem>
#include <functional>

class QPlainTextEdit;
class QPrinter;

namespace helion::ui {

struct Session;

class PrintFileWindow final : public QDialog {
    Q_OBJECT
public:
    PrintFileWindow(Session& session, std::filesystem::path printFile, QWidget* parent = nullptr);

    // Readies the printer; false when the user cancels. By default the system print
    // dialog, which also prints to PDF. Replaced by tests.
    std::function<bool(QPrinter& printer)> choosePrinter;

    // btnPrint: writes the (edited) text back to the file, prints it and closes.
    void print();
    // Prints the box's text on a printer that is ready.
    void printOn(QPrinter& printer) const;

private:
    Session& session_;
    std::filesystem::path printFile_;
    QPlainTextEdit* content_ = nullptr;
};

}  // namespace helion::ui
