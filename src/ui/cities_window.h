#pragma once
// The Cities window: the places of the current cities file. A click writes the place
// into the natal window (or, for a second person, the diurnal window).

#include <QWidget>

#include "core/input/cities_file.h"

class QLabel;
class QListWidget;

namespace helion::ui {

struct Session;

class CitiesWindow final : public QWidget {
    Q_OBJECT
public:
    // Shows the window, made on first use, with its list read afresh.
    static CitiesWindow& open(Session& session);

    explicit CitiesWindow(Session& session, QWidget* parent = nullptr);

    void fillList();
    void pick(int row);
    void changeList();
    void editList();
    void openNames();

private:
    std::filesystem::path currentFile() const;

    Session& session_;
    CitiesFile file_;
    QListWidget* list_ = nullptr;
    QLabel* fileLabel_ = nullptr;
};

}  // namespace helion::ui
