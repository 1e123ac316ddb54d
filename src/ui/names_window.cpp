#include "ui/names_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/input/names_record.h"
#include "ui/chart_command.h"
#include "ui/cities_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/list_window_parts.h"
#include "ui/main_window_link.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"
#include "ui/side_window.h"

namespace helion::ui {
namespace {

// A locked entry shows this many rows below the top of the list.
constexpr int kLockedRowsFromTop = 12;

}  // namespace

NamesWindow& NamesWindow::open(Session& session) { return openSideWindow<NamesWindow>(session); }

NamesWindow::NamesWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("Names");
    setWindowTitle("Names");
    const ListWindowParts parts = addFileList(*this, "lblNamesOnFile", "NamesOnFile", "Click here for cities");
    fileLabel_ = parts.fileLabel;
    list_ = parts.list;
    lock_ = new QCheckBox("Lock list", this);
    lock_->setObjectName("Check1");
    parts.layout->insertWidget(2, lock_);  // below the list, above the buttons
    resize(260, 420);

    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pick(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { pickAndCompute(list_->row(item)); });
    connect(lock_, &QCheckBox::clicked, this, &NamesWindow::lockClicked);
    connect(parts.otherList, &QPushButton::clicked, this, &NamesWindow::openCities);
    connect(parts.edit, &QPushButton::clicked, this, &NamesWindow::editList);
    connect(parts.change, &QPushButton::clicked, this, &NamesWindow::changeList);
}

std::filesystem::path NamesWindow::currentFile() const {
    return currentNamesFile(session_.state.settings.dataFile, session_.state.programFolder);
}

void NamesWindow::fillList() {
    NamesListState& state = session_.namesList;
    lock_->setChecked(state.locked);
    file_ = loadNamesFile(currentFile());
    showFileRecords(*fileLabel_, *list_, currentFile(), file_.records,
                    [](const NameRecord& record) { return record.name; });
    if (file_.error) session_.messages->show(*file_.error, MessageIcon::Stop);
    if (state.locked && !state.changed && list_->count() > 0) {
        const int index = std::min(state.lockedIndex, list_->count() - 1);
        list_->setCurrentRow(index);
        list_->scrollToItem(list_->item(std::max(0, index - kLockedRowsFromTop)), QAbstractItemView::PositionAtTop);
    }
}

void NamesWindow::lockClicked(bool checked) {
    session_.namesList.locked = checked;
    if (checked) session_.namesList.lockedIndex = std::max(0, list_->currentRow());
}

void NamesWindow::pick(int row) {
    if (row < 0 || row >= static_cast<int>(file_.records.size())) return;
    const NameRecord& record = file_.records[static_cast<std::size_t>(row)];
    const NamesRecordParse parse = parseNamesRecord(record.text);
    if (!parse.texts) {
        session_.messages->show(errorMessage(kNamesFileErrorText), MessageIcon::Stop);
        return;
    }
    auto* diurnal = session_.windows.find<DiurnalInputWindow>();
    if (diurnal && diurnal->secondPerson()) {
        diurnal->setTexts(*parse.texts);
        diurnal->setSecondPersonCaption(QString::fromStdString(record.name));
    } else if (auto* natal = session_.windows.find<NatalInputWindow>()) {
        natal->setTexts(*parse.texts);
    }
}

void NamesWindow::pickAndCompute(int row) {
    const auto* diurnal = session_.windows.find<DiurnalInputWindow>();
    if (diurnal && diurnal->secondPerson()) return;
    session_.namesList.changed = false;
    pick(row);
    close();
    activateMainWindow();
    computeCharts(session_, ReportData::Keep);
}

void NamesWindow::changeList() {
    if (!changeListFile(session_, *this, "*.FIL", session_.state.settings.dataFile, currentFile())) return;
    session_.namesList.lockedIndex = 0;
    session_.namesList.changed = false;
    fillList();
}

void NamesWindow::editList() { editListFile(session_, *this, "NameEdit", currentFile()); }

void NamesWindow::openCities() {
    close();
    CitiesWindow::open(session_);
}

}  // namespace helion::ui
