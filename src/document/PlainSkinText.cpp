#include "document/PlainSkinText.h"

#include "document/StdioFileEx.h"
#include "picture/InputLimits.h"

#include <algorithm>

namespace {

bool ReadLines(CStdioFileEx& file, QString* text, QString* imageName) {
    QString result;
    // Lines lose their CR and gain an LF, so the text never outgrows the file's characters; a huge file
    // is no skin and only grows as far as it reads.
    result.reserve(
        static_cast<qsizetype>(std::min(file.IsUtf16() ? file.Size() / 2 : file.Size(), kSkinTextReserve)) +
        1);
    QString image;
    QString line;
    while (file.ReadString(line)) {
        if (line.startsWith(u"Bitmap=", Qt::CaseInsensitive))
            image = line.mid(7);
        result += line;
        result += u'\n';
    }
    if (file.HasReadError())
        return false;
    if (text)
        *text = result;
    if (imageName)
        *imageName = image;
    return true;
}

} // namespace

bool ReadPlainSkinText(const QString& path, QString* text, QString* imageName) {
    CStdioFileEx file;
    return file.Open(path, CStdioFileEx::Read) && ReadLines(file, text, imageName);
}

bool ReadPlainSkinBytes(const QByteArray& bytes, QString* text, QString* imageName) {
    CStdioFileEx file;
    file.OpenBytes(bytes);
    return ReadLines(file, text, imageName);
}
