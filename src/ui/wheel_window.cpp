#include "ui/wheel_window.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include <type_traits>
#include <variant>

#include "core/wheels/nominal_glyph_sizes.h"
#include "core/wheels/stack_description.h"
#include "core/wheels/wheel_scale.h"
#include "core/wheels/wheel_style.h"
#include "render/glyph_font.h"
#include "render/glyph_measure.h"
#include "render/wheel_painter.h"
#include "ui/aspect_list_window.h"
#include "ui/data_window.h"
#include "ui/diurnal_input_window.h"
#include "ui/file_editor_window.h"
#include "ui/main_window_link.h"
#include "ui/select_file_window.h"
#include "ui/session.h"
#include "ui/wheel_commands.h"
#include "ui/wheel_printing.h"
#include "ui/window_frames.h"

namespace helion::ui {
namespace {

constexpr const char* kCaption = "Chartwheels";
constexpr std::string_view kWheelsHelpFile = "WHEELS.HLP";

// The window's drawing area; it paints through the wheel window.
class WheelSurface final : public QWidget {
public:
    explicit WheelSurface(WheelWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override { window_.paintSurface(*this); }
    void mouseMoveEvent(QMouseEvent* event) override { setToolTip(window_.stackTextAt(event->position())); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);  // on to the window
        window_.clickAt(event->position());
    }

private:
    WheelWindow& window_;
};

QAction* addItem(QWidget* menu, const char* name, const char* caption, QKeySequence key = {}) {
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(name);
    action->setShortcut(key);
    menu->addAction(action);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

constexpr double kTwipsPerInch = 1440.0;

// Every wheel opens with the start-up size chosen for the screen, under the main window's
// frame (or beside it) so that the main window's menus stay in reach; the main window's
// frame margins are the ones the window manager gives this window too.
const StartupWindow& startupWindowOn(const QScreen& screen) {
    const int twipsPerPixel = qRound(kTwipsPerInch / screen.logicalDotsPerInch());
    return startupWindowFor(screen.size().width(), twipsPerPixel);
}

void placeForScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const StartupWindow& size = startupWindowOn(*screen);
    const int width = size.widthTwips / size.twipsPerPixel;
    const int height = size.heightTwips / size.twipsPerPixel;
    const QWidget* main = mainWindow();
    if (!main) {
        window.resize(width, height);
        return;
    }
    const FrameMargins frame = frameMarginsOf(*main);
    applyPlace(window, placeWheelWindow(frameRect(placeOf(*main), frame), width, height, frame, freeScreenArea(*main)));
}

constexpr int kBlack = 0;
constexpr int kWhite = 15;
constexpr int kDimmed = 7;  // light grey: the aspect lines of the bodies not clicked

// Every line and glyph in black, the background and the inner disc white.
void toBlackOnWhite(WheelDrawing& drawing) {
    drawing.background = kWhite;
    for (WheelPrimitive& primitive : drawing.primitives) {
        std::visit([](auto& shape) { shape.colour = std::is_same_v<decltype(shape), DiscShape&> ? kWhite : kBlack; },
                   primitive);
    }
}

}  // namespace

WheelWindow::WheelWindow(Session& session, QWidget* parent) : QMainWindow(parent, Qt::Window), session_(session) {
    setObjectName("Wheels");
    setWindowTitle(kCaption);
    surface_ = new WheelSurface(*this);
    setCentralWidget(surface_);
    buildMenus();
    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

void WheelWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    aspects_ = addItem(bar, "mnuAspects", "&Aspects");
    QMenu* orbs = addMenu(bar, "mnuOrbs", "&Orbs");
    QAction* changeOrbs = addItem(orbs, "mnuOrbsChange", "&Select new orb file", Qt::Key_F11);
    QAction* editOrbs = addItem(orbs, "mnuOrbsEdit", "&Edit orb file", Qt::Key_F12);
    QAction* print = addItem(bar, "mnuPrintChartwheel", "&Print");
    switch_ = addItem(bar, "mnuSwitch", "S&witch");
    spread_ = addItem(bar, "mnuSpreadGlyphs", "Spread glyphs");
    spread_->setCheckable(true);
    chartType_ = addMenu(bar, "mnuChartType", "&Type");
    american_ = addItem(chartType_, "mnuCTAmerican", "&American", Qt::Key_F7);
    european_ = addItem(chartType_, "mnuCTEuropean", "&European", Qt::Key_F8);
    auto* types = new QActionGroup(chartType_);
    for (QAction* type : {american_, european_}) {
        type->setCheckable(true);
        types->addAction(type);
        // The shortcuts work while the menu is hidden too.
        addAction(type);
    }
    QAction* help = addItem(bar, "mnuHelp", "&Help");
    // A shortcut of the window rather than a key handler: it still works when a menu closed
    // with Escape left the keyboard focus on the menu bar.
    auto* escape = new QAction(this);
    escape->setObjectName("returnToMain");
    escape->setShortcut(Qt::Key_Escape);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &WheelWindow::returnToMainWindow);

