#pragma once

#include <QString>

// The gallery page's handling of the texts it takes from packages.

// Text as the page may show it: control characters dropped except tab and line feed, every carriage
// return (alone or before a line feed) made one line feed, and half a surrogate pair, which UTF-8
// cannot hold, made U+FFFD.
QString GalleryText(const QString& text);
// A skin's notes for the page: every "^M" (the skin file's line break) a line feed, then as GalleryText.
QString GalleryNotesText(const QString& notes);
// Text for HTML content and quoted attribute values: & < > " ' written as references.
QString HtmlEscaped(const QString& text);
void AppendHtmlEscaped(QString& out, QStringView text);
// Whether an author URL becomes a link: it starts with "http://" or "https://", in any case. Anything
// else ("javascript:", "www.…", a mail address) is shown as text.
bool IsLinkableUrl(const QString& url);
// A file name as a relative link: every byte of its name on disk but letters, digits and "-._~"
// percent-encoded, so spaces, "#", "%", "?" and ":" cannot end or change the link.
QString FileNameLink(const QString& fileName);
void AppendFileNameLink(QString& out, const QString& fileName);
// A package's size for people: "N bytes" below 1 KB, else KB or MB with one decimal (1 KB = 1024 bytes);
// empty when unknown (negative).
QString PackageSizeText(long long bytes);
// Seconds since 1970 as the UTC date YYYY-MM-DD; empty when unknown (negative).
QString UtcDateText(long long seconds);
