#include "ui/natal_input_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/chart_command.h"
#include "ui/list_window_parts.h"
#include "ui/names_save_command.h"
#include "ui/present_moment.h"
#include "ui/session.h"
#include "ui/time_zone_window.h"

namespace helion::ui {
namespace {

using T = InputWindowTexts;
constexpr KeyFilter kDigits = KeyFilter::Digits;

const std::vector<InputFieldPlace>& natalFields() {
    static const std::vector<InputFieldPlace> fields{
        {"txtName", "lblName", "Name", KeyFilter::AnyText, &T::name, 0, 0},
        {"txtMonth", "lblMonth", "Birth Month", kDigits, &T::month, 1, 0},
        {"txtDay", "lblDay", "Birth Day", kDigits, &T::day, 1, 1},
        {"txtYear", "lblYear", "Birth Year", kDigits, &T::year, 1, 2},
        {"txtBirthHour", "lblBirthHour", "Birth Hour", kDigits, &T::hour, 2, 0},
        {"txtBirthMinute", "lblBirthMinute", "Birth Minute", kDigits, &T::minute, 2, 1},
        {"txtTZ", "lblBirthTZ", "Time Zone . . .", KeyFilter::ZoneDigits, &T::zone, 3, 0},
        {"txtLongDeg", "lblLongDeg", "Long Degrees", kDigits, &T::longitudeDegrees, 4, 0},
        {"txtLongMin", "lblLongMin", "Long Minutes", kDigits, &T::longitudeMinutes, 4, 1},
        {"txtLatDeg", "lblLatDeg", "Lat Degrees", kDigits, &T::latitudeDegrees, 5, 0},
        {"txtLatMin", "lblLatMin", "Lat Minutes", kDigits, &T::latitudeMinutes, 5, 1},
    };
    return fields;
}

}  // namespace

NatalInputWindow::NatalInputWindow(Session& session, QWidget* parent) : InputWindow(session, HourBox::Natal, parent) {
    setObjectName("InputD");
    setWindowTitle("Natal Input Data");
    buildFields(natalFields(), {"optAM", "optPM", "optWest", "optEast", "optNorth", "optSouth"});

    auto* now = new QPushButton("&Now", this);
    now->setObjectName("cmdNow");
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* save = new QPushButton("Save to disk", this);
    save->setObjectName("cmdSave");
    // A short word after each save instead of a box to close.
    auto* status = new QLabel(this);
    status->setObjectName("lblSaveStatus");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(status);
    buttons->addStretch();
    buttons->addWidget(now);
    buttons->addWidget(ok);
    fieldGrid()->addLayout(buttons, fieldGrid()->rowCount(), 0, 1, -1);
    connect(now, &QPushButton::clicked, this, &NatalInputWindow::fillPresentMoment);
    connect(ok, &QPushButton::clicked, this, &NatalInputWindow::pressOk);
    connect(save, &QPushButton::clicked, this, [this, status] {
        status->clear();
        const InputWindowTexts saved = texts();
        if (const auto file = saveToNamesFile(session_, saved, this))
            status->setText(QString("Saved %1 into %2").arg(QString::fromStdString(saved.name), fileLabelText(*file)));
    });

    fillPresentMoment();
}

void NatalInputWindow::fillPresentMoment() {
    InputWindowTexts now = texts();
    now.name = kNowChartName;
    fillDefaultPlace(now, session_.state.options);
    fillDateAndTime(now, presentMoment(session_, now.zone));
    setTexts(now);
}

void NatalInputWindow::refreshDateAndTime() {
    InputWindowTexts now = texts();
    fillDateAndTime(now, presentMoment(session_, now.zone));
    setTexts(now);
}

void NatalInputWindow::pressOk() {
    if (auto* zones = session_.windows.find<TimeZoneWindow>()) zones->close();
    computeCharts(session_, ReportData::StartNew);
}

}  // namespace helion::ui
