#pragma once
// The wheel window (object `Wheels`): draws the wheel of the last wheel command on its own
// surface, sized to the window. Its menu opens the aspect list, chooses and edits the orb
// file, prints, switches the transit wheel's charts and sets the chart type.

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>

#include "core/wheels/wheel_drawing.h"
#include "core/wheels/wheel_input_adapter.h"
#include "core/wheels/wheel_modes.h"

class QAction;
class QMenu;
class QPrinter;

namespace helion::ui {

struct Session;
class AspectListWindow;
class FileEditorWindow;

class WheelWindow final : public QMainWindow {
public:
    explicit WheelWindow(Session& session, QWidget* parent = nullptr);

    // Shows a freshly arranged wheel, as if the window had just been loaded.
    void showWheel(const WheelArrangement& arrangement);
    const WheelArrangement& arrangement() const { return arrangement_; }
    // The drawing of the last paint, if the glyph font allowed one.
    const std::optional<WheelDrawing>& lastDrawing() const { return lastDrawing_; }
    // The wheel as the given target and device would draw it now.
    WheelDrawing drawingFor(const WheelView& view) const;
    // Measures the glyph cells on `device` and builds the drawing for a `width` x `height` area.
    WheelDrawing drawingOn(QPaintDevice& device, WheelTarget target, bool monochrome, int width, int height) const;
    QSize surfaceSize() const;
    // The drawing surface as painted now.
    QImage surfaceImage() const;
    // Black on white, the wheel is painted for a half-page print; cleared on every load.
    void setMonochrome(bool monochrome);

    // Readies the printer for a print; false when the user cancels. By default the system
    // print dialog, which also prints to a PDF file. Replaced by tests.
    std::function<bool(QPrinter& printer)> choosePrinter;

    void switchCharts();
    void setChartType(ChartType type);
    // Classic slots or spread glyph stacks, remembered in the settings file.
    void setSpreadGlyphs(bool spread);
    void showAspects();
    void chooseOrbFile();
    void editOrbFile();
    void print();
    void returnToMainWindow();
    // What pointing at `pixel` of the surface tells: the facts of the glyph stack there, or
    // nothing.
    QString stackTextAt(QPointF pixel) const;
    // A click on a stack shows only its aspect lines in their colours; the next click,
    // anywhere, shows them all again.
    void clickAt(QPointF pixel);
    std::optional<Point> highlightedBody() const { return highlighted_; }
    // Paints the wheel on the window's surface; called by the surface's paint event.
    void paintSurface(QPaintDevice& surface);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void updateMenus();
    void loadOrbs();
    const StackEntry* stackAtPixel(QPointF pixel) const;

    Session& session_;
    WheelArrangement arrangement_;
    std::optional<WheelDrawing> lastDrawing_;
    bool fontMessageShown_ = false;
    bool monochrome_ = false;
    std::optional<Point> highlighted_;  // the body whose aspect lines a click singled out
    QWidget* surface_ = nullptr;
    QAction* aspects_ = nullptr;
    QAction* switch_ = nullptr;
    QAction* spread_ = nullptr;
    QMenu* chartType_ = nullptr;
    QAction* american_ = nullptr;
    QAction* european_ = nullptr;
    QPointer<AspectListWindow> aspectList_;
    QPointer<FileEditorWindow> orbsEdit_;
};

}  // namespace helion::ui
