#pragma once
// What a wheel drawing consists of, independent of any paint device: a list of circles,
// lines, filled discs, filled boxes and texts in wheel units (origin at the wheel's centre,
// y growing upward), drawn in order over a background colour. Colours are numbers 0..15 of
// the standard sixteen-colour palette; every text is set in the wheel's glyph font, where a
// glyph is named by its wheel code (planets 224..238, signs 192..203, aspects 161..177).

#include <string>
#include <variant>
#include <vector>

namespace helion {

// The palette's numbers that the drawings name.
namespace palette {
inline constexpr int Black = 0, Navy = 1, Teal = 3, Silver = 7, Grey = 8, Blue = 9, Cyan = 11, Red = 12, Magenta = 13,
                     White = 15;
}  // namespace palette

struct WheelPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const WheelPoint&, const WheelPoint&) = default;
};

// The visible part of the drawing surface in wheel units; top > bottom.
struct WheelFrame {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// A box in wheel units; top > bottom.
struct WheelBox {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

struct CircleShape {
    double radius = 0.0;  // centred on the origin
    int colour = 0;
};

struct DiscShape {
    double radius = 0.0;  // centred on the origin
    int colour = 0;
};

struct LineShape {
    WheelPoint from;
    WheelPoint to;
    int colour = 0;
};

// Where the text's box sits relative to its point.
enum class TextAnchor { TopLeft, TopRight, Centre };

struct TextShape {
    WheelPoint at;
    std::string text;  // plain characters; empty when `glyph` is set
    int glyph = 0;     // a wheel code drawn alone, 0 for plain text
    double fontSize = 0.0;
    int colour = 0;
    bool bold = false;
    TextAnchor anchor = TextAnchor::TopLeft;
};

// Filled, without an outline.
struct BoxShape {
    WheelBox box;
    int colour = 0;
};

using WheelPrimitive = std::variant<CircleShape, DiscShape, LineShape, TextShape, BoxShape>;

}  // namespace helion
