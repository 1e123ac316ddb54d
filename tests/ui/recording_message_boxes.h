#pragma once
// Records every message box a window would show; every question is answered No unless
// `answerYes` is set.

#include <vector>

#include "ui/message_boxes.h"

namespace helion::test {

class RecordingMessageBoxes final : public ui::MessageBoxes {
public:
    void show(const Message& message, ui::MessageIcon) override { shown.push_back(message); }
    bool askYesNo(const Message& question) override {
        shown.push_back(question);
        return answerYes;
    }
    std::vector<Message> shown;
    bool answerYes = false;
};

}  // namespace helion::test
