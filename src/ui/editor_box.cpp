#include "ui/editor_box.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "core/config/editor_text.h"
#include "message_boxes/message_boxes.h"

namespace helion::ui {

void loadIntoEditorBox(const std::filesystem::path& file, QPlainTextEdit& box, QPushButton& save,
                       MessageBoxes& messages) {
    const EditorLoad load = loadEditorText(file);
    save.setEnabled(!load.error);
    if (load.error) messages.show(*load.error, MessageIcon::Stop);
    QString text = QString::fromStdString(load.text);
    text.replace("\r\n", "\n");
    box.setPlainText(text);
}

}  // namespace helion::ui
