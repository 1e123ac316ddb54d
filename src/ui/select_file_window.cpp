#include "ui/select_file_window.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/file_choice.h"
#include "ui/dialog_folder.h"

namespace helion::ui {
namespace {

constexpr const char* kParentFolder = "..";

QString toQt(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QListWidget* namedList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

}  // namespace

SelectFileWindow::SelectFileWindow(const std::filesystem::path& startFolder, const QString& pattern,
                                   std::filesystem::path currentFile, QWidget* parent)
    : QDialog(parent),
      pattern_(pattern),
      currentFile_(std::move(currentFile)),
      chosen_(currentFile_),
      programFolder_(startFolder) {
    setObjectName("SelectFIle");
    setWindowTitle("Select A File");
    drives_ = new QComboBox(this);
    drives_->setObjectName("drvList");
    for (const QFileInfo& root : QDir::drives()) drives_->addItem(root.absoluteFilePath());
    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName("lblFolder");
    folders_ = namedList("dirList", this);
    files_ = namedList("filList", this);
    auto* select = new QPushButton("&Select", this);
    select->setObjectName("cmdSelect");
    select->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("cmdCancel");
    auto* programFolder = new QPushButton("&Program folder", this);
    programFolder->setObjectName("cmdProgramFolder");

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(drives_);
    left->addWidget(folderLabel_);
    left->addWidget(folders_);
    lists->addLayout(left);
    lists->addWidget(files_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(programFolder);
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(560, 380);

    connect(drives_, &QComboBox::activated, this,
            [this](int index) { openFolder(drives_->itemText(index).toStdString()); });
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openFolder(folder_ / item->text().toStdString()); });
    connect(files_, &QListWidget::itemActivated, this, &SelectFileWindow::select);
    connect(select, &QPushButton::clicked, this, &SelectFileWindow::select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(programFolder, &QPushButton::clicked, this, [this] { openFolder(programFolder_); });

    openFolder(fileDialogStartFolder(startFolder));
}

std::optional<std::filesystem::path> SelectFileWindow::choose(const std::filesystem::path& startFolder,
                                                              const QString& pattern,
                                                              const std::filesystem::path& currentFile, QWidget* parent,
                                                              const QString& caption) {
    SelectFileWindow window(startFolder, pattern, currentFile, parent);
    if (!caption.isEmpty()) window.setWindowTitle(caption);
    window.exec();
    if (window.chosenPath().empty()) return std::nullopt;
    return window.chosenPath();
}

void SelectFileWindow::openFolder(const std::filesystem::path& folder) {
    const QDir dir(toQt(folder));
    if (!dir.exists()) return;
    folder_ = dir.canonicalPath().toStdString();
    folderLabel_->setText(toQt(folder_));
    folders_->clear();
    if (!dir.isRoot()) folders_->addItem(kParentFolder);
    folders_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    fillFiles();
}

void SelectFileWindow::fillFiles() {
    QDir dir(toQt(folder_));
    dir.setNameFilters({pattern_});
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    files_->clear();
    files_->addItems(names);
    std::vector<std::string> listed;
    for (const QString& name : names) listed.push_back(name.toStdString());
    files_->setCurrentRow(preselectedFile(listed, currentFile_));
}

void SelectFileWindow::select() {
    if (const QListWidgetItem* item = files_->currentItem()) chosen_ = folder_ / item->text().toStdString();
    accept();
}

void SelectFileWindow::reject() {
    chosen_.clear();
    QDialog::reject();
}

}  // namespace helion::ui
