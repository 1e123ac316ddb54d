#include "ui/report_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "core/reports/print_layout.h"

namespace helion::ui {
namespace {

QString installedFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* family : {kPrintFontFamily, "Liberation Mono"})
        if (families.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) return QString::fromLatin1(family);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace

QFont reportFont(double pointSize, bool bold, bool italic) {
    static const QString family = installedFamily();
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (pointSize > 0) font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace helion::ui
