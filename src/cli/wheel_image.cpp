#include "cli/wheel_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <iostream>

#include "core/wheels/wheel_scale.h"
#include "render/glyph_font.h"
#include "render/glyph_measure.h"
#include "render/picture_file.h"
#include "render/wheel_painter.h"

namespace helion::cli {
namespace {

constexpr int kPageDotsPerInch = 300;

QPageSize::PageSizeId pageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A4: return QPageSize::A4;
        case Paper::Legal: return QPageSize::Legal;
        case Paper::A5: return QPageSize::A5;
        case Paper::Letter: break;
    }
    return QPageSize::Letter;
}

// Qt's set-up talks about the session it finds (no XDG_RUNTIME_DIR on a machine without a
// desktop session, the offscreen platform); none of it concerns a command-line user, so
// its notes and warnings are dropped while it runs. Critical and fatal messages still go out.
void quietSetUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) qt_message_output(type, context, text);
}

}  // namespace

struct WheelPainting::Gui {
    int argc = 1;
    char name[11] = "helion-cli";
    char* argv[2] = {name, nullptr};
    QGuiApplication application{argc, argv};
};

WheelPainting::WheelPainting(const std::filesystem::path& programFolder) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(quietSetUpMessage);
    gui_ = std::make_unique<Gui>();
    render::registerGlyphFont(programFolder);
    qInstallMessageHandler(previous);
}

WheelPainting::~WheelPainting() = default;

bool WheelPainting::glyphFontReady() const {
    if (render::glyphFontResolves()) return true;
    const Message missing = render::glyphFontMissingMessage();
    std::cerr << missing.caption << " " << missing.text << "\n";
    return false;
}

GlyphSizes measuredGlyphSizes(const WheelStyle& style, const WheelFrame& frame, int width, int height) {
    const QImage image = render::screenImage(1, 1);
    return render::measureGlyphSizes(style, image, render::unitsPerPixel(frame, QRectF(0, 0, width, height)));
}

std::string wheelImage(const WheelDrawing& drawing, ImageFormat format, int width, int height,
                       std::span<const std::string> stackTitles) {
    std::vector<render::TitledBox> titled;
    for (std::size_t i = 0; i < drawing.stacks.size() && i < stackTitles.size(); ++i)
        titled.push_back({drawing.stacks[i].box, stackTitles[i]});
    const render::PictureContent content{drawing.primitives, drawing.frame, drawing.background,
                                         QStringLiteral("Chartwheels"), titled};
    return render::pictureFile(content, format, width, height);
}

std::string printedPagePdf(const PageDrawing& draw, const WheelStyle& style, double startScale,
                           const PrintedPaper& paper) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(pageSizeOf(paper.paper)),
                                  paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(kPageDotsPerInch);
    const QRectF page(0, 0, pdf.width(), pdf.height());
    const WheelFrame frame = printerFrame(startScale, page.width(), page.height());
    const WheelDrawing drawing =
        draw(render::measureGlyphSizes(style, pdf, render::unitsPerPixel(frame, page)), pdf.width(), pdf.height());
    QPainter painter(&pdf);
    render::paintWheel(painter, drawing, page);
    painter.end();
    return buffer.data().toStdString();
}

}  // namespace helion::cli
