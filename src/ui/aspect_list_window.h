#pragma once
// The aspect list (object `CWAspect`): the aspects and parallels of the wheel shown, in the
// glyph font, built once when the window opens.

#include <QWidget>

#include "core/wheels/aspect_list.h"

class QPlainTextEdit;

namespace helion::ui {

class AspectListWindow final : public QWidget {
public:
    explicit AspectListWindow(const AspectListInput& input, QWidget* parent = nullptr);

    QString listText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* text_ = nullptr;
};

// The list as one text, a line break after every line: an empty line is only its break,
// an aspect line is two blanks, the first body's glyph, a blank, the aspect glyph, a blank
// and the second body's glyph. The list's own first empty line is its leading break.
QString aspectListText(const std::vector<AspectListLine>& lines);

}  // namespace helion::ui
