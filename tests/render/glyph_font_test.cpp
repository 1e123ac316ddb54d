// The glyph font as Qt draws it: registered and resolved by its family name, and every wheel
// code drawn from its private-use copy.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "render/glyph_font.h"
#include "render/wheel_painter.h"

namespace helion::test {
namespace {

const std::filesystem::path kDataFolder = std::filesystem::path(HELION_SOURCE_DIR) / "data";

// Dark pixels of `text` drawn in the glyph font on a white image.
int inkOf(const QString& text) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(render::glyphFont(24));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(8, 48), text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

TEST(GlyphFont, QtSubstitutesAnotherFamilyUntilTheFontIsRegistered) {
    EXPECT_FALSE(render::glyphFontResolves());
    ASSERT_GE(render::registerGlyphFont(kDataFolder), 0);
    EXPECT_TRUE(render::glyphFontResolves());
    EXPECT_EQ(QFontInfo(render::glyphFont(12)).family(), "HORARY");
}

TEST(GlyphFont, AMissingFontFileIsNotRegistered) {
    EXPECT_EQ(render::registerGlyphFont(kDataFolder / "no-such-folder"), -1);
    EXPECT_FALSE(render::glyphFontResolves());
}

TEST(GlyphFont, EveryWheelCodeIsDrawnIncludingTheSoftHyphenCode) {
    ASSERT_GE(render::registerGlyphFont(kDataFolder), 0);
    EXPECT_EQ(render::glyphText(173), QString(QChar(0xF0AD)));
    EXPECT_EQ(inkOf(QString(QChar(173))), 0);  // why codes go through their private-use copies
    for (int code : {161, 173, 177, 192, 203, 224, 228, 238}) EXPECT_GT(inkOf(render::glyphText(code)), 10) << code;
}

TEST(WheelPainter, MapsTheFrameOntoTheImageWithYUpward) {
    ASSERT_GE(render::registerGlyphFont(kDataFolder), 0);
    WheelDrawing drawing;
    drawing.frame = {-100, 100, 100, -100};
    drawing.background = 15;
    drawing.primitives.push_back(LineShape{{0, 0}, {0, 100}, 0});  // up from the centre
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    render::paintWheel(painter, drawing, QRectF(0, 0, 200, 200));
    painter.end();
    EXPECT_LT(qGray(image.pixel(100, 50)), 128);
    EXPECT_EQ(image.pixel(100, 150), qRgb(255, 255, 255));
    EXPECT_EQ(render::paletteColour(99), QColor(Qt::black));  // a colour number past the palette
}

}  // namespace
}  // namespace helion::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
