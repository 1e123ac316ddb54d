#pragma once
// The file-select window: one file of a pattern ("*.FIL", "*.LL", "*.ORB") from any
// folder, with the current file of that kind selected. It starts in the folder it is
// given (the program folder), or in the user's documents folder when that is the
// per-user data folder; a button leads back to it.

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

    // Shows the window modally: the chosen file, or nothing when cancelled. The caption
    // says what the file is for; empty, the window's own "Select A File".
    static std::optional<std::filesystem::path> choose(const std::filesystem::path& startFolder, const QString& pattern,
                                                       const std::filesystem::path& currentFile,
                                                       QWidget* parent = nullptr, const QString& caption = {});

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
    std::filesystem::path programFolder_;
    QComboBox* drives_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
};

}  // namespace helion::ui
