#pragma once
// The Options window: OPTIONS.OPT in one text box with the entry numbers beside it,
// saved and read back into the options in use, or restored from the master copy
// OPTIONS.MAS. Neither unsaved edits nor the file are thrown away without a question.

#include <QWidget>

class QPushButton;

namespace helion::ui {

struct Session;
class EntryNumberedEdit;

class OptionsWindow final : public QWidget {
public:
    explicit OptionsWindow(Session& session, QWidget* parent = nullptr);

    // True when the file was written and read back without a problem.
    bool save();
    void restoreDefault();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadFile();

    Session& session_;
    EntryNumberedEdit* content_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace helion::ui
