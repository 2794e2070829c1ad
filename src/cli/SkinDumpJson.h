#pragma once

#include <QString>

struct SkinDocument;

// The whole document as one JSON object, for drapier-cli dump: settings, default layout and every
// element with its kind's fields, named after their skin-file keys.
QString SkinDumpJson(const SkinDocument& document);
