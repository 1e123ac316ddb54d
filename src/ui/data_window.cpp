#include "ui/data_window.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <limits>

#include "core/reports/data_window_report.h"
#include "core/reports/document_file.h"
#include "core/reports/help_text.h"
#include "core/reports/print_file.h"
#include "ui/dialog_folder.h"
#include "ui/font_steps.h"
#include "ui/main_window_link.h"
#include "ui/print_file_window.h"
#include "ui/report_font.h"
#include "ui/session.h"
#include "ui/twips_geometry.h"

namespace helion::ui {
namespace {

constexpr const char* kHelpFile = "OUTPUTD1.HLP";

QAction* addItem(QWidget* menu, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

Message replaceQuestion(const std::filesystem::path& file) {
    return {"Save As", file.filename().string() + " already exists.\nDo you want to replace it?"};
}

QString displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

// Twips kept in 16-bit settings entries.
std::int16_t settingTwips(double twips) {
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(twips, low, high));
}

}  // namespace

DataWindow::DataWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("OutputD1");
    setWindowTitle(kDataWindowCaption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("RichText1");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->installEventFilter(this);
    text_->viewport()->installEventFilter(this);
    buildMenus();
    layout->setMenuBar(menuBar_);
    layout->addWidget(text_);

    const Settings& settings = session_.state.settings;
    placeInTwips(*this, {double(settings.dataTop), double(settings.dataLeft), double(settings.dataHeight),
                         double(settings.dataWidth)});
    applyFont();
    bold_->setChecked(settings.fontBold != 0);
    italic_->setChecked(settings.fontItalic != 0);
    loading_ = false;

    chooseSaveFile = [this](const std::filesystem::path& proposed) -> std::optional<std::filesystem::path> {
        QFileDialog dialog(this, "Save As", QString::fromStdString(proposed.string()), "Data Files (*.DOC)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("doc");
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // saveAs asks through the message boxes
        addProgramFolderPlace(dialog, session_.state.programFolder);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return std::filesystem::path(dialog.selectedFiles().front().toStdString());
    };
    printFile = [this](const std::filesystem::path& file) {
        PrintFileWindow window(session_, file, this);
        window.exec();
    };
}

void DataWindow::buildMenus() {
    menuBar_ = new QMenuBar(this);
    QMenu* file = menuBar_->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* save = addItem(file, "mnuFileSave", "&Save");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &DataWindow::save);
    connect(addItem(file, "mnuFileSaveAs", "Save &As"), &QAction::triggered, this, &DataWindow::saveAs);
    QMenu* font = menuBar_->addMenu("F&ont");
    font->setObjectName("mnuFonts");
    increase_ = addItem(font, "mnuFontsIncrease", "&Increase");
    decrease_ = addItem(font, "mnuFontsDecrease", "&Decrease");
    bold_ = addItem(font, "mnuFontsBold", "&Bold");
    italic_ = addItem(font, "mnuFontsItalic", "I&talic");
    bold_->setCheckable(true);
    italic_->setCheckable(true);
    connect(increase_, &QAction::triggered, this, [this] { changeFontSize(+1); });
    connect(decrease_, &QAction::triggered, this, [this] { changeFontSize(-1); });
    connect(bold_, &QAction::triggered, this, &DataWindow::toggleBold);
    connect(italic_, &QAction::triggered, this, &DataWindow::toggleItalic);
    connect(addItem(menuBar_, "mnuClearBuffer", "&Clear all data"), &QAction::triggered, this,
            &DataWindow::clearAllData);
    QAction* printPage = addItem(menuBar_, "mnuPrint", "&Print page");
    printPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printPage, &QAction::triggered, this, &DataWindow::printPage);
    connect(addItem(menuBar_, "mnuPrintData", "Print &data"), &QAction::triggered, this, &DataWindow::printData);
    connect(addItem(menuBar_, "mnuHelp", "&Help"), &QAction::triggered, this, [this] { showHelpText(kHelpFile); });
}

void DataWindow::showReportText(const std::optional<std::string>& text) {
    if (!text) return;
    text_->setPlainText(displayText(*text));
    setWindowTitle(kDataWindowCaption);
    show();
    raise();
}

void DataWindow::showQueuedMessages() { showMessages(session_.state.data.takeMessages(), MessageIcon::Stop); }

void DataWindow::showMessages(const std::vector<Message>& messages, MessageIcon icon) {
    if (!session_.messages) return;
    for (const Message& message : messages) session_.messages->show(message, icon);
}

void DataWindow::save() {
    if (documentFile_.empty()) {
        saveAs();
        return;
    }
    const std::optional<Message> problem =
        saveDocument(session_.state.data, documentFile_, session_.state.options.savedPageLength());
    if (problem && session_.messages) session_.messages->show(*problem, MessageIcon::Exclamation);
}

