#include "package/ZipSourceStamp.h"

uint32_t ExternalAttributes(bool directory, bool readOnly, bool hidden, bool executable) {
    uint32_t low = 0;
    uint32_t mode = directory ? 0x4100 : 0x8100;
    if (readOnly)
        low |= 0x01;
    else
        mode |= 0x0080;
    if (hidden)
        low |= 0x02;
    if (directory)
        low |= 0x10;
    else
        low |= 0x20;
    if (executable)
        mode |= 0x0040;
    return (mode << 16) | low;
}

ZipSourceStamp ReadSourceStamp(const QFileInfo& info) {
    ZipSourceStamp stamp;
    const bool readOnly = !info.permission(QFileDevice::WriteOwner);
    const bool executable = !info.isDir() && info.permission(QFileDevice::ExeOwner);
    stamp.externalAttributes = ExternalAttributes(info.isDir(), readOnly, info.isHidden(), executable);

    const QDateTime modified = info.lastModified();
    QDateTime accessed = info.lastRead();
    if (!accessed.isValid())
        accessed = modified;
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = modified;
    stamp.modified = ToDosDateTime(modified);
    stamp.modifiedUnix = ToZipUnixTime(modified);
    stamp.accessedUnix = ToZipUnixTime(accessed);
    stamp.createdUnix = ToZipUnixTime(created);
    return stamp;
}
