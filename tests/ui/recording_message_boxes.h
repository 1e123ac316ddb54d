#pragma once
// Records every message box a window would show; every Yes/No question is answered No,
// every Yes/No/Cancel question with `threeWayAnswer`.

#include <vector>

#include "ui/message_boxes.h"

namespace helion::test {

class RecordingMessageBoxes final : public ui::MessageBoxes {
public:
    void show(const Message& message, ui::MessageIcon) override { shown.push_back(message); }
    bool askYesNo(const Message& question) override {
        shown.push_back(question);
        return false;
    }
    ui::Answer askYesNoCancel(const Message& question) override {
        shown.push_back(question);
        return threeWayAnswer;
    }
    ui::Answer threeWayAnswer = ui::Answer::Cancel;
    std::vector<Message> shown;
};

}  // namespace helion::test
