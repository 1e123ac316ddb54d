#pragma once
// The wheel glyph font "HORARY": registering it, checking that Qt draws with it, and the
// one mapping from a wheel code to the character drawn.

#include <QFont>
#include <QString>

#include <filesystem>

#include "core/base/message.h"

namespace helion::render {

inline constexpr const char* kGlyphFamily = "HORARY";
inline constexpr const char* kGlyphFontFile = "horary.ttf";

// Registers the font file of the program folder; the application font id, -1 when the file
// is missing or unreadable.
int registerGlyphFont(const std::filesystem::path& programFolder);

// True when "HORARY" is registered and is the family Qt actually resolves for it (Qt
// quietly substitutes another family for one it cannot find).
bool glyphFontResolves();

// The message shown instead of a wheel when the glyph font is not there.
Message glyphFontMissingMessage();

// Every wheel code is drawn from the font's private-use copy at U+F000 + code: some codes
// are control or formatting characters in Unicode (173 is the soft hyphen, which Qt never
// draws as a glyph).
QString glyphText(int code);

QFont glyphFont(double pointSize, bool bold = false);

}  // namespace helion::render
