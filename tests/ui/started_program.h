#pragma once
// Helion started as its desktop program starts, in a temporary program folder holding
// the shipped data, with the splash window's OK pressed and message boxes recorded.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "../core/base/temp_folder.h"
#include "recording_message_boxes.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/main_window.h"
#include "ui/natal_input_window.h"
#include "ui/splash_window.h"
#include "ui/startup.h"

namespace helion::test {

inline void pressSplashOk(ui::SplashWindow& splash) {
    QTest::mouseClick(splash.findChild<QWidget*>("cmdOK"), Qt::LeftButton);
    splash.waitForOk();
}

inline QAction* item(ui::Program& program, const char* name) { return program.mainWindow->findChild<QAction*>(name); }

inline QString dataText(ui::Program& program) {
    return program.dataWindow->findChild<QPlainTextEdit*>("RichText1")->toPlainText();
}

// A temporary program folder holding a copy of the shipped data files.
class ProgramFolderCopy : public TempFolder {
public:
    ProgramFolderCopy() {
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(HELION_SOURCE_DIR) / "data"))
            std::filesystem::copy_file(entry.path(), path() / entry.path().filename());
    }
};

class StartedProgramTest : public ::testing::Test {
protected:
    std::unique_ptr<ui::Program> start() { return ui::startHelion({folder.path(), false, {}}, boxes, pressSplashOk); }
    ProgramFolderCopy folder;
    RecordingMessageBoxes boxes;
};

}  // namespace helion::test
