#pragma once
// Wheels drawn into PNG, SVG and PDF files by the same renderer as the window, on Qt's
// offscreen platform, so no display is needed.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/wheels/wheel_drawing.h"
#include "core/wheels/wheel_style.h"
#include "render/picture_file.h"

namespace helion::cli {

using render::ImageFormat;
using render::imageFormatOf;

// Qt's offscreen GUI with the glyph font of the program folder registered, for as long as
// the object lives.
class WheelPainting {
public:
    explicit WheelPainting(const std::filesystem::path& programFolder);
    ~WheelPainting();
    WheelPainting(const WheelPainting&) = delete;
    WheelPainting& operator=(const WheelPainting&) = delete;
    // False, with the font message printed, when Qt would draw the wheel in another font.
    bool glyphFontReady() const;

private:
    struct Gui;
    std::unique_ptr<Gui> gui_;
};

// Glyph cells measured in the glyph font for an image of `width` x `height` pixels.
GlyphSizes measuredGlyphSizes(const WheelStyle& style, const WheelFrame& frame, int width, int height);

// The file's bytes: the drawing painted on an image, an SVG or a one-page PDF of that size.
// An SVG gives each glyph stack of the drawing its entry of `stackTitles` as a `<title>`,
// which a browser shows when the stack is pointed at.
std::string wheelImage(const WheelDrawing& drawing, ImageFormat format, int width, int height,
                       std::span<const std::string> stackTitles = {});

enum class Paper { Letter, A4, Legal, A5 };

struct PrintedPaper {
    Paper paper = Paper::Letter;
    bool landscape = false;
};

// The printer's drawing for glyph cells measured on the page and its printable area of
// `width` x `height` device pixels.
using PageDrawing = std::function<WheelDrawing(const GlyphSizes& glyphs, int width, int height)>;

// A full printed page as a one-page PDF on that paper, the wheel `startScale` units wide
// either side of its centre at the least.
std::string printedPagePdf(const PageDrawing& draw, const WheelStyle& style, double startScale,
                           const PrintedPaper& paper);

}  // namespace helion::cli
