#pragma once
// The About window: the program's name and purpose drawn in colour; a click closes it.

#include <QDialog>

namespace helion::ui {

class AboutWindow final : public QDialog {
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace helion::ui
