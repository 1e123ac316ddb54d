#pragma once
// The Options window: OPTIONS.OPT in one text box, saved and read back into the options
// in use, or restored from the master copy OPTIONS.MAS.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace helion::ui {

struct Session;

class OptionsWindow final : public QWidget {
public:
    explicit OptionsWindow(Session& session, QWidget* parent = nullptr);

    void save();
    void restoreDefault();

private:
    void loadFile();

    Session& session_;
    QPlainTextEdit* content_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace helion::ui
