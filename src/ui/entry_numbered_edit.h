#pragma once
// A plain text box with a margin that numbers the entries of a one-number-per-line file
// (line k is entry k; the first empty line ends the list, so lines after it get none).
// The numbers are drawn beside the text and are never part of it.

#include <QPlainTextEdit>

namespace helion::ui {

class EntryNumberedEdit final : public QPlainTextEdit {
public:
    explicit EntryNumberedEdit(QWidget* parent = nullptr);

    // The entry number of a line (0-based line index), 0 for lines past the list's end.
    int entryNumber(int line) const;
    int marginWidth() const;
    void paintMargin(QPaintEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateMargin(const QRect& rect, int dy);
    int firstEmptyLine() const;

    QWidget* margin_ = nullptr;
};

}  // namespace helion::ui
