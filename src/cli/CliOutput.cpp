#include "cli/Cli.h"

#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <cstdio>

void CliPrint(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

static void PrintReason(const QString& reason) {
    const QByteArray bytes = (QStringLiteral("drapier-cli: ") + reason + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int CliUsageError(const QString& reason) {
    PrintReason(reason);
    return kExitUsage;
}

int CliFailure(const QString& reason) {
    PrintReason(reason);
    return kExitFailed;
}

int CliWritePng(const Canvas& canvas, const QString& path) {
    ImageSurface picture;
    if (!picture.MakeFromCanvas(canvas) || !picture.SavePng(path))
        return CliFailure(QStringLiteral("cannot write %1: %2").arg(path, picture.LastError()));
    return kExitOk;
}

void CliWarning(const QString& reason) {
    PrintReason(QStringLiteral("warning: ") + reason);
}
