#include "ui/list_window_parts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_frames.h"

namespace helion::ui {

ListWindowParts addFileList(QWidget& window, const char* labelName, const char* listName,
                            const char* otherListCaption) {
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(&window);
    label->setObjectName(labelName);
    auto* list = new QListWidget(&window);
    list->setObjectName(listName);
    layout->addWidget(label);
    layout->addWidget(list);
    return {label,
            list,
            layout,
            addNamedButton(window, *layout, "Command1", otherListCaption),
            addNamedButton(window, *layout, "cmdEditList", "Edit this List"),
            addNamedButton(window, *layout, "cmdNewFileList", "Change List")};
}

QPushButton* addNamedButton(QWidget& window, QVBoxLayout& layout, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), &window);
    button->setObjectName(name);
    layout.addWidget(button);
    return button;
}

void refill(QListWidget& list, const QStringList& lines) {
    list.setUpdatesEnabled(false);
    list.clear();
    list.addItems(lines);
    list.setUpdatesEnabled(true);
}

QString fileLabelText(const std::filesystem::path& file) {
    return QString::fromStdString(file.filename().string()).toUpper();
}

void placeBeside(QWidget& window, const QWidget& beside) {
    // The window has no frame before it is first shown; its neighbour's is the one the
    // window manager will give it.
    const FrameMargins frame = frameMarginsOf(beside);
    applyPlace(window, helion::placeBeside(frameRect(placeOf(beside), frame), window.width(), window.height(), frame,
                                           freeScreenArea(beside)));
}

}  // namespace helion::ui
