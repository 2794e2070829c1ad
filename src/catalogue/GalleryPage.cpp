#include "catalogue/GalleryPage.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryHtml.h"
#include "catalogue/ParallelStretches.h"
#include "picture/PngHeader.h"
#include "picture/SafeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Our own mark sits in the head's first lines; a page that moved it far down is not ours to replace.
constexpr qint64 kMarkSearchBytes = 4096;
// Fewer thumbnails than this are not worth a thread of their own.
constexpr qsizetype kHeadersPerThread = 256;

// The first bytes of a regular file; a pipe or device under the name is not read (it might never end).
// Plain system calls: this runs for every thumbnail of the folder.
QByteArray Head(const QString& path, qint64 bytes, bool* readable) {
    *readable = false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray head;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        head.resize(bytes);
        const ssize_t got = ::read(fd, head.data(), static_cast<size_t>(bytes));
        *readable = got >= 0;
        head.resize(got > 0 ? got : 0);
    }
    ::close(fd);
    return head;
}

void FillThumbnailSize(const QString& folder, GalleryCard& card) {
    if (!card.skinRead || !card.pictureDecoded || (card.thumbnailWidth > 0 && card.thumbnailHeight > 0))
        return;
    bool readable = false;
    const QByteArray head =
        Head(QDir(folder).filePath(ThumbnailNameOf(card.fileName)), kPngHeaderBytes, &readable);
    ReadPngSize(head, &card.thumbnailWidth, &card.thumbnailHeight);
}

} // namespace

bool IsDrapierGalleryPage(const QByteArray& head) {
    return head.contains(GalleryGeneratorMark().toUtf8());
}

GalleryPageResult WriteGalleryPage(const QString& folder, QList<GalleryCard> cards) {
    GalleryPageResult result;
    result.path = QDir(folder).filePath(kGalleryPageName);
    const QFileInfo existing(result.path);
    if (existing.exists() || existing.isSymLink()) {
        bool readable = false;
        const QByteArray head = Head(result.path, kMarkSearchBytes, &readable);
        if (!readable || existing.isSymLink() || !IsDrapierGalleryPage(head)) {
            result.message = QStringLiteral("Error saving ") + result.path +
                             QStringLiteral(": the file was not written by Drapier, so it is left as it is");
            return result;
        }
    }
    // data() makes the list this function's own here, before the threads write to its cards.
    GalleryCard* const own = cards.data();
    InParallelStretches(cards.size(), kHeadersPerThread, [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = begin; i < end; ++i)
            FillThumbnailSize(folder, own[i]);
        return 0;
    });
    QString reason;
    result.written = WriteFileSafely(result.path, GalleryPageHtml(cards), &reason);
    if (!result.written)
        result.message = QStringLiteral("Error saving ") + result.path + QStringLiteral(": ") + reason;
    return result;
}

bool AddGalleryPage(const QString& folder, CatalogueResult& result) {
    if (result.cancelled)
        return false;
    const GalleryPageResult page = WriteGalleryPage(folder, result.cards);
    result.pagePath = page.path;
    result.pageWritten = page.written;
    if (!page.written)
        result.messages << page.message;
    return page.written;
}
