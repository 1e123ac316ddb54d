#pragma once
// What the natal and the diurnal input windows share: labelled number boxes with
// keystroke filters and select-all on focus, the A.M./P.M., East/West and North/South
// frames, the hour box's 12-hour correction, the zone sign that follows the direction,
// sunken frames around the labels and the right-click back to the main window.

#include <QWidget>

#include <vector>

#include "core/input/chart_input.h"
#include "core/input/input_window_logic.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace helion::ui {

struct Session;

// One text box of an input window and the field of InputWindowTexts it holds.
struct InputFieldPlace {
    const char* boxName;
    const char* labelName;
    const char* caption;
    KeyFilter filter;
    std::string InputWindowTexts::*field;
    int row;  // grid position of the label/box pair
    int column;
};

// Object names of the three direction frames' buttons.
struct DirectionButtonNames {
    const char* am;
    const char* pm;
    const char* west;
    const char* east;
    const char* north;
    const char* south;
};

class InputWindow : public QWidget {
    Q_OBJECT
public:
    InputWindowTexts texts() const;
    // Fills every box and button; the zone keeps the sign it is given.
    void setTexts(const InputWindowTexts& texts);

protected:
    InputWindow(Session& session, HourBox hourBox, QWidget* parent);
    // Builds the boxes in a grid of label/box pairs, and beside the hour, longitude and
    // latitude rows their frames of option buttons.
    void buildFields(const std::vector<InputFieldPlace>& fields, const DirectionButtonNames& buttons);
    QGridLayout* fieldGrid() const { return grid_; }

    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Labels and frames pass their clicks on to the window; only a release on the
    // window's bare surface counts as one of its own.
    bool onBareSurface(const QMouseEvent& event) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& session_;

private:
    QLineEdit* addBox(const InputFieldPlace& place);
    void addFrame(const char* frameName, const char* caption, QRadioButton*& first, const char* firstName,
                  const char* firstCaption, QRadioButton*& second, const char* secondName, const char* secondCaption,
                  int row);
    void correctHourText();
    void applyZoneSign(bool east);

    HourBox hourBox_;
    QGridLayout* grid_ = nullptr;
    int frameColumn_ = 0;
    struct Box {
        InputFieldPlace place;
        QLineEdit* edit;
    };
    std::vector<Box> boxes_;
    std::vector<QLabel*> labels_;
    QLineEdit* hourEdit_ = nullptr;
    QLineEdit* zoneBox_ = nullptr;
    QRadioButton* am_ = nullptr;
    QRadioButton* pm_ = nullptr;
    QRadioButton* west_ = nullptr;
    QRadioButton* east_ = nullptr;
    QRadioButton* north_ = nullptr;
    QRadioButton* south_ = nullptr;
};

}  // namespace helion::ui
