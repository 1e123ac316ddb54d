#include "ui/time_zone_window.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/base/numeric_text.h"
#include "core/input/input_window_logic.h"
#include "ui/diurnal_input_window.h"
#include "ui/list_window_parts.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"
#include "ui/side_window.h"

namespace helion::ui {

namespace {

constexpr const char* kHelpText =
    "Click a zone to put its offset into the Time Zone box of the input window that opened "
    "this list; East or West is chosen by its sign (hours west of Greenwich are positive). "
    "The zones come from TZ.DAT in the program folder, a plain text file of name, "
    "abbreviation and offset. Close leaves the box as it was.";

}  // namespace

TimeZoneWindow& TimeZoneWindow::open(Session& session, bool forDiurnal) {
    session.timeZoneForDiurnal = forDiurnal;
    return openSideWindow<TimeZoneWindow>(session);
}

TimeZoneWindow::TimeZoneWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("TimeZone");
    setWindowTitle("Time Zones");
    auto* layout = new QVBoxLayout(this);
    help_ = new QLabel(kHelpText, this);
    help_->setObjectName("lblHelp");
    help_->setWordWrap(true);
    help_->hide();
    layout->addWidget(help_);
    list_ = new QListWidget(this);
    list_->setObjectName("lstTimeZones");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(list_);
    QPushButton* close = addNamedButton(*this, *layout, "Command1", "&Close");
    resize(460, 420);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pick(list_->row(item)); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TimeZoneWindow::fillList() {
    table_ = loadTimeZoneTable(session_.state.programFolder / kTimeZoneFile);
    QStringList lines;
    for (const TimeZoneEntry& zone : table_.zones) lines.append(QString::fromStdString(timeZoneListLine(zone)));
    refill(*list_, lines);
    if (table_.error) session_.messages->show(*table_.error, MessageIcon::Stop);
}

void TimeZoneWindow::showHelp() { help_->show(); }

void TimeZoneWindow::pick(int row) {
    if (row < 0 || row >= static_cast<int>(table_.zones.size())) return;
    // Two zones of the same name: the first one in the table.
    const std::string& name = table_.zones[static_cast<std::size_t>(row)].name;
    const auto zone = std::ranges::find(table_.zones, name, &TimeZoneEntry::name);
    const double offset = numericValue(zone->offset);
    InputWindow* target = session_.timeZoneForDiurnal
                              ? static_cast<InputWindow*>(session_.windows.find<DiurnalInputWindow>())
                              : static_cast<InputWindow*>(session_.windows.find<NatalInputWindow>());
    if (target) target->setZone(numberText(offset), offset < 0);
}

}  // namespace helion::ui
