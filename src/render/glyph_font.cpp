#include "render/glyph_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace helion::render {
namespace {

constexpr char16_t kPrivateUseBase = 0xF000;

}  // namespace

int registerGlyphFont(const std::filesystem::path& programFolder) {
    const auto file = programFolder / kGlyphFontFile;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return -1;
    return QFontDatabase::addApplicationFont(QString::fromStdString(file.string()));
}

bool glyphFontResolves() {
    if (!QFontDatabase::families().contains(QString::fromLatin1(kGlyphFamily))) return false;
    return QFontInfo(glyphFont(12)).family() == QString::fromLatin1(kGlyphFamily);
}

Message glyphFontMissingMessage() {
    return {"Information!",
            "You must have the HORARY font installed in Windows. Please add this font through CONTROL PANEL - FONTS."};
}

QString glyphText(int code) { return QString(QChar(static_cast<char16_t>(kPrivateUseBase + code))); }

QFont glyphFont(double pointSize, bool bold) {
    QFont font(QString::fromLatin1(kGlyphFamily));
    font.setPointSizeF(pointSize > 0 ? pointSize : 1.0);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace helion::render
