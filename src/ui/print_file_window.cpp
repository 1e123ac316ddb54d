#include "ui/print_file_window.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/text_file.h"
#include "core/reports/print_layout.h"
#include "ui/report_font.h"
#include "ui/session.h"

namespace helion::ui {
namespace {

constexpr double kShownFontPoints = 10.0;

void show(Session& session, const Message& message) {
    if (session.messages) session.messages->show(message, MessageIcon::Stop);
}

Message fileProblem(const std::filesystem::path& file, const char* what) {
    return errorMessage("The file " + fileNameOf(file) + " cannot be " + what + ".");
}

// The box's lines, each ended by carriage return and line feed, as the file holds them.
std::string fileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append(kLineBreak);
    return text;
}

}  // namespace

PrintFileWindow::PrintFileWindow(Session& session, std::filesystem::path printFile, QWidget* parent)
    : QDialog(parent), session_(session), printFile_(std::move(printFile)) {
    setObjectName("PrntFile");
    setWindowTitle("File To Print");
    content_ = new QPlainTextEdit(this);
    content_->setObjectName("txtContent");
    content_->setLineWrapMode(QPlainTextEdit::NoWrap);
    content_->setFont(reportFont(kShownFontPoints));
    auto* print = new QPushButton("&Print", this);
    print->setObjectName("btnPrint");
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content_);
    layout->addLayout(buttons);
    resize(760, 520);
    connect(print, &QPushButton::clicked, this, &PrintFileWindow::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    if (const std::optional<std::string> text = readTextFile(printFile_)) {
        QStringList lines;
        for (const std::string& line : printLines(*text)) lines << QString::fromStdString(line);
        content_->setPlainText(lines.join('\n'));
    } else {
        helion::ui::show(session_, fileProblem(printFile_, "read"));
    }
}

void PrintFileWindow::print() {
    const std::vector<std::string> lines = printLines(content_->toPlainText().toStdString());
    if (const FileWrite written = writeFileAtomically(printFile_, fileText(lines)); !written)
        helion::ui::show(session_, errorMessage("The file " + fileNameOf(printFile_) + cannotBeWritten(written)));
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer)) return;
    printOn(printer);
    accept();
}

void PrintFileWindow::printOn(QPrinter& printer) const {
    const std::vector<std::string> lines = printLines(content_->toPlainText().toStdString());
    const OptionValues& options = session_.state.options;
    QPainter painter(&printer);
    const QFont font = reportFont(printFontPoints(lines, options));
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const auto pages = paginate(lines, options, pageHeight / lineHeight);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) printer.newPage();
        int baseline = metrics.ascent();
        for (const std::string& line : pages[page]) {
            painter.drawText(0, baseline, QString::fromStdString(line));
            baseline += lineHeight;
        }
    }
}

}  // namespace helion::ui
