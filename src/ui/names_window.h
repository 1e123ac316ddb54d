#pragma once
// The Names window: the people of the current names file. A click copies a person into
// the natal window (or, for a second person, the diurnal window), a double-click computes
// the chart at once.

#include <QWidget>

#include "core/input/names_file.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace helion::ui {

struct Session;

class NamesWindow final : public QWidget {
    Q_OBJECT
public:
    // Shows the window, made on first use, with its list read afresh.
    static NamesWindow& open(Session& session);

    explicit NamesWindow(Session& session, QWidget* parent = nullptr);

    void fillList();
    void pick(int row);
    void pickAndCompute(int row);
    void changeList();
    void editList();
    void openCities();

private:
    std::filesystem::path currentFile() const;
    void lockClicked(bool checked);

    Session& session_;
    NamesFile file_;
    QListWidget* list_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QCheckBox* lock_ = nullptr;
};

}  // namespace helion::ui
