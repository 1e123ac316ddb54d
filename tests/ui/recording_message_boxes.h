#pragma once
// Records every message box a window would show. Questions take the queued answers,
// oldest first; once they are used up every question is answered Yes when `answerYes` is
// set, otherwise No.

#include <deque>
#include <vector>

#include "message_boxes/message_boxes.h"

namespace helion::test {

class RecordingMessageBoxes final : public ui::MessageBoxes {
public:
    void show(const Message& message, ui::MessageIcon) override { shown.push_back(message); }
    bool askYesNo(const Message& question) override { return askYesNoCancel(question) == ui::Answer::Yes; }
    ui::Answer askYesNoCancel(const Message& question) override {
        shown.push_back(question);
        if (answers.empty()) return answerYes ? ui::Answer::Yes : ui::Answer::No;
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Message> shown;
    std::deque<ui::Answer> answers;
    bool answerYes = false;
};

}  // namespace helion::test
