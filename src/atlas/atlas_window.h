#pragma once
// The atlas window (`Atlas`): a search box that filters the place list as the user
// types (Up and Down move through the list found while the typing goes on), the list of
// places found (place, region, country), the local date and clock
// time, and for the chosen place its coordinates, the offset in force and why, and the
// warnings. OK leaves the answer in the atlas folder for the input windows and closes
// the window; Cancel closes it and writes nothing.

#include <QDialog>

#include <filesystem>
#include <optional>

#include "core/atlas/local_moment.h"
#include "core/atlas/place_answer.h"
#include "core/atlas/place_list.h"
#include "core/atlas/place_search.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeWidget;

namespace helion::ui {
class MessageBoxes;
}

namespace helion::atlas {

// The date and clock time the window starts with, as the input window passes them.
struct MomentTexts {
    QString date;  // "dd mmm yyyy"
    QString time;  // H.MM
    bool am = false;
};

inline constexpr int kListedPlaces = 200;

class AtlasWindow final : public QDialog {
    Q_OBJECT
public:
    AtlasWindow(const PlaceList& places, const ZoneHistory& history, ui::MessageBoxes& messages,
                std::filesystem::path atlasFolder, const MomentTexts& moment);

    // The text of the About box, with the attribution of the place data.
    static QString aboutText();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void search();
    void showAnswer();
    void accept() override;
    const Place* chosenPlace() const;
    LocalMomentRead moment() const;

    const PlaceList& places_;
    const ZoneHistory& history_;
    ui::MessageBoxes& messages_;
    std::filesystem::path atlasFolder_;
    std::vector<PlaceMatch> listed_;

    QLineEdit* search_;
    QTreeWidget* list_;
    QLineEdit* date_;
    QLineEdit* time_;
    QRadioButton* am_;
    QRadioButton* pm_;
    QLabel* coordinates_;
    QLabel* offset_;
    QLabel* warnings_;
};

}  // namespace helion::atlas
