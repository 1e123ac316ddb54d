#pragma once
// How many pages a PDF file holds, counted by its page objects; 0 when there is no file.

#include <QRegularExpression>
#include <QString>

#include <filesystem>

#include "core/base/text_file.h"

namespace helion::test {

inline int pdfPages(const std::filesystem::path& file) {
    const QString content = QString::fromLatin1(QByteArray::fromStdString(readTextFile(file).value_or("")));
    return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page\\b")));
}

}  // namespace helion::test
