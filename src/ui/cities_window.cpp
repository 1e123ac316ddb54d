#include "ui/cities_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/diurnal_input_window.h"
#include "ui/list_window_parts.h"
#include "ui/names_window.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"
#include "ui/side_window.h"

namespace helion::ui {

CitiesWindow& CitiesWindow::open(Session& session) { return openSideWindow<CitiesWindow>(session); }

CitiesWindow::CitiesWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("Geograph");
    setWindowTitle("Cities");
    const ListWindowParts parts = addFileList(*this, "lblCitiesOnFile", "CitiesOnFile", "Click here for names");
    fileLabel_ = parts.fileLabel;
    list_ = parts.list;
    resize(300, 420);

    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pick(list_->row(item)); });
    connect(parts.otherList, &QPushButton::clicked, this, &CitiesWindow::openNames);
    connect(parts.edit, &QPushButton::clicked, this, &CitiesWindow::editList);
    connect(parts.change, &QPushButton::clicked, this, &CitiesWindow::changeList);
}

std::filesystem::path CitiesWindow::currentFile() const {
    return currentCitiesFile(session_.state.settings.geoDataFile, session_.state.programFolder);
}

void CitiesWindow::fillList() {
    file_ = loadCitiesFile(currentFile());
    showFileRecords(*fileLabel_, *list_, currentFile(), file_.records,
                    [](const CityRecord& city) { return city.listText(); });
    if (file_.error) session_.messages->show(*file_.error, MessageIcon::Stop);
}

void CitiesWindow::pick(int row) {
    if (row < 0 || row >= static_cast<int>(file_.records.size())) return;
    // Two places of the same name and region: the first one in the file.
    const std::string text = file_.records[static_cast<std::size_t>(row)].listText();
    const auto first = std::find_if(file_.records.begin(), file_.records.end(),
                                    [&text](const CityRecord& city) { return city.listText() == text; });
    const CityDecode decode = decodeCity(*first);
    if (!decode.place) {
        session_.messages->show(errorMessage(kCityFormatErrorText), MessageIcon::Stop);
        return;
    }
    DiurnalInputWindow* diurnal = session_.windows.find<DiurnalInputWindow>();
    if (diurnal && diurnal->secondPerson()) {
        diurnal->setPlace(*decode.place);
        return;
    }
    if (auto* natal = session_.windows.find<NatalInputWindow>()) natal->setPlace(*decode.place);
    if (diurnal) diurnal->followNatalData();
}

void CitiesWindow::changeList() {
    if (changeListFile(session_, *this, "*.LL", session_.state.settings.geoDataFile, currentFile())) fillList();
}

void CitiesWindow::editList() { editListFile(session_, *this, "LongLat", currentFile()); }

void CitiesWindow::openNames() {
    close();
    NamesWindow::open(session_);
}

}  // namespace helion::ui