void DataWindow::saveAs() {
    if (const std::optional<Message> nothing = nothingToSave(session_.state.data)) {
        if (session_.messages) session_.messages->show(*nothing, MessageIcon::Exclamation);
        return;
    }
    const std::filesystem::path proposed = fileDialogStartFolder(session_.state.programFolder) /
                                           proposedDocumentName(session_.state.charts.natalInput.name);
    const std::optional<std::filesystem::path> chosen = chooseSaveFile(proposed);
    if (!chosen) return;
    std::error_code error;
    const bool replacing = std::filesystem::exists(*chosen, error);
    if (replacing && !(session_.messages && session_.messages->askYesNo(replaceQuestion(*chosen)))) return;
    const std::optional<Message> problem =
        saveDocument(session_.state.data, *chosen, session_.state.options.savedPageLength());
    if (problem) {
        if (session_.messages) session_.messages->show(*problem, MessageIcon::Exclamation);
        return;
    }
    documentFile_ = *chosen;
}

int DataWindow::widthForWidestReport() const {
    const QFontMetrics metrics(text_->font());
    const int textWidth = metrics.horizontalAdvance(QString(kWidestReportColumns, QLatin1Char('0')));
    const int margins = 2 * (text_->frameWidth() + qCeil(text_->document()->documentMargin()));
    return textWidth + margins + text_->verticalScrollBar()->sizeHint().width();
}

void DataWindow::changeFontSize(int steps) {
    double& size = session_.state.settings.fontSize;
    const double step = fontStep(*this);
    if (steps > 0 && size < kLargestReportFont) size += step;
    if (steps < 0 && size > kSmallestReportFont) size -= step;
    applyFont();
}

void DataWindow::toggleBold() {
    double& bold = session_.state.settings.fontBold;
    bold = bold != 0 ? 0 : 1;
    bold_->setChecked(bold != 0);
    applyFont();
}

void DataWindow::toggleItalic() {
    double& italic = session_.state.settings.fontItalic;
    italic = italic != 0 ? 0 : 1;
    italic_->setChecked(italic != 0);
    applyFont();
}

void DataWindow::applyFont() {
    const Settings& settings = session_.state.settings;
    text_->setFont(reportFont(settings.fontSize, settings.fontBold != 0, settings.fontItalic != 0));
    increase_->setEnabled(settings.fontSize < kLargestReportFont);
    decrease_->setEnabled(settings.fontSize > kSmallestReportFont);
}

void DataWindow::clearAllData() {
    const Message notice = session_.state.data.clearAllData();
    if (session_.messages) session_.messages->show(notice, MessageIcon::Exclamation);
}

void DataWindow::printPage() { print(PrintScope::CurrentReport); }
void DataWindow::printData() { print(PrintScope::AllData); }

void DataWindow::print(PrintScope scope) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintFileOutcome outcome = writePrintFile(session_.state.data, scope, session_.state.programFolder);
    QApplication::restoreOverrideCursor();
    if (outcome.message && session_.messages) session_.messages->show(*outcome.message, MessageIcon::Exclamation);
    if (outcome.written) printFile(session_.state.programFolder / kPrintFileName);
}

void DataWindow::present(const Report& report) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<std::string> text = presentReport(session_.state.data, report);
    QApplication::restoreOverrideCursor();
    showMessages(report.messages, MessageIcon::Exclamation);
    showQueuedMessages();
    showReportText(text);
}

void DataWindow::showHelpText(std::string_view fileName) {
    const Report help = helpTextReport(session_.state.programFolder, fileName);
    if (help.lines.empty() && !help.messages.empty()) {
        showMessages(help.messages, MessageIcon::Exclamation);
        return;
    }
    present(help);
}

void DataWindow::storeGeometry() {
    if (loading_) return;
    const TwipsRect rect = geometryInTwips(*this);
    Settings& settings = session_.state.settings;
    settings.dataTop = settingTwips(rect.top);
    settings.dataLeft = settingTwips(rect.left);
    settings.dataHeight = settingTwips(rect.height);
    settings.dataWidth = settingTwips(rect.width);
}

void DataWindow::resizeEvent(QResizeEvent* event) {
    storeGeometry();
    QWidget::resizeEvent(event);
}

void DataWindow::moveEvent(QMoveEvent* event) {
    storeGeometry();
    QWidget::moveEvent(event);
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        activateMainWindow();
        return true;
    }
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        activateMainWindow();
    return QWidget::eventFilter(watched, event);
}

}  // namespace helion::ui
