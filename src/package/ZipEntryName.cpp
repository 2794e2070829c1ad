#include "package/ZipEntryName.h"

#include "package/ZipFormat.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Null when the code page cannot hold the whole text.
QByteArray ToWindows1252(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return {};
    // The encoder may substitute silently; only a faithful round trip counts.
    if (DecodeWindows1252(bytes.constData(), bytes.size()) != text)
        return {};
    return bytes;
}

} // namespace

QString DecodeWindows1252(const char* bytes, qsizetype size) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes, size);
    return decoder.decode(QByteArrayView(bytes, size));
}

EntryNameResult EncodeEntryName(const QString& name, QByteArray* bytes, bool* utf8) {
    if (name.isEmpty())
        return EntryNameResult::Empty;
    QString stored = name;
    stored.replace(u'\\', u'/');
    QByteArray encoded = ToWindows1252(stored);
    const bool needsUtf8 = encoded.isNull();
    if (needsUtf8)
        encoded = stored.toUtf8();
    if (encoded.size() > kMaxEntryNameBytes)
        return EntryNameResult::TooLong;
    if (bytes)
        *bytes = encoded;
    if (utf8)
        *utf8 = needsUtf8;
    return EntryNameResult::Ok;
}

QString DecodeEntryName(const QByteArray& bytes, bool utf8) {
    if (utf8)
        return QString::fromUtf8(bytes);
    return DecodeWindows1252(bytes.constData(), bytes.size());
}
