#pragma once

#include <QString>

struct SkinDocument;

// Loads the skin at path into the document for a command; innerName picks the skin file inside a
// package (empty for the usual one). On failure reason gets a one-line explanation.
bool CliLoadSkin(const QString& path, const QString& innerName, SkinDocument* document, QString* reason);
