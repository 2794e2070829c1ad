#pragma once

// Helpers shared by the document tests: skin file bytes in UTF-16 and back, and plain files.

#include "package/PackageTestSupport.h"

#include <QByteArray>
#include <QString>

// The text as little-endian UTF-16, after the byte-order mark unless told otherwise.
inline QByteArray Utf16Bytes(const QString& text, bool mark = true) {
    QByteArray bytes = mark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (QChar c : text) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    }
    return bytes;
}

// The text of a written skin file: its UTF-16 units after the two-byte mark, a lone last byte dropped.
inline QString SkinFileText(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}
