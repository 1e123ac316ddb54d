#pragma once
// What the Names and Cities windows share: their list, the file label above it, the
// row of buttons below and the file name as the label shows it.

#include <QLabel>
#include <QStringList>

#include <filesystem>
#include <vector>

class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace helion::ui {

struct ListWindowParts {
    QLabel* fileLabel;
    QListWidget* list;
    QVBoxLayout* layout;
    QPushButton* otherList;  // `Command1`: the Names window's to the cities, and back
    QPushButton* edit;       // `cmdEditList`
    QPushButton* change;     // `cmdNewFileList`
};

// The label, the list and the three buttons below it, in a vertical layout of `window`.
ListWindowParts addFileList(QWidget& window, const char* labelName, const char* listName, const char* otherListCaption);

QPushButton* addNamedButton(QWidget& window, QVBoxLayout& layout, const char* name, const char* caption);

// Replaces the list's lines, drawn once at the end.
void refill(QListWidget& list, const QStringList& lines);

// "NAMES.FIL": the file name alone, in capitals.
QString fileLabelText(const std::filesystem::path& file);

// Shows the file's name above the list and one line per record, as `lineOf` writes it.
template <typename Record, typename LineOf>
void showFileRecords(QLabel& label, QListWidget& list, const std::filesystem::path& file,
                     const std::vector<Record>& records, LineOf lineOf) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(records.size()));
    for (const Record& record : records) lines.append(QString::fromStdString(lineOf(record)));
    label.setText(fileLabelText(file));
    refill(list, lines);
}

// Puts `window` to the right of `beside`, tops aligned, or under it when the screen is
// too narrow; always whole on the screen's free area.
void placeBeside(QWidget& window, const QWidget& beside);

}  // namespace helion::ui
