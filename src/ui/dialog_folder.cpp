#include "ui/dialog_folder.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>

#include "core/config/dialog_folder.h"
#include "core/config/program_folder.h"

namespace helion::ui {

std::filesystem::path fileDialogStartFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    std::error_code error;
    const bool documentsExist = !documents.empty() && std::filesystem::is_directory(documents, error);
    return dialogStartFolder(programFolder, xdgDataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
                             documentsExist ? documents : std::filesystem::path());
}

void addProgramFolderPlace(QFileDialog& dialog, const std::filesystem::path& programFolder) {
    QList<QUrl> places = dialog.sidebarUrls();
    const QUrl program = QUrl::fromLocalFile(QString::fromStdString(programFolder.string()));
    if (!places.contains(program)) places.append(program);
    dialog.setSidebarUrls(places);
}

}  // namespace helion::ui
