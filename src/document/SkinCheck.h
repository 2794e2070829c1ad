#pragma once

#include "document/ElementKind.h"

#include <QString>

struct NoteState;
struct SkinDocument;

// The skin check's report for the note state: errors, warnings and, in stack skin mode, the elements
// that use states, actions or placeholders a stack of notes does not have. Each finding is one message
// ending in its line breaks; an empty text means nothing was found. The document is not changed.
QString SkinCheck(const SkinDocument& document, const NoteState& state, bool stackMode);

// Whether the report holds an error: a finding whose line starts "ERROR:" (all others are warnings).
bool CheckReportHasErrors(const QString& report);

// A kind as the check's messages name it: "Button", "HStrip", "VStrip", "Text", "Indicator", "Tile area",
// "Group", "Layout"; "Element" for an entry of no kind.
QString CheckKindLabel(ElementKind kind);
