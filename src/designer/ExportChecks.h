#pragma once

#include <QString>

inline const QString kExportNotSaved = QStringLiteral("Can't export - current skin is not yet saved");
inline const QString kExportNoPng = QStringLiteral("Can't export - no PNG loaded");
inline const QString kExportSaveFirst = QStringLiteral("You need to save changes first. Do that now?");

// Why a skin cannot be exported as it stands, the first reason in the order they are checked; empty when
// it can. A skin opened from a package has no skin file of its own to pack yet; one named "stack.ini"
// would be taken for the package's stack skin.
QString ExportRefusal(const QString& skinPath, const QString& pngPath);
