#pragma once
// The splash window shown at start-up; start-up goes on once its OK is pressed.

#include <QDialog>

namespace helion::ui {

class SplashWindow final : public QDialog {
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    bool splashDone() const { return splashDone_; }
    // Shows the window and processes window events until it is dismissed.
    void waitForOk();

private:
    bool splashDone_ = false;
};

}  // namespace helion::ui
