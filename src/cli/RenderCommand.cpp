#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "cli/StateOptions.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "render/RenderNote.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"

#include <climits>
#include <optional>

namespace {

struct RenderRequest {
    QString skinPath;
    QString innerName;
    QString outPath;
    bool canvas = false;
    std::optional<int> areaWidth, areaHeight;
    bool highlightAreas = false;
    std::optional<int> element;
};

bool ParseNumber(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

// Everything but the --set options; false with a reason on a usage error.
bool ParseRequest(const QStringList& args, RenderRequest* request, QString* reason) {
    CommandArgs parsed;
    if (!parsed.Parse(QStringLiteral("render"), args,
                      {{"-o", "--output", "OUT.png"},
                       {"--inner", nullptr, "a NAME"},
                       {"--canvas"},
                       {"--highlight-areas"},
                       {"--area", nullptr, "WxH"},
                       {"--highlight-element", nullptr, "an INDEX"}},
                      reason) ||
        !parsed.TakeOne("a SKIN", &request->skinPath, reason))
        return false;
    request->outPath = parsed.Value("-o");
    request->innerName = parsed.Value("--inner");
    request->canvas = parsed.Has("--canvas");
    request->highlightAreas = parsed.Has("--highlight-areas");
    if (parsed.Has("--area")) {
        const QString area = parsed.Value("--area");
        int w = 0, h = 0;
        if (!ParseSizeText(area, INT_MAX, &w, &h)) {
            *reason = QStringLiteral("--area wants WxH with two positive numbers, got '%1'").arg(area);
            return false;
        }
        request->areaWidth = w;
        request->areaHeight = h;
    }
    if (parsed.Has("--highlight-element")) {
        const QString text = parsed.Value("--highlight-element");
        int index = 0;
        if (!ParseNumber(text, &index) || index < 0) {
            *reason = QStringLiteral("--highlight-element wants an element index, got '%1'").arg(text);
            return false;
        }
        request->element = index;
    }
    if (request->outPath.isEmpty()) {
        *reason = QStringLiteral("render needs -o OUT.png");
        return false;
    }
    return true;
}

} // namespace

int RunRenderCommand(const QStringList& arguments) {
    QStringList args = arguments;
    StateOptions stateOptions;
    QString reason;
    if (!TakeStateOptions(&args, &stateOptions, &reason))
        return CliUsageError(reason);
    RenderRequest request;
    if (!ParseRequest(args, &request, &reason))
        return CliUsageError(reason);

    SkinDocument document;
    if (!CliLoadSkin(request.skinPath, request.innerName, &document, &reason))
        return CliFailure(reason);
    const NoteSettings settings = stateOptions.SettingsFor(document);
    const int elementCount = static_cast<int>(document.elements.size());
    if (request.element && *request.element >= elementCount)
        return CliUsageError(QStringLiteral("--highlight-element %1: the skin has %2 elements")
                                 .arg(*request.element)
                                 .arg(elementCount));

    if (request.canvas) {
        NoteState state = SampleNoteState(settings, document);
        Canvas canvas;
        if (!PaintNoteCanvas(document, state, canvas))
            return CliFailure(QStringLiteral("a note of %1 x %2 pixels cannot be drawn")
                                  .arg(state.width)
                                  .arg(state.height));
        return CliWritePng(canvas, request.outPath);
    }

    PreviewOptions options;
    options.highlightareas = request.highlightAreas;
    options.highlightselected = request.element.has_value();
    options.selectedelement = request.element.value_or(-1);
    options.stackmode = settings.stackmode;
    const long long areaWidth = request.areaWidth ? *request.areaWidth : settings.width + 100LL;
    const long long areaHeight = request.areaHeight ? *request.areaHeight : settings.height + 100LL;
    Canvas area;
    if (areaWidth < 1 || areaHeight < 1 || areaWidth > INT_MAX || areaHeight > INT_MAX ||
        !area.Create(static_cast<int>(areaWidth), static_cast<int>(areaHeight)))
        return CliFailure(
            QStringLiteral("a preview area of %1 x %2 pixels cannot be made").arg(areaWidth).arg(areaHeight));
    RenderPreview(document, settings, options, area);
    return CliWritePng(area, request.outPath);
}
