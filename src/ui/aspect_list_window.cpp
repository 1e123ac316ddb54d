#include "ui/aspect_list_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "render/glyph_font.h"
#include "ui/main_window_link.h"

namespace helion::ui {
namespace {

constexpr double kListFontSize = 12;

bool isEscape(const QEvent* event) {
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

}  // namespace

QString aspectListText(const std::vector<AspectListLine>& lines) {
    QString text;
    for (const AspectListLine& line : lines) {
        if (line.firstGlyph != 0) {
            text += "  " + render::glyphText(line.firstGlyph) + " " + render::glyphText(line.aspectGlyph) + " " +
                    render::glyphText(line.secondGlyph);
        }
        text += "\n";
    }
    return text;
}

AspectListWindow::AspectListWindow(const AspectListInput& input, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("CWAspect");
    setAttribute(Qt::WA_DeleteOnClose);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Text1");
    text_->setFont(render::glyphFont(kListFontSize));
    text_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    text_->setPlainText(aspectListText(aspectList(input)));
    resize(200, 480);
    QApplication::restoreOverrideCursor();
}

QString AspectListWindow::listText() const { return text_->toPlainText(); }

void AspectListWindow::keyPressEvent(QKeyEvent* event) {
    if (isEscape(event)) {
        activateMainWindow();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool AspectListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && isEscape(event)) {
        activateMainWindow();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace helion::ui
