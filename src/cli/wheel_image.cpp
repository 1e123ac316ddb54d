#include "cli/wheel_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <charconv>
#include <iostream>

#include "core/wheels/wheel_scale.h"
#include "render/glyph_font.h"
#include "render/glyph_measure.h"
#include "render/wheel_painter.h"

namespace helion::cli {
namespace {

// Images are laid out for a screen of 96 dots per inch, as the nominal glyph sizes are.
constexpr int kDotsPerInch = 96;
constexpr double kInchesPerMetre = 39.37007874;
constexpr double kPointsPerInch = 72.0;
constexpr int kPageDotsPerInch = 300;

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(kDotsPerInch * kInchesPerMetre + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QPageSize::PageSizeId pageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A4: return QPageSize::A4;
        case Paper::Legal: return QPageSize::Legal;
        case Paper::A5: return QPageSize::A5;
        case Paper::Letter: break;
    }
    return QPageSize::Letter;
}

void paintOn(QPaintDevice& device, const WheelDrawing& drawing, int width, int height) {
    QPainter painter(&device);
    render::paintWheel(painter, drawing, QRectF(0, 0, width, height));
}

// Qt's set-up talks about the session it finds (no XDG_RUNTIME_DIR on a machine without a
// desktop session, the offscreen platform); none of it concerns a command-line user, so
// its notes and warnings are dropped while it runs. Critical and fatal messages still go out.
void quietSetUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) qt_message_output(type, context, text);
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// SVG lengths with a decimal point under every locale (Qt's start-up adopts the user's).
std::string svgNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
    return std::string(text, end);
}

// Transparent boxes over the stacks, each holding its title, closing the drawing.
std::string stackTitleBoxes(const WheelDrawing& drawing, int width, int height, std::span<const std::string> titles) {
    const WheelFrame& f = drawing.frame;
    const double xScale = width / (f.right - f.left), yScale = height / (f.top - f.bottom);
    std::string boxes;
    for (std::size_t i = 0; i < drawing.stacks.size() && i < titles.size(); ++i) {
        const WheelBox& b = drawing.stacks[i].box;
        boxes += "<rect x=\"" + svgNumber((b.left - f.left) * xScale) + "\" y=\"" +
                 svgNumber((f.top - b.top) * yScale) + "\" width=\"" + svgNumber((b.right - b.left) * xScale) +
                 "\" height=\"" + svgNumber((b.top - b.bottom) * yScale) +
                 "\" fill=\"none\" pointer-events=\"all\"><title>" + xmlEscaped(titles[i]) + "</title></rect>\n";
    }
    return boxes;
}

}  // namespace

std::optional<ImageFormat> imageFormatOf(const std::string& fileName) {
    const std::string extension = std::filesystem::path(fileName).extension().string();
    if (extension == ".png") return ImageFormat::Png;
    if (extension == ".svg") return ImageFormat::Svg;
    if (extension == ".pdf") return ImageFormat::Pdf;
    return std::nullopt;
}

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
    const QImage image = blankImage(1, 1);
    return render::measureGlyphSizes(style, image, render::unitsPerPixel(frame, QRectF(0, 0, width, height)));
}

std::string wheelImage(const WheelDrawing& drawing, ImageFormat format, int width, int height,
                       std::span<const std::string> stackTitles) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Png) {
        QImage image = blankImage(width, height);
        paintOn(image, drawing, width, height);
        image.save(&buffer, "PNG");
    } else if (format == ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kDotsPerInch);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QStringLiteral("Chartwheels"));
        paintOn(svg, drawing, width, height);
        std::string text = buffer.data().toStdString();
        const auto end = text.rfind("</svg>");
        if (end != std::string::npos) text.insert(end, stackTitleBoxes(drawing, width, height, stackTitles));
        return text;
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDotsPerInch);
        const double toPoints = kPointsPerInch / kDotsPerInch;
        pdf.setPageSize(QPageSize(QSizeF(width * toPoints, height * toPoints), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintOn(pdf, drawing, width, height);
    }
    return buffer.data().toStdString();
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
