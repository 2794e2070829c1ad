#pragma once

struct SkinDocument;

// Whether anything in the skin depends on the note having the focus: an element drawn only then, or a
// group rule on "Has focus".
bool SkinUsesFocus(const SkinDocument& document);
