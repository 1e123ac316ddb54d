#pragma once
// The diurnal input window: the date and place of progressions and transits, or with
// "2nd Person" checked another person's birth data. "Use natal data" copies the natal
// window; clearing it fills in the present moment again.

#include "ui/input_window.h"

class QCheckBox;

namespace helion::ui {

class DiurnalInputWindow final : public InputWindow {
    Q_OBJECT
public:
    explicit DiurnalInputWindow(Session& session, QWidget* parent = nullptr);

    bool secondPerson() const;
    // The second person's name once one is taken from the names file, else "2nd Person".
    QString secondPersonName() const;
    // The present date and time with the default place.
    void fillPresentMoment();
    // Every box and button as the natal window has it.
    void copyNatal();
    // After the natal data changed: the natal data again with "Use natal data" checked,
    // otherwise the present moment.
    void followNatalData();
    // A second person picked by name: the box bears the name.
    void setSecondPersonCaption(const QString& name);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void secondPersonClicked(bool checked);

    QCheckBox* secondPerson_ = nullptr;
    QCheckBox* natalData_ = nullptr;
};

}  // namespace helion::ui
