#include "ui/input_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "core/config/twips.h"
#include "ui/atlas_bridge.h"
#include "ui/main_window_link.h"
#include "ui/session.h"
#include "ui/time_zone_window.h"

namespace helion::ui {
namespace {

constexpr const char* kFilterProperty = "helionKeyFilter";
constexpr double kLabelFrameTwips = 15.0;
constexpr int kNameBoxColumns = 5;
constexpr const char* kTimeZoneLabel = "Label1";
constexpr const char* kAtlasLabel = "Label2";

QString toQt(const std::string& text) { return QString::fromStdString(text); }

// A key that types printable characters into the box; navigation, editing (Delete,
// Backspace) and shortcut keys pass.
bool typesText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))) return false;
    return std::ranges::all_of(text, [](QChar c) { return c.isPrint(); });
}

// The text the key would leave in the box: typed over the selection, or at the cursor.
QString textAfterKey(const QLineEdit& edit, const QString& typed) {
    QString text = edit.text();
    if (edit.hasSelectedText()) return text.replace(edit.selectionStart(), edit.selectedText().size(), typed);
    return text.insert(edit.cursorPosition(), typed);
}

bool keyPassesFilter(const QKeyEvent& key, const QLineEdit& edit, KeyFilter filter) {
    if (!typesText(key)) return true;
    const QList<uint> characters = key.text().toUcs4();
    return std::ranges::all_of(characters,
                               [filter](uint c) { return keyAccepted(filter, static_cast<char32_t>(c)); }) &&
           textAccepted(filter, textAfterKey(edit, key.text()).toStdString());
}

// A sunken frame around a label: grey above and left, white below and right, as many
// pixels deep as the frame width takes.
void drawLabelFrame(QPainter& painter, const QRect& label, int depthX, int depthY) {
    const int left = label.x();
    const int top = label.y();
    const int right = label.x() + label.width();
    const int bottom = label.y() + label.height();
    const QColor grey(0x80, 0x80, 0x80);
    for (int d = 1; d <= depthX; ++d) {
        painter.setPen(grey);
        painter.drawLine(left - d, top - d, left - d, bottom + d);
        painter.setPen(Qt::white);
        painter.drawLine(right + d, top - d, right + d, bottom + d);
    }
    for (int d = 1; d <= depthY; ++d) {
        painter.setPen(grey);
        painter.drawLine(left - d, top - d, right + d, top - d);
        painter.setPen(Qt::white);
        painter.drawLine(left - d, bottom + d, right + d, bottom + d);
    }
}

int frameDepth(double logicalDpi) {
    return std::max(1, static_cast<int>(std::floor(kLabelFrameTwips * logicalDpi / kTwipsPerInch)));
}

}  // namespace

InputWindow::InputWindow(Session& session, HourBox hourBox, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), hourBox_(hourBox) {
    grid_ = new QGridLayout(this);
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(8);
}

void InputWindow::buildFields(const std::vector<InputFieldPlace>& fields, const DirectionButtonNames& buttons) {
    int hourRow = 0, longitudeRow = 0, latitudeRow = 0, lastColumn = 0;
    for (const InputFieldPlace& place : fields) {
        QLineEdit* edit = addBox(place);
        lastColumn = std::max(lastColumn, place.column);
        if (place.field == &InputWindowTexts::hour) {
            hourEdit_ = edit;
            hourRow = place.row;
        }
        if (place.field == &InputWindowTexts::zone) zoneBox_ = edit;
        if (place.field == &InputWindowTexts::longitudeDegrees) longitudeRow = place.row;
        if (place.field == &InputWindowTexts::latitudeDegrees) latitudeRow = place.row;
    }
    frameColumn_ = 2 * (lastColumn + 1);
    addFrame("Frame1", "Am/Pm", am_, buttons.am, "AM", pm_, buttons.pm, "PM", hourRow);
    addFrame("Frame2", "Ea/We", west_, buttons.west, "West", east_, buttons.east, "East", longitudeRow);
    addFrame("Frame3", "No/So", north_, buttons.north, "North", south_, buttons.south, "South", latitudeRow);
    addLookUpLabels();

    connect(hourEdit_, &QLineEdit::textChanged, this, &InputWindow::correctHourText);
    connect(east_, &QRadioButton::clicked, this, [this] { applyZoneSign(true); });
    connect(west_, &QRadioButton::clicked, this, [this] { applyZoneSign(false); });
}