    connect(aspects_, &QAction::triggered, this, &WheelWindow::showAspects);
    connect(changeOrbs, &QAction::triggered, this, &WheelWindow::chooseOrbFile);
    connect(editOrbs, &QAction::triggered, this, &WheelWindow::editOrbFile);
    addAction(changeOrbs);
    addAction(editOrbs);
    connect(print, &QAction::triggered, this, &WheelWindow::print);
    connect(switch_, &QAction::triggered, this, &WheelWindow::switchCharts);
    connect(spread_, &QAction::triggered, this, &WheelWindow::setSpreadGlyphs);
    connect(american_, &QAction::triggered, this, [this] { setChartType(ChartType::American); });
    connect(european_, &QAction::triggered, this, [this] { setChartType(ChartType::European); });
    connect(help, &QAction::triggered, this, [this] {
        if (auto* window = session_.windows.find<DataWindow>()) window->showHelpText(kWheelsHelpFile);
    });
}

void WheelWindow::showWheel(const WheelArrangement& arrangement) {
    arrangement_ = arrangement;
    highlighted_.reset();
    fontMessageShown_ = false;
    monochrome_ = false;
    lastDrawing_.reset();
    if (aspectList_) aspectList_->close();
    updateMenus();
    placeForScreen(*this);
    show();
    raise();
    activateWindow();
    surface_->update();
}

void WheelWindow::updateMenus() {
    switch_->setVisible(secondPersonSet(session_) && arrangement_.kind == WheelKind::Dual);
    const bool single = arrangement_.kind == WheelKind::Single;
    chartType_->menuAction()->setVisible(single);
    american_->setEnabled(single);
    european_->setEnabled(single);
    const bool european = session_.state.settings.typeChart == static_cast<int>(ChartType::European);
    european_->setChecked(european);
    american_->setChecked(!european);
    spread_->setChecked(session_.state.settings.spreadGlyphs == 1);
    aspects_->setEnabled(arrangement_.kind != WheelKind::Triple);
}

void WheelWindow::loadOrbs() {
    OrbTableLoad load = loadOrbTable(session_.state.currentOrbFile, session_.state.orbs);
    session_.state.orbs = load.table;
    for (const Message& message : load.messages) session_.messages->show(message, MessageIcon::Stop);
}

WheelDrawing WheelWindow::drawingFor(const WheelView& view) const {
    static const WheelDataTables kNoTables;
    const WheelDataTables& tables = session_.wheelTables ? *session_.wheelTables : kNoTables;
    return buildWheel(wheelInputFor(arrangement_, session_.state.charts, session_.state.options, tables, view));
}

WheelDrawing WheelWindow::drawingOn(QPaintDevice& device, WheelTarget target, bool monochrome, int width,
                                    int height) const {
    WheelView view;
    view.chartType = static_cast<ChartType>(session_.state.settings.typeChart == 1 ? 1 : 0);
    view.target = target;
    view.layout = session_.state.settings.spreadGlyphs == 1 ? WheelLayout::Spread : WheelLayout::Classic;
    view.monochrome = monochrome;
    view.startScale = session_.state.settings.startScale;
    view.widthPixels = width;
    view.heightPixels = height;
    const bool screen = target == WheelTarget::Screen;
    if (screen && this->screen()) {
        const StartupWindow& startup = startupWindowOn(*this->screen());
        view.textScale = wheelTextScale(width, height, startup.innerWidth(), startup.innerHeight());
    }
    const WheelStyle style =
        withTextScaled(wheelStyle(session_.state.options, target, arrangement_.kind, monochrome), view.textScale);
    const std::int16_t scale = screen ? view.startScale : printedStartScale(arrangement_.kind, view.chartType);
    const WheelFrame frame = screen ? screenFrame(scale, width, height) : printerFrame(scale, width, height);
    view.glyphs = render::measureGlyphSizes(style, device, render::unitsPerPixel(frame, QRectF(0, 0, width, height)));
    return drawingFor(view);
}

