#pragma once
// The About window: the program's name, purpose and version drawn in colour; a click closes it.

#include <QDialog>
#include <QString>

namespace helion::ui {

class AboutWindow final : public QDialog {
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString version_;
};

}  // namespace helion::ui
