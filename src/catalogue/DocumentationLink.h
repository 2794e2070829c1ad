#pragma once

#include <QString>

// Skins made with older designers carry the skin documentation's old address (authors often give it as
// their author URL); the catalogue shows the address that works today. The corrected form does not
// contain the old one, so correcting twice changes nothing more.
inline const QString kOldDocumentationLink = QStringLiteral("http://www.pinlets.example.org/skinhelp.htm");
inline const QString kDocumentationLink = QStringLiteral("https://pinlets.example.org/docs/skins/");

// The text with every occurrence of the old documentation address replaced by the current one.
QString CorrectDocumentationLinks(const QString& text);
