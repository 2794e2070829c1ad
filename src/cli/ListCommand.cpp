#include "cli/Cli.h"
#include "package/ZipFormat.h"
#include "package/ZipReader.h"

namespace {

QString MethodName(uint16_t method) {
    switch (method) {
    case kMethodStored:
        return QStringLiteral("stored");
    case kMethodDeflated:
        return QStringLiteral("deflated");
    default:
        return QStringLiteral("method%1").arg(method);
    }
}

QString OpenFailure(const QString& path, ZipReadError error) {
    switch (error) {
    case ZipReadError::CannotOpen:
        return QStringLiteral("cannot open '%1'").arg(path);
    case ZipReadError::BadDirectory:
        return QStringLiteral("'%1' has a damaged central directory").arg(path);
    default:
        return QStringLiteral("'%1' is not a ZIP package").arg(path);
    }
}

} // namespace

// list PKG.qsk: one line per entry in archive order: name, method, compressed size, uncompressed size
// and CRC-32 in hex, separated by tabs.
int RunListCommand(const QStringList& args) {
    if (args.size() != 1 || (args[0].startsWith(u'-') && args[0].size() > 1))
        return CliUsageError(QStringLiteral("usage: list PKG.qsk"));
    ZipReader reader;
    if (!reader.Open(args[0]))
        return CliFailure(OpenFailure(args[0], reader.LastError()));
    QString out;
    for (const ZipEntry& e : reader.Entries()) {
        // One substitution pass: a name holding "%3" must not take the sizes' places.
        out += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                   .arg(e.name, MethodName(e.method), QString::number(e.compressedSize),
                        QString::number(e.uncompressedSize),
                        QStringLiteral("%1").arg(e.crc, 8, 16, QLatin1Char('0')));
    }
    CliPrint(out);
    if (const int skipped = reader.SkippedLongNames(); skipped > 0)
        CliWarning(
            skipped == 1
                ? QStringLiteral("skipped 1 entry whose name is longer than 255 bytes")
                : QStringLiteral("skipped %1 entries whose names are longer than 255 bytes").arg(skipped));
    return kExitOk;
}
