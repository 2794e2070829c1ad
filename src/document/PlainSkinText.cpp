#include "document/PlainSkinText.h"

#include "document/StdioFileEx.h"

bool ReadPlainSkinText(const QString& path, QString* text, QString* imageName) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::Read))
        return false;
    QString result;
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
