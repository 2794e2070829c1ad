#pragma once

#include "picture/ImageSurface.h"

#include <QByteArray>
#include <QString>
#include <memory>

struct SkinDocument;
class ZipReader;

// Fills the document from a skin file (".ini"), a skin package (".qsk") or, for an empty path, the
// built-in default skin. innerName names the skin file inside a package (empty: the usual one,
// "stack.ini": its stack skin). False when the path has another ending, when the skin file cannot be
// read, when the picture a skin file names cannot be opened (its text is read all the same), and when a
// package cannot be opened or lacks a skin file, a picture or a readable entry. A picture that opens
// but does not decode leaves the picture empty and is no failure.
// With digestPicture, the PNG file a skin file names is given its FileDigest too (pictureDigest), read
// while it is hot, for a watcher of the file.
bool LoadSkin(SkinDocument& document, const QString& path, const QString& innerName,
              bool digestPicture = false);

// A load of a skin file begun at once, finished later: the skin text is read and the PNG it names starts
// decoding on another thread, so that the caller can do other work (the designer builds its window) in
// the meantime. Finish is LoadSkin(document, path, QString(), digestPicture) from what was read when the
// load began; for another path or digest choice, or a package, it loads from scratch. Destroying an
// unfinished load waits for its decode.
struct PlainSkinStart;
class SkinLoadAhead {
public:
    SkinLoadAhead(); // nothing begun
    SkinLoadAhead(const QString& path, bool digestPicture);
    SkinLoadAhead(const SkinLoadAhead&) = delete;
    SkinLoadAhead& operator=(const SkinLoadAhead&) = delete;
    ~SkinLoadAhead();
    bool Finish(SkinDocument& document, const QString& path, bool digestPicture);

private:
    std::unique_ptr<PlainSkinStart> m_start;
};

// An empty skin with the program's own 80 by 40 picture.
void LoadDefaultSkin(SkinDocument& document);

// The package part of LoadSkin, from an archive already open.
bool LoadSkinFromPackage(SkinDocument& document, ZipReader& package, const QString& innerName);

// The text of a skin file taken from a package: UTF-16LE after an FF FE mark, else Windows-1252.
QString PackagedSkinText(const QByteArray& bytes);

// The PNG at path as the source view shows it, made the document's picture too (the preview draws from
// that): the document's own, shared, when the last load decoded it from that very file, else decoded
// now. False, leaving `shown` empty and the document as it was, when it does not load.
bool LoadSourcePicture(SkinDocument& document, const QString& path, ImageSurface& shown);

// The picture the loaded document draws from, as the source view shows it: a keyed picture without its
// key.
ImageSurface SourcePictureOf(const SkinDocument& document);
