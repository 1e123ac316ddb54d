#include "ui/entry_numbered_edit.h"

#include <QPainter>
#include <QTextBlock>

namespace helion::ui {
namespace {

constexpr int kMarginPadding = 6;
constexpr int kWidestEntryDigits = 3;  // up to entry 999

class EntryMargin final : public QWidget {
public:
    explicit EntryMargin(EntryNumberedEdit& edit) : QWidget(&edit), edit_(edit) { setObjectName("entryNumbers"); }
    QSize sizeHint() const override { return {edit_.marginWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { edit_.paintMargin(event); }

private:
    EntryNumberedEdit& edit_;
};

}  // namespace

EntryNumberedEdit::EntryNumberedEdit(QWidget* parent) : QPlainTextEdit(parent) {
    margin_ = new EntryMargin(*this);
    connect(this, &QPlainTextEdit::updateRequest, this, &EntryNumberedEdit::updateMargin);
    connect(document(), &QTextDocument::contentsChanged, margin_, qOverload<>(&QWidget::update));
    setViewportMargins(marginWidth(), 0, 0, 0);
}

int EntryNumberedEdit::marginWidth() const {
    return kMarginPadding * 2 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * kWidestEntryDigits;
}

int EntryNumberedEdit::firstEmptyLine() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        if (block.text().isEmpty()) return block.blockNumber();
    return document()->blockCount();
}

int EntryNumberedEdit::entryNumber(int line) const { return line < firstEmptyLine() ? line + 1 : 0; }

void EntryNumberedEdit::updateMargin(const QRect& rect, int dy) {
    if (dy != 0)
        margin_->scroll(0, dy);
    else
        margin_->update(0, rect.y(), margin_->width(), rect.height());
}

void EntryNumberedEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect inside = contentsRect();
    margin_->setGeometry(inside.left(), inside.top(), marginWidth(), inside.height());
}

void EntryNumberedEdit::paintMargin(QPaintEvent* event) {
    QPainter painter(margin_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int entry = entryNumber(block.blockNumber());
        if (entry == 0) break;
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top())
            painter.drawText(0, top, marginWidth() - kMarginPadding, height, Qt::AlignRight, QString::number(entry));
        top += height;
        block = block.next();
    }
}

}  // namespace helion::ui
