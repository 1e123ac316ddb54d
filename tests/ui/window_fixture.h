#pragma once
// A session with the three windows the chart command reaches, the shipped options,
// an ephemeris of uniform motions and recorded message boxes, in a temporary folder.

#include <gtest/gtest.h>

#include <QLineEdit>

#include <memory>

#include "../core/base/temp_folder.h"
#include "../core/astro/fake_ephemeris.h"
#include "recording_message_boxes.h"
#include "ui/input_d.h"
#include "ui/input_d1.h"
#include "ui/output_d1.h"
#include "ui/session.h"

namespace helion::test {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        session.state.programFolder = folder.path();
        session.state.options = loadOptions(HELION_SOURCE_DIR "/data/OPTIONS.OPT", {}).values;
        session.state.settings = defaultSettings(folder.path());
        session.ephemeris = std::make_unique<FakeEphemeris>();
        session.messages = &boxes;
        data = std::make_unique<ui::OutputD1>(session);
        session.dataWindow = data.get();
        natal = std::make_unique<ui::InputD>(session);
        session.natalInput = natal.get();
        diurnal = std::make_unique<ui::InputD1>(session);
        session.diurnalInput = diurnal.get();
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
    std::unique_ptr<ui::OutputD1> data;
    std::unique_ptr<ui::InputD> natal;
    std::unique_ptr<ui::InputD1> diurnal;
};

}  // namespace helion::test
