#include "render/picture_file.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <charconv>
#include <cmath>
#include <filesystem>

#include "render/wheel_painter.h"

namespace helion::render {
namespace {

constexpr int kDotsPerInch = 96;
constexpr double kInchesPerMetre = 39.37007874;
constexpr double kPointsPerInch = 72.0;

void paintOn(QPaintDevice& device, const PictureContent& content, int width, int height) {
    QPainter painter(&device);
    paintDisplayList(painter, content.primitives, content.frame, content.background, QRectF(0, 0, width, height));
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

// Transparent boxes, each holding its title, closing the drawing.
std::string titleBoxes(const PictureContent& content, int width, int height) {
    const WheelFrame& f = content.frame;
    const double xScale = width / (f.right - f.left), yScale = height / (f.top - f.bottom);
    std::string boxes;
    for (const TitledBox& titled : content.titled) {
        const WheelBox& b = titled.box;
        boxes += "<rect x=\"" + svgNumber((b.left - f.left) * xScale) + "\" y=\"" +
                 svgNumber((f.top - b.top) * yScale) + "\" width=\"" + svgNumber((b.right - b.left) * xScale) +
                 "\" height=\"" + svgNumber((b.top - b.bottom) * yScale) +
                 "\" fill=\"none\" pointer-events=\"all\"><title>" + xmlEscaped(titled.title) + "</title></rect>\n";
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

QImage screenImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(kDotsPerInch * kInchesPerMetre + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

std::string pictureFile(const PictureContent& content, ImageFormat format, int width, int height) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Png) {
        QImage image = screenImage(width, height);
        paintOn(image, content, width, height);
        image.save(&buffer, "PNG");
    } else if (format == ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kDotsPerInch);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(content.name);
        paintOn(svg, content, width, height);
        std::string text = buffer.data().toStdString();
        const auto end = text.rfind("</svg>");
        if (end != std::string::npos) text.insert(end, titleBoxes(content, width, height));
        return text;
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDotsPerInch);
        const double toPoints = kPointsPerInch / kDotsPerInch;
        pdf.setPageSize(QPageSize(QSizeF(width * toPoints, height * toPoints), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintOn(pdf, content, width, height);
    }
    return buffer.data().toStdString();
}

std::string timelinePictureFile(const TimelinePicture& picture, ImageFormat format) {
    std::vector<TitledBox> titled;
    for (const TimelineMark& mark : picture.marks) titled.push_back({mark.box, mark.text});
    const WheelFrame& f = picture.frame;
    const PictureContent content{picture.primitives, f, picture.background, QStringLiteral("Timeline"), titled};
    return pictureFile(content, format, static_cast<int>(std::lround(f.right - f.left)),
                       static_cast<int>(std::lround(f.top - f.bottom)));
}

}  // namespace helion::render
