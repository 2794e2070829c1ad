#include "catalogue/DocumentationLink.h"

QString CorrectDocumentationLinks(const QString& text) {
    QString corrected = text;
    corrected.replace(kOldDocumentationLink, kDocumentationLink);
    return corrected;
}
