#include "atlas/atlas_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/atlas/atlas_result.h"
#include "core/atlas/coordinate_text.h"
#include "core/atlas/offset_text.h"
#include "message_boxes/message_boxes.h"

namespace helion::atlas {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// "5 (west of Greenwich)": the number the input windows take, and which side it means.
std::string offsetText(double hoursWest) {
    const std::string hours = hoursText(hoursWest);
    if (hours == "0") return hours;
    return hours + (hoursWest > 0.0 ? " (west of Greenwich)" : " (east of Greenwich)");
}

}  // namespace

AtlasWindow::AtlasWindow(const PlaceList& places, const ZoneHistory& history, ui::MessageBoxes& messages,
                         std::filesystem::path atlasFolder, const MomentTexts& moment)
    : places_(places),
      history_(history),
      messages_(messages),
      atlasFolder_(std::move(atlasFolder)),
      search_(named(new QLineEdit, "txtSearch")),
      list_(named(new QTreeWidget, "lstPlaces")),
      date_(named(new QLineEdit(moment.date), "txtDate")),
      time_(named(new QLineEdit(moment.time), "txtTime")),
      am_(named(new QRadioButton("A.M."), "optAM")),
      pm_(named(new QRadioButton("P.M."), "optPM")),
      coordinates_(named(new QLabel, "lblCoordinates")),
      offset_(named(new QLabel, "lblOffset")),
      warnings_(named(new QLabel, "lblWarnings")) {
    setObjectName("Atlas");
    setWindowTitle("Helion Atlas");
    search_->setPlaceholderText("Type a place: Sao Paulo, London, CA ...");
    list_->setHeaderLabels({"Place", "Region", "Country"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    (moment.am ? am_ : pm_)->setChecked(true);
    warnings_->setWordWrap(true);
    offset_->setWordWrap(true);
    // Room for the longest texts, so that the list keeps its height as they change.
    const int line = fontMetrics().lineSpacing();
    offset_->setFixedHeight(2 * line);
    warnings_->setFixedHeight(5 * line);
    warnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offset_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    search_->installEventFilter(this);

    auto* clock = new QHBoxLayout;
    clock->addWidget(time_);
    clock->addWidget(am_);
    clock->addWidget(pm_);
    auto* form = new QFormLayout;
    form->addRow("Local date (dd mmm yyyy):", date_);
    form->addRow("Local clock time (H.MM):", clock);
    form->addRow("Place:", coordinates_);
    form->addRow("Offset:", offset_);
    form->addRow("Warnings:", warnings_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(named(new QPushButton("OK"), "cmdOK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(named(new QPushButton("Cancel"), "cmdCancel"), QDialogButtonBox::RejectRole);
    auto* about = named(new QPushButton("About"), "cmdAbout");
    buttons->addButton(about, QDialogButtonBox::HelpRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(640, 560);

    connect(search_, &QLineEdit::textChanged, this, &AtlasWindow::search);
    connect(list_, &QTreeWidget::currentItemChanged, this, &AtlasWindow::showAnswer);
    connect(date_, &QLineEdit::textChanged, this, &AtlasWindow::showAnswer);
    connect(time_, &QLineEdit::textChanged, this, &AtlasWindow::showAnswer);
    connect(am_, &QRadioButton::toggled, this, &AtlasWindow::showAnswer);
    connect(buttons, &QDialogButtonBox::accepted, this, &AtlasWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AtlasWindow::reject);
    connect(about, &QPushButton::clicked, this, [this] {
        messages_.show({"About Helion Atlas", aboutText().toStdString()});
    });
    search();
}

QString AtlasWindow::aboutText() {
    return "Helion Atlas finds a place and the time-zone offset its clocks kept at a local date and time, "
           "from the IANA time-zone history of this computer.\n\n"
           "The place list is made from GeoNames data (https://www.geonames.org/), licensed under the "
           "Creative Commons Attribution 4.0 License (CC BY 4.0): places of at least 1,000 inhabitants, "
           "with a time zone added to each from the zone borders of timezone-boundary-builder, "
           "(c) OpenStreetMap contributors, under the Open Database License (ODbL 1.0).";
}

bool AtlasWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != search_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    const int row = list_->indexOfTopLevelItem(list_->currentItem()) + (key == Qt::Key_Down ? 1 : -1);
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) list_->setCurrentItem(item);
    return true;
}

void AtlasWindow::search() {
    listed_ = searchPlaces(places_, search_->text().toStdString(), kListedPlaces);
    list_->setUpdatesEnabled(false);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const PlaceMatch& match : listed_) {
        const Place& place = places_.places[match.place];
        items.append(new QTreeWidgetItem(
            {text(matchedName(places_, match)), text(regionOf(places_, place)), text(countryOf(places_, place))}));
    }
    list_->addTopLevelItems(items);
    list_->setUpdatesEnabled(true);
    if (!items.isEmpty()) list_->setCurrentItem(items.front());
    showAnswer();
}

const Place* AtlasWindow::chosenPlace() const {
    // While the list is refilled its rows may not yet match the places found.
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= listed_.size()) return nullptr;
    return &places_.places[listed_[static_cast<std::size_t>(row)].place];
}

LocalMomentRead AtlasWindow::moment() const {
    return readLocalMoment(date_->text().toStdString(), time_->text().toStdString(), am_->isChecked() ? "A" : "P");
}

void AtlasWindow::showAnswer() {
    const Place* place = chosenPlace();
    coordinates_->setText(place == nullptr ? QString()
                                           : text(displayText(latitudeDegreesMinutes(place->latitudeDeg)) + "  " +
                                                  displayText(longitudeDegreesMinutes(place->longitudeDeg)) + "  " +
                                                  zoneOf(places_, *place)));
    const LocalMomentRead read = moment();
    if (place == nullptr || !read.moment) {
        offset_->setText(text(read.error));
        warnings_->clear();
        return;
    }
    const PlaceAnswer answer = answerFor(history_, places_, *place, *read.moment);
    offset_->setText(answer.offset ? text(offsetText(answer.offset->hoursWest) + ": " + answer.reason)
                                   : text(answer.reason));
    QStringList warnings;
    for (const auto& warning : answer.warnings) warnings.append(text(warning));
    warnings_->setText(warnings.join("\n"));
}

void AtlasWindow::accept() {
    const Place* place = chosenPlace();
    if (place == nullptr) {
        messages_.show(warningMessage("Choose a place first."));
        return;
    }
    const LocalMomentRead read = moment();
    if (!read.moment) {
        messages_.show(warningMessage(read.error));
        return;
    }
    const PlaceAnswer answer = answerFor(history_, places_, *place, *read.moment);
    if (!answer.offset) {
        messages_.show(warningMessage(answer.reason));
        return;
    }
    if (const auto failure = writeAtlasResult(atlasFolder_, places_, *place, *answer.offset)) {
        messages_.show(*failure, ui::MessageIcon::Stop);
        return;
    }
    QDialog::accept();
}

}  // namespace helion::atlas
