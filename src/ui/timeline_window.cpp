#include "ui/timeline_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <chrono>

#include "core/astro/eclipse_search.h"
#include "core/config/orb_file.h"
#include "core/events/event_finder.h"
#include "core/events/timeline_report.h"
#include "core/input/names_record.h"
#include "ui/data_window.h"
#include "ui/session.h"
#include "ui/timeline_picture_window.h"

namespace helion::ui {
namespace {

constexpr std::array<const char*, kEventChoiceCount> kKindCaptions{
    "&Transits", "The &Moon's transits", "&Stations",  "Sign &ingresses", "&House ingresses", "&Lunations",
    "&Eclipses", "&Progressions",        "Solar &arcs"};
constexpr const char* kDateText = "Please give both dates as dd mmm yyyy, such as 01 Jan 2027.";

// The ephemeris searches eclipses itself; an ephemeris that cannot finds none.
class NoEclipses final : public EclipseSearch {
public:
    std::optional<EclipseFound> nextSolarEclipse(double) const override { return std::nullopt; }
    std::optional<EclipseFound> nextLunarEclipse(double) const override { return std::nullopt; }
};

int presentYear(const Session& session) {
    const auto days = std::chrono::floor<std::chrono::days>(session.universalClock());
    return static_cast<int>(std::chrono::year_month_day(days).year());
}

}  // namespace

TimelineWindow::TimelineWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName("Timeline");
    setWindowTitle("Timeline");
    const QString year = QString::number(presentYear(session));
    from_ = new QLineEdit("01 Jan " + year, this);
    from_->setObjectName("txtFrom");
    to_ = new QLineEdit("31 Dec " + year, this);
    to_->setObjectName("txtTo");
    auto* dates = new QFormLayout;
    dates->addRow("&From", from_);
    dates->addRow("T&o", to_);

    const EventChoices remembered =
        parseEventChoices(session.state.settings.timelineKinds).value_or(EventChoices::usual());
    auto* kindGrid = new QGridLayout;
    for (std::size_t k = 0; k < kEventChoiceCount; ++k) {
        kinds_[k] = new QCheckBox(kKindCaptions[k], this);
        kinds_[k]->setObjectName(QString("chk") + QString::fromUtf8(kEventChoiceNames[k].data(),
                                                                    static_cast<int>(kEventChoiceNames[k].size())));
        kinds_[k]->setChecked(remembered.none() ? EventChoices::usual().has(static_cast<EventChoice>(k))
                                                : remembered.has(static_cast<EventChoice>(k)));
        kindGrid->addWidget(kinds_[k], static_cast<int>(k % 5), static_cast<int>(k / 5));
    }

    orbFile_ = new QComboBox(this);
    orbFile_->setObjectName("cboOrbFile");
    for (const std::string_view file : orb_file::kShipped)
        orbFile_->addItem(QString::fromUtf8(file.data(), static_cast<int>(file.size())));
    orbFile_->setCurrentText(QString::fromUtf8(orb_file::NatalTransits.data()));
    dates->addRow("Transit &orbs", orbFile_);
    byKind_ = new QCheckBox("Sort by &kind", this);
    byKind_->setObjectName("chkSortByKind");
    dates->addRow(byKind_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TimelineWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TimelineWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(kindGrid);
    layout->addWidget(buttons);
}

EventChoices TimelineWindow::chosenKinds() const {
    EventChoices choices;
    for (std::size_t k = 0; k < kEventChoiceCount; ++k)
        choices.set(static_cast<EventChoice>(k), kinds_[k]->isChecked());
    return choices;
}

void TimelineWindow::accept() {
    const auto first = parseNamesDate(from_->text().toStdString());
    const auto last = parseNamesDate(to_->text().toStdString());
    if (!first || !last) {
        session_.messages->show(warningMessage(kDateText), MessageIcon::Exclamation);
        return;
    }
    AppState& state = session_.state;
    state.settings.timelineKinds = eventChoicesText(chosenKinds());
    const auto orbs = [&](std::string_view file) { return loadOrbTable(state.programFolder / file).table; };
    EventRequest request;
    request.natal = natalFrameOf(state.charts);
    request.natalCusp = state.charts.natal.cusp;
    request.period = periodOfLocalDays(*first, *last, state.charts.diurnalInput.zone);
    request.choices = chosenKinds();
    request.transitOrbs = orbs(orbFile_->currentText().toStdString());
    request.progressedOrbs = orbs(orb_file::NatalProgressed);
    request.solarArcOrbs = orbs(orb_file::NatalMinorProgressed);
    const NoEclipses none;
    const auto* eclipses = dynamic_cast<const EclipseSearch*>(session_.ephemeris.get());
    const EventSearch search = findEvents(request, *session_.ephemeris, eclipses ? *eclipses : none);
    for (const Message& m : search.messages) session_.messages->show(m, MessageIcon::Exclamation);
    if (search.events.empty() && !search.messages.empty()) return;
    session_.windows.find<DataWindow>()->present(
        timelineReport(state.charts, request.period, search.events,
                       byKind_->isChecked() ? TimelineOrder::ByKind : TimelineOrder::ByDate));
    auto* picture = session_.windows.find<TimelinePictureWindow>();
    if (!picture) {
        picture = new TimelinePictureWindow(session_, session_.windows.find<DataWindow>());
        session_.windows.add(picture);
    }
    picture->showTimeline(search.events, request.period);
    QDialog::accept();
}

}  // namespace helion::ui
