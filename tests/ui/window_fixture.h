#pragma once
// A session with the three windows the chart command reaches, the shipped options,
// an ephemeris of uniform motions and recorded message boxes, in a temporary folder.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "../core/astro/fake_ephemeris.h"
#include "../core/base/temp_folder.h"
#include "recording_message_boxes.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/natal_input_window.h"
#include "ui/session.h"

namespace helion::test {

// Whether `control` stands in `layout` or one nested in it: a control outside every layout
// is drawn over the window's corner.
inline bool laidOut(const QLayout* layout, const QWidget* control) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* entry = layout->itemAt(i);
        if (entry->widget() == control || laidOut(entry->layout(), control)) return true;
    }
    return false;
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        session.state.programFolder = folder.path();
        session.state.options = loadOptions(HELION_SOURCE_DIR "/data/OPTIONS.OPT", {}).values;
        session.state.settings = defaultSettings(folder.path());
        session.ephemeris = std::make_unique<FakeEphemeris>();
        session.messages = &boxes;
        data = std::make_unique<ui::DataWindow>(session);
        session.windows.add(data.get());
        natal = std::make_unique<ui::NatalInputWindow>(session);
        session.windows.add(natal.get());
        diurnal = std::make_unique<ui::DiurnalInputWindow>(session);
        session.windows.add(diurnal.get());
    }

public:
    template <typename W = QLineEdit>
    static W* control(QWidget& window, const char* name) {
        W* found = window.findChild<W*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }

protected:
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : boxes.shown) texts.push_back(m.text);
        return texts;
    }

    TempFolder folder;
    RecordingMessageBoxes boxes;
    ui::Session session;
    std::unique_ptr<ui::DataWindow> data;
    std::unique_ptr<ui::NatalInputWindow> natal;
    std::unique_ptr<ui::DiurnalInputWindow> diurnal;
};

}  // namespace helion::test
