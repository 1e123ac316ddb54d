#pragma once
// The file-select window: one file of a pattern ("*.FIL", "*.LL", "*.ORB") from any
// folder, starting in the program folder with the current file of that kind selected.

#include <QDialog>

#include <filesystem>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;

namespace helion::ui {

class SelectFileWindow final : public QDialog {
    Q_OBJECT
public:
    SelectFileWindow(const std::filesystem::path& startFolder, const QString& pattern,
                     std::filesystem::path currentFile, QWidget* parent = nullptr);

    // Shows the window modally: the chosen file, or nothing when cancelled.
    static std::optional<std::filesystem::path> choose(const std::filesystem::path& startFolder, const QString& pattern,
                                                       const std::filesystem::path& currentFile,
                                                       QWidget* parent = nullptr);

    // The chosen path: the current file until a file is selected, empty after Cancel.
    const std::filesystem::path& chosenPath() const { return chosen_; }
    void openFolder(const std::filesystem::path& folder);
    // Cancel, Escape or closing the window: no file chosen.
    void reject() override;

private:
    void select();
    void fillFiles();

    QString pattern_;
    std::filesystem::path currentFile_;
    std::filesystem::path chosen_;
    std::filesystem::path folder_;
    QComboBox* drives_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
};

}  // namespace helion::ui
