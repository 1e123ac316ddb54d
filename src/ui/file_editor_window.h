#pragma once
// A data file in one text box, saved back in one atomic replace: the names file
// (`NameEdit`), the cities file (`LongLat`) and the current orb file (`OrbsEdit`).

#include <QWidget>

#include <filesystem>
#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace helion::ui {

struct Session;

class FileEditorWindow final : public QWidget {
public:
    FileEditorWindow(Session& session, const char* objectName, std::filesystem::path file, QWidget* parent = nullptr);

    // True when the file holds the box's text.
    bool save();
    // Called after each successful save (the list that shows the file is filled again).
    std::function<void()> onSaved;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Session& session_;
    std::filesystem::path file_;
    QPlainTextEdit* content_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace helion::ui
