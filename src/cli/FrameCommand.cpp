#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "document/FrameBuilder.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

namespace {

struct FrameRequest {
    QString skinPath;
    QString innerName;
    QString outPath;
    CanvasRect rect;
    bool autoMargins = true;
    FrameMargins margins;
    int tolerance = 0;
    FrameOptions options;
};

// Exactly count whole numbers separated by commas.
bool ParseNumbers(const QString& text, int count, int* values) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

bool ParseRequest(const QStringList& args, FrameRequest* request, QString* reason) {
    CommandArgs parsed;
    if (!parsed.Parse(QStringLiteral("frame"), args,
                      {{"-o", "--output", "OUT.ini"},
                       {"--inner", nullptr, "a NAME"},
                       {"--rect", nullptr, "X,Y,W,H"},
                       {"--margins", nullptr, "auto or L,T,R,B"},
                       {"--tolerance", nullptr, "a number from 0 to 255"},
                       {"--body", nullptr, "tile or none"},
                       {"--group", nullptr, "a NAME"},
                       {"--set-layout"}},
                      reason) ||
        !parsed.TakeOne("a SKIN", &request->skinPath, reason))
        return false;
    request->outPath = parsed.Value("-o");
    request->innerName = parsed.Value("--inner");
    if (!parsed.Has("--rect") || request->outPath.isEmpty()) {
        *reason = QStringLiteral("frame needs --rect X,Y,W,H and -o OUT.ini");
        return false;
    }
    int rect[4];
    if (!ParseNumbers(parsed.Value("--rect"), 4, rect)) {
        *reason =
            QStringLiteral("--rect wants X,Y,W,H, four whole numbers, got '%1'").arg(parsed.Value("--rect"));
        return false;
    }
    request->rect = CanvasRect::FromSize(rect[0], rect[1], rect[2], rect[3]);
    const QString margins = parsed.Value("--margins");
    if (parsed.Has("--margins") && margins != QLatin1String("auto")) {
        int m[4];
        if (!ParseNumbers(margins, 4, m)) {
            *reason =
                QStringLiteral("--margins wants auto or L,T,R,B, four whole numbers, got '%1'").arg(margins);
            return false;
        }
        request->autoMargins = false;
        request->margins = {m[0], m[1], m[2], m[3]};
    }
    if (parsed.Has("--tolerance")) {
        bool ok = false;
        request->tolerance = parsed.Value("--tolerance").toInt(&ok);
        if (!ok || request->tolerance < 0 || request->tolerance > 255) {
            *reason = QStringLiteral("--tolerance wants a number from 0 to 255, got '%1'")
                          .arg(parsed.Value("--tolerance"));
            return false;
        }
    }
    const QString body = parsed.Has("--body") ? parsed.Value("--body") : QStringLiteral("tile");
    if (body != QLatin1String("tile") && body != QLatin1String("none")) {
        *reason = QStringLiteral("--body wants tile or none, got '%1'").arg(body);
        return false;
    }
    request->options.tileBody = body == QLatin1String("tile");
    request->options.group = parsed.Value("--group");
    request->options.setLayout = parsed.Has("--set-layout");
    return true;
}

} // namespace

int RunFrameCommand(const QStringList& args) {
    FrameRequest request;
    QString reason;
    if (!ParseRequest(args, &request, &reason))
        return CliUsageError(reason);
    if (request.outPath.endsWith(u".qsk", Qt::CaseInsensitive))
        return CliFailure(
            QStringLiteral("cannot write '%1': writing .qsk packages is not supported").arg(request.outPath));

    SkinDocument document;
    if (!CliLoadSkin(request.skinPath, request.innerName, &document, &reason))
        return CliFailure(reason);
    const ImageSurface sheet = FrameSheet(document);
    if (!sheet.IsValid())
        return CliFailure(QStringLiteral("frame: ") + FrameProblemText(FrameProblem::NoPicture));
    const CanvasRect rect = ClipFrameRect(request.rect, sheet.Width(), sheet.Height());
    const FrameMargins margins =
        request.autoMargins ? FindFrameMargins(sheet, rect, request.tolerance) : request.margins;
    FrameProblem problem = FrameProblem::None;
    if (AddFrame(document, rect, margins, request.options, 0, &problem) < 0)
        return CliUsageError(QStringLiteral("frame: ") + FrameProblemText(problem));
    QString error;
    if (!WriteSkinFile(document, request.outPath, document.bitmap, &error))
        return CliFailure(error);
    CliPrint(QStringLiteral("margins %1,%2,%3,%4\n")
                 .arg(margins.left)
                 .arg(margins.top)
                 .arg(margins.right)
                 .arg(margins.bottom));
    return kExitOk;
}
