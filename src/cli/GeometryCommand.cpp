#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "document/SkinDocument.h"
#include "render/DrawConditions.h"
#include "render/PlacementGeometry.h"
#include "render/SampleNoteState.h"

namespace {

QString Json(bool b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString Json(const NoteRect& r) {
    return QStringLiteral("[%1, %2, %3, %4]").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

QString Json(const std::optional<NoteRect>& r) {
    return r ? Json(*r) : QStringLiteral("null");
}

// The state a rebuild of the preview draws in: the sample state with the scroll-bar draw limits of its
// layout applied, so every answer below matches what is painted.
QString GeometryJson(const SkinDocument& document, const NoteSettings& settings) {
    NoteState state = SampleNoteState(settings, document);
    ApplyScrollbarDrawLimits(state, document.ActiveLayout(state));

    const int active = document.ActiveLayoutIndex(state);
    const SkinLayout& layout = document.ActiveLayout(state);
    const ScrollFrame frame = ScrollFrameOf(layout, state);

    QString out = QStringLiteral("{\n");
    out += QStringLiteral("  \"activelayout\": %1,\n").arg(active);
    out += QStringLiteral("  \"scrollbarrequired\": %1,\n").arg(Json(state.scrollbarrequired));
    out += QStringLiteral("  \"scrollrange\": %1,\n").arg(Json(frame.range));
    out += QStringLiteral("  \"thumb\": %1,\n").arg(Json(frame.thumb));
    out += QStringLiteral("  \"textarea\": %1,\n").arg(Json(TextArea(layout, state)));
    out += QStringLiteral("  \"elements\": [");
    for (int i = 0; i < static_cast<int>(document.elements.size()); ++i) {
        const SkinElement& e = document.elements[static_cast<size_t>(i)];
        out += i == 0 ? QStringLiteral("\n") : QStringLiteral(",\n");
        out += QStringLiteral("    {\"index\": %1, \"kind\": %2, \"drawn\": %3, \"rect\": %4}")
                   .arg(i)
                   .arg(static_cast<int>(e.Kind()))
                   .arg(Json(IsEntryShown(document, i, state)),
                        Json(ElementRect(e, state.width, state.height, frame)));
    }
    out += document.elements.empty() ? QStringLiteral("]\n}\n") : QStringLiteral("\n  ]\n}\n");
    return out;
}

} // namespace

int RunGeometryCommand(const QStringList& args) {
    SkinDocument document;
    NoteSettings settings;
    if (const std::optional<int> failed =
            CliLoadSkinInState(QStringLiteral("geometry"), args, &document, &settings))
        return *failed;
    CliPrint(GeometryJson(document, settings));
    return kExitOk;
}
