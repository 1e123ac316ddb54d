#pragma once
// The orb file editor (object `OrbsEdit`): the current orb file in one text box, saved back
// in place. The wheel window reopens its aspect list with the saved orbs.

#include <QWidget>

#include <filesystem>

class QPlainTextEdit;
class QPushButton;

namespace helion::ui {

struct Session;

class OrbsEditWindow final : public QWidget {
    Q_OBJECT
public:
    OrbsEditWindow(Session& session, std::filesystem::path orbFile, QWidget* parent = nullptr);

    void save();

signals:
    void saved();

private:
    Session& session_;
    std::filesystem::path file_;
    QPlainTextEdit* content_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace helion::ui