QSize WheelWindow::surfaceSize() const { return surface_->size(); }

QImage WheelWindow::surfaceImage() const { return surface_->grab().toImage(); }

void WheelWindow::setMonochrome(bool monochrome) {
    monochrome_ = monochrome;
    surface_->update();
}

void WheelWindow::paintSurface(QPaintDevice& surface) {
    QPainter painter(&surface);
    if (!render::glyphFontResolves()) {
        painter.fillRect(QRect(0, 0, surface.width(), surface.height()), Qt::white);
        lastDrawing_.reset();
        if (!fontMessageShown_) {
            fontMessageShown_ = true;
            session_.messages->show(render::glyphFontMissingMessage(), MessageIcon::Stop);
        }
        return;
    }
    lastDrawing_ = drawingOn(surface, WheelTarget::Screen, monochrome_, surface.width(), surface.height());
    if (highlighted_) dimAspectLinesExcept(*lastDrawing_, *highlighted_, kDimmed);
    if (monochrome_) toBlackOnWhite(*lastDrawing_);
    render::paintWheel(painter, *lastDrawing_, QRectF(0, 0, surface.width(), surface.height()));
    setWindowTitle(QString(kCaption) + " - " + QString::fromStdString(arrangement_.chartName));
}

const StackEntry* WheelWindow::stackAtPixel(QPointF pixel) const {
    if (!lastDrawing_ || surface_->width() <= 0 || surface_->height() <= 0) return nullptr;
    const WheelFrame& f = lastDrawing_->frame;
    const WheelPoint at{f.left + pixel.x() * (f.right - f.left) / surface_->width(),
                        f.top - pixel.y() * (f.top - f.bottom) / surface_->height()};
    return stackAt(*lastDrawing_, at);
}

QString WheelWindow::stackTextAt(QPointF pixel) const {
    const StackEntry* stack = stackAtPixel(pixel);
    if (!stack) return {};
    return QString::fromStdString(
        describeStack(*stack, *lastDrawing_, arrangement_, session_.state.charts, session_.state.orbs));
}

void WheelWindow::clickAt(QPointF pixel) {
    const StackEntry* stack = stackAtPixel(pixel);
    highlighted_ = stack && !highlighted_ ? std::optional(stack->point) : std::nullopt;
    surface_->update();
}

void WheelWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    session_.state.settings.startScale = resizedStartScale(surface_->width(), surface_->height());
    surface_->update();
}

void WheelWindow::switchCharts() {
    arrangement_ = switchedTransitWheel(session_);
    updateMenus();
    surface_->update();
}

void WheelWindow::setChartType(ChartType type) {
    session_.state.settings.typeChart = static_cast<std::int16_t>(type);
    updateMenus();
    surface_->update();
}

void WheelWindow::setSpreadGlyphs(bool spread) {
    session_.state.settings.spreadGlyphs = spread ? 1 : 0;
    updateMenus();
    surface_->update();
}

void WheelWindow::showAspects() {
    if (aspectList_) aspectList_->close();
    loadOrbs();
    aspectList_ =
        new AspectListWindow(aspectListInputFor(arrangement_, session_.state.charts, session_.state.orbs), this);
    aspectList_->setWindowTitle("Aspects - " + QString::fromStdString(arrangement_.chartName));
    aspectList_->show();
}

void WheelWindow::chooseOrbFile() {
    const auto chosen =
        SelectFileWindow::choose(session_.state.programFolder, "*.ORB", session_.state.currentOrbFile, this);
    if (!chosen) return;
    session_.state.currentOrbFile = *chosen;
    showAspects();
}

void WheelWindow::editOrbFile() {
    if (orbsEdit_) orbsEdit_->close();
    // A save leaves the orb table and an open aspect list alone: the next aspect list
    // reads the saved file.
    orbsEdit_ = new FileEditorWindow(session_, "OrbsEdit", session_.state.currentOrbFile, this);
    orbsEdit_->show();
}

void WheelWindow::print() { printWheel(session_, *this); }

void WheelWindow::returnToMainWindow() { activateMainWindow(); }

void WheelWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) returnToMainWindow();
    QMainWindow::mouseReleaseEvent(event);
}

}  // namespace helion::ui
