#include "core/wheels/glyph_stack.h"

#include <algorithm>
#include <cmath>

#include "core/astro/angles.h"

namespace helion {
namespace {

struct Element {
    std::string text;
    int glyph;
    double size;
    int colour;
    bool bold;
    TextBox cell;
};

std::string digit(int value) { return std::string(1, static_cast<char>('0' + value)); }

}  // namespace

ZodiacPosition zodiacPosition(double longitude) {
    const double lon = normalize360(longitude);
    const int whole = static_cast<int>(lon);
    const int minutes = std::min(static_cast<int>((lon - whole) * 60.0), 59);
    return {whole / 30 + 1, whole % 30, minutes};
}

bool isReversedStack(const PlacedBody& body, bool european, bool narrowNormalRange) {
    if (european) return !(body.angle >= 75.0 && body.angle < 255.0);
    const int first = narrowNormalRange ? 3 : 4;
    return body.house >= first && body.house <= first + 4;
}

std::vector<StackCell> glyphStack(const PlacedBody& body, double longitude, bool reversed, bool withMinutes,
                                  const WheelStyle& style, const GlyphSizes& glyphs) {
    const ZodiacPosition z = zodiacPosition(longitude);
    const bool shrinkDigits = reversed && style.minuteSize >= style.reversedShrinkFromSize &&
                              (!style.shrinkOnlyNearRightHorizontal || body.angle <= 75.0 || body.angle >= 310.0);
    const double shrink = shrinkDigits ? style.reversedDigitShrink : 0.0;
    const TextBox planetCell{glyphs.planet.width + style.planetWidthMargin,
                             glyphs.planet.height + style.planetHeightMargin};
    const TextBox degreeCell{glyphs.degreeDigit.width + style.digitWidthMargin,
                             glyphs.degreeDigit.height + style.digitHeightMargin - shrink};
    const TextBox signCell{glyphs.sign.width + style.planetWidthMargin, glyphs.sign.height + style.planetHeightMargin};
    const TextBox minuteCell{glyphs.minuteDigit.width + style.digitWidthMargin,
                             glyphs.minuteDigit.height + style.digitHeightMargin - shrink};

    const Element degreeTens{digit(z.degrees / 10), 0, style.degreeSize, style.degreeDigits, true, degreeCell};
    const Element degreeUnits{digit(z.degrees % 10), 0, style.degreeSize, style.degreeDigits, true, degreeCell};
    const Element sign{"", kFirstSignGlyph + z.sign, style.signSize, style.signGlyphs, false, signCell};
    const Element minuteTens{digit(z.minutes / 10), 0, style.minuteSize, style.minuteDigits, false, minuteCell};
    const Element minuteUnits{digit(z.minutes % 10), 0, style.minuteSize, style.minuteDigits, false, minuteCell};

    std::vector<Element> elements{
        {"", planetGlyph(body.point), style.planetSize, style.planetGlyphs, false, planetCell}};
    if (!reversed) {
        elements.insert(elements.end(), {degreeTens, degreeUnits, sign});
        if (withMinutes) elements.insert(elements.end(), {minuteTens, minuteUnits});
    } else {
        if (withMinutes) elements.insert(elements.end(), {minuteUnits, minuteTens});
        elements.insert(elements.end(), {sign, degreeUnits, degreeTens});
    }

    const double c = cosDeg(body.angle);
    const double s = sinDeg(body.angle);
    WheelPoint at{body.radius * c, body.radius * s};
    std::vector<StackCell> cells;
    cells.reserve(elements.size());
    for (const Element& e : elements) {
        cells.push_back({TextShape{at, e.text, e.glyph, e.size, e.colour, e.bold, TextAnchor::TopLeft}, e.cell});
        at.x -= e.cell.width * c;
        at.y -= e.cell.height * s / style.stackStepDivisor;
    }
    return cells;
}

}  // namespace helion
