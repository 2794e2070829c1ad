// catalogue FOLDER [--jobs N] [--quiet] [--html]: the skin browser's catalogue writer for scripts.
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryPage.h"
#include "cli/Cli.h"
#include "cli/CommandArgs.h"

#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kMostJobs = 256;
constexpr int kBarWidth = 30;
constexpr int kShownNameLength = 40;

void PrintError(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

QString OutcomeText(PackageOutcome outcome) {
    switch (outcome) {
    case PackageOutcome::Written:
        return QStringLiteral("written");
    case PackageOutcome::Skipped:
        return QStringLiteral("skipped");
    case PackageOutcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString ProgressBar(const CatalogueProgress& p) {
    const int filled =
        p.total > 0 ? static_cast<int>(static_cast<long long>(kBarWidth) * p.done / p.total) : 0;
    QString name = p.name;
    if (name.size() > kShownNameLength)
        name = name.left(kShownNameLength - 3) + QStringLiteral("...");
    // Back to the line's start, and the rest of the old line cleared.
    return QStringLiteral("\r[%1%2] %3/%4 %5\x1b[K")
        .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'.'))
        .arg(p.done)
        .arg(p.total)
        .arg(name);
}

} // namespace

int RunCatalogueCommand(const QStringList& args) {
    CommandArgs parsed;
    QString reason;
    if (!parsed.Parse(QStringLiteral("catalogue"), args,
                      {{"--jobs", nullptr, "a number N"}, {"--quiet"}, {"--html"}}, &reason))
        return CliUsageError(reason);
    QString folder;
    if (!parsed.TakeOne("a FOLDER", &folder, &reason))
        return CliUsageError(reason);
    CatalogueRun run;
    if (parsed.Has("--jobs")) {
        bool ok = false;
        run.jobs = parsed.Value("--jobs").toInt(&ok);
        if (!ok || run.jobs < 1 || run.jobs > kMostJobs)
            return CliUsageError(QStringLiteral("catalogue: --jobs needs a number from 1 to %1, not '%2'")
                                     .arg(kMostJobs)
                                     .arg(parsed.Value("--jobs")));
    }
    if (!QFileInfo(folder).isDir())
        return CliFailure(QStringLiteral("catalogue: no folder '%1'").arg(folder));

    const bool quiet = parsed.Has("--quiet");
    const bool terminal = isatty(fileno(stderr)) != 0;
    if (!quiet) {
        run.progress = [terminal](const CatalogueProgress& p) {
            PrintError(terminal ? ProgressBar(p)
                                : QStringLiteral("[%1/%2] %3: %4\n")
                                      .arg(p.done)
                                      .arg(p.total)
                                      .arg(p.name, OutcomeText(p.outcome)));
            return true;
        };
    }
    CatalogueResult result = WriteCatalogue(folder, SkinFolderListing(folder), run);
    const bool pageMissing = parsed.Has("--html") && !AddGalleryPage(folder, result);
    if (!quiet && terminal && result.finished > 0)
        PrintError(QStringLiteral("\n"));

    CliPrint(QStringLiteral("%1 packages, %2 thumbnails written, %3 skipped, %4 failed\n")
                 .arg(result.packages)
                 .arg(result.thumbnails)
                 .arg(result.skipped)
                 .arg(result.failed));
    for (const QString& message : result.messages)
        PrintError(QStringLiteral("drapier-cli: ") + message + u'\n');
    return result.failed == 0 && result.catalogueWritten && !pageMissing ? kExitOk : kExitFailed;
}
