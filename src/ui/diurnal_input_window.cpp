#include "ui/diurnal_input_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMouseEvent>

#include "core/input/input_window_logic.h"
#include "core/reports/transit_report.h"
#include "ui/main_window_link.h"
#include "ui/natal_input_window.h"
#include "ui/present_moment.h"
#include "ui/session.h"

namespace helion::ui {
namespace {

using T = InputWindowTexts;
constexpr KeyFilter kDigits = KeyFilter::Digits;

const std::vector<InputFieldPlace>& diurnalFields() {
    static const std::vector<InputFieldPlace> fields{
        {"txtDiurnalMonth", "lblDiurnalMonth", "Diurnal Month", kDigits, &T::month, 1, 0},
        {"txtDiurnalDay", "lblDiurnalDay", "Diurnal Day", kDigits, &T::day, 1, 1},
        {"txtDiurnalYear", "lblDiurnalYear", "Diurnal Year", kDigits, &T::year, 1, 2},
        {"txtDiurnalHour", "lblDiurnalHour", "Diurnal Hour", kDigits, &T::hour, 2, 0},
        {"txtDiurnalMinute", "lblDiurnalMinute", "Diurnal Min.", kDigits, &T::minute, 2, 1},
        {"txtDiurnalTZ", "lblDiurnalTZ", "D. Time Zone . . .", KeyFilter::ZoneDigits, &T::zone, 3, 0},
        {"txtDiurnalLongDeg", "lblDiurnalLongDeg", "D. Long Deg.", kDigits, &T::longitudeDegrees, 4, 0},
        {"txtDiurnalLongMin", "lblDiurnalLongMin", "D. Long Min.", kDigits, &T::longitudeMinutes, 4, 1},
        {"txtDiurnalLatDeg", "lblDiurnalLatDeg", "D. Lat Deg.", kDigits, &T::latitudeDegrees, 5, 0},
        {"txtDiurnalLatMin", "lblDiurnalLatMin", "D. Lat Min.", kDigits, &T::latitudeMinutes, 5, 1},
    };
    return fields;
}

QString secondPersonCaption() {
    return QString::fromUtf8(kSecondPersonCaption.data(), static_cast<qsizetype>(kSecondPersonCaption.size()));
}

}  // namespace

DiurnalInputWindow::DiurnalInputWindow(Session& session, QWidget* parent)
    : InputWindow(session, HourBox::Diurnal, parent) {
    setObjectName("InputD1");
    setWindowTitle("Diurnal Input Data");
    secondPerson_ = new QCheckBox(secondPersonCaption(), this);
    secondPerson_->setObjectName("chk2ndPerson");
    natalData_ = new QCheckBox("Use natal data", this);
    natalData_->setObjectName("chkNatOrNow");
    fieldGrid()->addWidget(secondPerson_, 0, 0, 1, 2);
    fieldGrid()->addWidget(natalData_, 0, 2, 1, 2);
    buildFields(diurnalFields(), {"optDiurnalAM", "optDiurnalPM", "optDiurnalWest", "optDiurnalEast", "optDiurnalNorth",
                                  "optDiurnalSouth"});

    connect(secondPerson_, &QCheckBox::clicked, this, &DiurnalInputWindow::secondPersonClicked);
    connect(natalData_, &QCheckBox::clicked, this, &DiurnalInputWindow::followNatalData);

    fillPresentMoment();
}

bool DiurnalInputWindow::secondPerson() const { return secondPerson_->isChecked(); }
QString DiurnalInputWindow::secondPersonName() const { return secondPerson_->text(); }

void DiurnalInputWindow::fillPresentMoment() {
    InputWindowTexts now = texts();
    fillDefaultPlace(now, session_.state.options);
    fillDateAndTime(now, presentMoment(session_, now.zone));
    setTexts(now);
}

void DiurnalInputWindow::copyNatal() {
    if (const auto* natal = session_.windows.find<NatalInputWindow>()) setTexts(natal->texts());
}

void DiurnalInputWindow::followNatalData() {
    if (natalData_->isChecked())
        copyNatal();
    else
        fillPresentMoment();
}

void DiurnalInputWindow::setSecondPersonCaption(const QString& name) { secondPerson_->setText(name); }

void DiurnalInputWindow::secondPersonClicked(bool checked) {
    applyMenuSwitches(secondPersonMenuSwitches(checked));
    if (checked) return;
    secondPerson_->setText(secondPersonCaption());
    session_.state.data.startReport();
}

void DiurnalInputWindow::mouseReleaseEvent(QMouseEvent* event) {
    // A left click on the window's own surface computes the chart, as the natal OK does.
    auto* natal = session_.windows.find<NatalInputWindow>();
    if (event->button() == Qt::LeftButton && onBareSurface(*event) && natal) natal->pressOk();
    InputWindow::mouseReleaseEvent(event);
}

}  // namespace helion::ui
