#pragma once
// The Timeline window: the period, the kinds of event and the transits' orb file of a
// timeline search; OK fills the Data window with the timeline of the computed charts and
// draws it in the timeline picture window beside.

#include <QDialog>

#include <array>

#include "core/events/event_choices.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace helion::ui {

struct Session;

class TimelineWindow final : public QDialog {
public:
    explicit TimelineWindow(Session& session, QWidget* parent = nullptr);

    // Searches the period and presents the report; a date that cannot be read is said
    // in a "Warning!" box and the window stays open.
    void accept() override;

private:
    EventChoices chosenKinds() const;

    Session& session_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    std::array<QCheckBox*, kEventChoiceCount> kinds_{};
    QComboBox* orbFile_ = nullptr;
    QCheckBox* byKind_ = nullptr;
};

}  // namespace helion::ui
