#pragma once
// Records every message box a window would show, and answers questions from a queue.

#include <deque>
#include <vector>

#include "ui/message_boxes.h"

namespace helion::test {

class RecordingMessageBoxes final : public ui::MessageBoxes {
public:
    void show(const Message& message, ui::MessageIcon) override { shown.push_back(message); }
    bool askYesNo(const Message& question) override {
        shown.push_back(question);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Message> shown;
    std::deque<bool> answers;
};

}  // namespace helion::test
