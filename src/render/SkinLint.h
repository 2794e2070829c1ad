#pragma once

#include "picture/Canvas.h"
#include "picture/InputLimits.h"

#include <QString>
#include <optional>
#include <vector>

struct SkinDocument;

// What the sprite-sheet lint can find.
enum class LintKind {
    SourceOutside, // a drawn source rectangle is not wholly inside the picture
    SourceEmpty,   // a drawn source has no width or no height
    UnknownGroup,  // an element names a group that does not exist
    UnusedGroup,   // a group that no element names
    NeverDrawn,    // an element drawn in none of the states tried
    DuplicateName, // a second element of the same kind with the same name
    UncoveredArea, // visible pixels no source rectangle covers
    PastDrawLimit, // a drawable element past the kMaxDrawnElements a note paints
};

struct LintFinding {
    LintKind kind = LintKind::SourceOutside;
    int element = -1; // index in the document's list; -1 for the picture areas
    QString name;     // the element's name; empty for the picture areas
    QString message;
    std::optional<CanvasRect> rect; // in picture pixels, where the finding has one

    bool operator==(const LintFinding&) const = default;
};

struct LintReport {
    std::vector<LintFinding> findings; // in document order, then the picture areas in reading order
    bool pictureMissing = false;       // the skin has no picture: its findings were skipped
};

// At most kMaxUncoveredAreas uncovered areas are listed; one more finding then says how many were left
// out.

// Looks for the mistakes a skin's sprite sheet and element list commonly hide. Changes nothing.
LintReport LintSkin(const SkinDocument& document);

// The finding's name in machine-readable output: "source-outside", "never-drawn" ...
QString LintKindName(LintKind kind);