QLineEdit* InputWindow::addBox(const InputFieldPlace& place) {
    auto* label = new QLabel(QString::fromUtf8(place.caption), this);
    label->setObjectName(place.labelName);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(place.boxName);
    edit->setProperty(kFilterProperty, static_cast<int>(place.filter));
    edit->installEventFilter(this);
    label->setBuddy(edit);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    grid_->addWidget(label, place.row, 2 * place.column, Qt::AlignVCenter);
    // A number box is as wide as a year; the name box takes the rest of its row.
    const bool nameBox = place.filter == KeyFilter::AnyText;
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-00.00")) + 12);
    grid_->addWidget(edit, place.row, 2 * place.column + 1, 1, nameBox ? kNameBoxColumns : 1, Qt::AlignVCenter);
    labels_.push_back(label);
    boxes_.push_back({place, edit});
    return edit;
}

void InputWindow::addLookUpLabels() {
    const int row = grid_->rowCount();
    int column = 0;
    for (const auto& [name, caption] : {std::pair{kTimeZoneLabel, "TZ Help"}, std::pair{kAtlasLabel, "Atlas"}}) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setCursor(Qt::PointingHandCursor);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        label->installEventFilter(this);
        grid_->addWidget(label, row, column, Qt::AlignVCenter);
        column += 2;
        labels_.push_back(label);
    }
}

void InputWindow::lookUpLabelClicked(const QLabel& label) {
    if (label.objectName() == kTimeZoneLabel)
        TimeZoneWindow::open(session_, isDiurnal());
    else
        lookUpInAtlas(session_, *this);
}

void InputWindow::addFrame(const char* frameName, const char* caption, QRadioButton*& first, const char* firstName,
                           const char* firstCaption, QRadioButton*& second, const char* secondName,
                           const char* secondCaption, int row) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
    frame->setObjectName(frameName);
    auto* layout = new QHBoxLayout(frame);
    first = new QRadioButton(QString::fromUtf8(firstCaption), frame);
    first->setObjectName(firstName);
    second = new QRadioButton(QString::fromUtf8(secondCaption), frame);
    second->setObjectName(secondName);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setChecked(true);
    grid_->addWidget(frame, row, frameColumn_);
}

InputWindowTexts InputWindow::texts() const {
    InputWindowTexts texts;
    for (const Box& box : boxes_) texts.*box.place.field = box.edit->text().toStdString();
    texts.am = am_->isChecked();
    texts.east = east_->isChecked();
    texts.south = south_->isChecked();
    return texts;
}

void InputWindow::setTexts(const InputWindowTexts& texts) {
    for (const Box& box : boxes_) box.edit->setText(toQt(texts.*box.place.field));
    (texts.am ? am_ : pm_)->setChecked(true);
    (texts.east ? east_ : west_)->setChecked(true);
    (texts.south ? south_ : north_)->setChecked(true);
}

void InputWindow::setZone(const std::string& zone, bool east) {
    zoneBox_->setText(toQt(zone));
    (east ? east_ : west_)->setChecked(true);
}

void InputWindow::setPlace(const CityPlace& place) {
    InputWindowTexts placed = texts();
    fillPlace(placed, place);
    setTexts(placed);
}

void InputWindow::correctHourText() {
    const HourCorrection correction = correctHour(hourEdit_->text().toStdString(), hourBox_);
    if (correction.message) {
        if (session_.messages) session_.messages->show(*correction.message);
        return;
    }
    if (correction.selectPm) pm_->setChecked(true);
    if (correction.text) hourEdit_->setText(toQt(*correction.text));
}

void InputWindow::applyZoneSign(bool east) {
    zoneBox_->setText(toQt(zoneTextForDirection(zoneBox_->text().toStdString(), east)));
}

bool InputWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto* label = qobject_cast<QLabel*>(watched);
    if (label && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lookUpLabelClicked(*label);
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        const auto filter = static_cast<KeyFilter>(edit->property(kFilterProperty).toInt());
        if (!keyPassesFilter(*static_cast<QKeyEvent*>(event), *edit, filter)) return true;
    }
    // Selected after the click that gave the focus has placed the cursor.
    if (edit && event->type() == QEvent::FocusIn) QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void InputWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    const int depthX = frameDepth(logicalDpiX());
    const int depthY = frameDepth(logicalDpiY());
    for (const QLabel* label : labels_) drawLabelFrame(painter, label->geometry(), depthX, depthY);
}

bool InputWindow::onBareSurface(const QMouseEvent& event) const {
    return childAt(event.position().toPoint()) == nullptr;
}

void InputWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && onBareSurface(*event)) activateMainWindow();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace helion::ui
