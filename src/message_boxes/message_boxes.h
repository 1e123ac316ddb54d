#pragma once
// Message boxes go through this interface so that window logic can be tested without
// a screen: the program shows real boxes, the tests record what would have been shown.

#include <string>

#include "core/base/message.h"

class QWidget;

namespace helion::ui {

enum class MessageIcon { Information, Stop, Question, Exclamation };
enum class Answer { Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const Message& message, MessageIcon icon = MessageIcon::Information) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const Message& question) = 0;
    // A Yes/No/Cancel question with Cancel as the default button; closing the box is Cancel.
    virtual Answer askYesNoCancel(const Message& question) = 0;
};

// Real message boxes, modal to the given parent window.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void show(const Message& message, MessageIcon icon) override;
    bool askYesNo(const Message& question) override;
    Answer askYesNoCancel(const Message& question) override;

private:
    QWidget* parent_;
};

}  // namespace helion::ui
