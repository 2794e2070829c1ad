// Arbitrary skin text, with a header choosing the note state, read over a small fixed picture, then
// everything the designer does with a skin after loading it: the preview with its highlights and a
// selected element, the note canvas, the tree's greying, a click and the pointer over the note, the
// source view, the preview magnifier, the check, the lint, the state sheet at its default sizes, the
// catalogue line and the thumbnail (the last two drawings when the header asks). What a budget refuses
// is not drawn.
#include "FuzzBudget.h"
#include "FuzzSheet.h"
#include "FuzzTarget.h"
#include "PipelineInput.h"
#include "catalogue/CatalogueLine.h"
#include "catalogue/Thumbnail.h"
#include "document/PlainSkinText.h"
#include "document/SkinCheck.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "render/DrawConditions.h"
#include "render/Magnifier.h"
#include "render/PreviewPointer.h"
#include "render/RenderNote.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"
#include "render/SheetPieces.h"
#include "render/SheetPixels.h"
#include "render/SkinLint.h"
#include "render/SourceViewPicture.h"
#include "render/StateSheet.h"

namespace {

void CheckLint(const SkinDocument& document) {
    const LintReport report = LintSkin(document);
    for (const LintFinding& finding : report.findings) {
        FUZZ_REQUIRE(finding.element >= -1 && finding.element < static_cast<int>(document.elements.size()));
        FUZZ_REQUIRE(!finding.message.isEmpty());
    }
}

void DrawSheet(const SkinDocument& document, const NoteSettings& settings) {
    std::vector<SheetRow> rows;
    for (const QString& name : StateSheetStates(document, settings)) {
        std::optional<SheetRow> row = StateSheetRow(name, settings);
        FUZZ_REQUIRE(row.has_value());
        rows.push_back(*row);
    }
    const std::vector<SheetSize> sizes = DefaultStateSheetSizes(document, settings);
    const StateSheetGrid grid(static_cast<int>(rows.size()), sizes);
    const long long pixels = grid.Width() * grid.Height();
    Canvas sheet;
    if (pixels > Canvas::kByteLimit / 4) {
        // Past what a canvas may hold the sheet must be refused before anything is drawn.
        FUZZ_REQUIRE(!DrawStateSheet(document, rows, sizes, sheet));
        return;
    }
    if (pixels > kFuzzSheetBudget)
        return;
    if (DrawStateSheet(document, rows, sizes, sheet))
        FUZZ_REQUIRE(sheet.Width() == grid.Width() && sheet.Height() == grid.Height());
}

void DrawThumbnail(const SkinDocument& document, bool draw) {
    const ThumbnailLayout layout =
        LayOutThumbnail(document.layout.minimumwidth, document.layout.minimumheight);
    ThumbnailNoteSettings(document, layout);
    const long long pixels = static_cast<long long>(layout.canvasWidth) * layout.canvasHeight;
    if (!draw || (pixels > kFuzzThumbnailBudget && pixels <= kLargestThumbnailCanvas))
        return;
    ImageSurface thumbnail;
    QString reason;
    if (MakeThumbnail(document, thumbnail, &reason))
        FUZZ_REQUIRE(thumbnail.Width() <= kThumbnailWidth && thumbnail.Height() <= kThumbnailHeight);
    else
        FUZZ_REQUIRE(!reason.isEmpty());
}

} // namespace

DRAPIER_FUZZ_TARGET(skin_pipeline) {
    const PipelineInput in = ReadPipelineInput(data, size);
    QString text;
    FUZZ_REQUIRE(ReadPlainSkinBytes(in.skin, &text, nullptr));
    SkinDocument document;
    if (in.keyedPicture) {
        document.keyed = FuzzKeyedSheet();
        document.pngsource = false;
    } else {
        document.image = FuzzSheet();
    }
    ReadSkinText(document, text);
    if (in.keyedPicture)
        document.keyed.ApplyKey(document.settings.transparent);
    const int count = static_cast<int>(document.elements.size());

    PreviewOptions options = in.options;
    options.selectedelement = in.selected % (count + 1) - 1;
    Canvas preview(in.areaWidth, in.areaHeight);
    RenderPreview(document, in.settings, options, preview);
    FUZZ_REQUIRE(preview.Width() == in.areaWidth && preview.Height() == in.areaHeight);

    NoteState state = SampleNoteState(in.settings, document);
    for (int i = 0; i < count; ++i)
        IsEntryShown(document, i, state);
    IsDefaultLayoutShown(document, state);
    for (const auto& [x, y] : {std::pair{2, 3}, std::pair{state.width / 2, state.height / 2},
                               std::pair{state.width - 1, state.height - 1}}) {
        const int hit = ElementAtNotePoint(document, state, x, y);
        FUZZ_REQUIRE(hit >= -1 && hit < count);
        FUZZ_REQUIRE(hit == -1 || document.elements[static_cast<size_t>(hit)].IsDrawable());
        UpdatePointerOver(document, state, x, y);
    }
    {
        NoteState canvasState = state;
        Canvas note;
        if (PaintNoteCanvas(document, canvasState, note))
            FUZZ_REQUIRE(note.Width() == state.width && note.Height() == state.height);
    }
    ClearPointerOver(document);

    Canvas source;
    DrawSourceArea(document.image, {0, 0, 97, 71},
                   options.selectedelement >= 0
                       ? SourceAreas(document.elements[static_cast<size_t>(options.selectedelement)])
                       : std::vector<SourceArea>(),
                   source);
    if (document.image.IsValid()) {
        // The snap of a double click, on a pixel of the sheet.
        const int w = document.image.Width(), h = document.image.Height();
        const std::optional<CanvasRect> piece =
            PieceAt(SheetPixels::OfDocument(document), in.areaWidth % w, in.areaHeight % h);
        FUZZ_REQUIRE(!piece || (piece->left >= 0 && piece->top >= 0 && piece->right <= w &&
                                piece->bottom <= h && !piece->IsEmpty()));
    }
    Canvas magnified(90, 70);
    PaintMagnified(magnified, preview, kPreviewMagnifierZoom, {in.areaWidth / 3, in.areaHeight / 3},
                   MakeColour(240, 240, 240));

    SkinCheck(document, state, in.settings.stackmode);
    CheckLint(document);
    if (in.stateSheet)
        DrawSheet(document, in.settings);

    const QString line = CatalogueLine(document, QStringLiteral("fuzz.qsk"), PackageFileStamp{1, 2});
    // The catalogue is read line by line: one package, one line.
    FUZZ_REQUIRE(line.endsWith(u'\n') && line.count(u'\n') == 1 && !line.contains(u'\r'));
    DrawThumbnail(document, in.thumbnail);
    return 0;
}
