#include "catalogue/CatalogueWriter.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueLine.h"
#include "document/SkinDocument.h"
#include "picture/SafeFileWrite.h"

#include <QDir>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr auto kIdleInterval = std::chrono::milliseconds(100);

// Packages whose thumbnails or notes would land on the same file, in list order. Names are compared
// without regard to case: a skin folder may come from, or sit on, a file system that ignores it.
std::vector<std::vector<int>> GroupByOutput(const QStringList& packages) {
    std::vector<std::vector<int>> groups;
    QHash<QString, size_t> groupOfStem;
    for (int i = 0; i < packages.size(); ++i) {
        const QString stem = ThumbnailNameOf(packages[i]).toCaseFolded();
        const auto found = groupOfStem.constFind(stem);
        if (found != groupOfStem.constEnd()) {
            groups[*found].push_back(i);
            continue;
        }
        groupOfStem.insert(stem, groups.size());
        groups.push_back({i});
    }
    return groups;
}

PackageCatalogue CatalogueSafely(const QString& folder, const QString& name) {
    try {
        return CataloguePackage(folder, name);
    } catch (const std::exception&) {
        // Only memory can run out here; the package fails and the others go on.
        const QString path = QDir(folder).filePath(name);
        PackageCatalogue failed;
        failed.name = name;
        const PackageFileStamp stamp = StampOfFile(path);
        failed.line = CatalogueLine(SkinDocument(), name, stamp);
        failed.card = GalleryCardOf(name, stamp, nullptr, false);
        failed.errors << QStringLiteral("Error loading ") + path + QStringLiteral(": not enough memory");
        return failed;
    }
}

struct FinishedPackage {
    int index = 0;
    bool passedOver = false; // the run was cancelled before the package was begun
};

// Runs groups of packages on worker threads. The calling thread hands out groups, at most `jobs` at a
// time, and takes back each finished package; everything the workers share goes through the mutex.
class PackagePool {
public:
    PackagePool(const QString& folder, const QStringList& packages, int jobs)
        : m_folder(folder), m_packages(packages), m_reports(static_cast<size_t>(packages.size())) {
        for (int i = 0; i < jobs; ++i)
            m_workers.emplace_back([this] { Work(); });
    }
    ~PackagePool() {
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_workAvailable.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
    }

    void Start(const std::vector<int>& group) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(group);
        }
        m_workAvailable.notify_one();
    }

    // The next package back from the workers, or nullopt when none came within the interval.
    std::optional<FinishedPackage> WaitForPackage(std::chrono::milliseconds interval) {
        std::unique_lock lock(m_mutex);
        if (!m_packageFinished.wait_for(lock, interval, [this] { return !m_finished.empty(); }))
            return std::nullopt;
        const FinishedPackage finished = m_finished.front();
        m_finished.pop_front();
        return finished;
    }

    const PackageCatalogue& Report(int index) const { return m_reports[static_cast<size_t>(index)]; }
    // The rest of a group under way is passed over.
    void Cancel() { m_cancelled = true; }

private:
    void Work() {
        for (;;) {
            std::vector<int> group;
            {
                std::unique_lock lock(m_mutex);
                m_workAvailable.wait(lock, [this] { return m_closing || !m_queue.empty(); });
                if (m_queue.empty())
                    return;
                group = std::move(m_queue.front());
                m_queue.pop_front();
            }
            for (const int index : group) {
                // A package passed over still reports back, so that the caller knows the group is through.
                const bool passedOver = m_cancelled;
                if (!passedOver)
                    m_reports[static_cast<size_t>(index)] = CatalogueSafely(m_folder, m_packages[index]);
                {
                    std::lock_guard lock(m_mutex);
                    m_finished.push_back({index, passedOver});
                }
                m_packageFinished.notify_one();
            }
        }
    }

    const QString m_folder;
    const QStringList m_packages;
    std::vector<PackageCatalogue> m_reports; // each written by one worker, read after it says so
    std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_packageFinished;
    std::deque<std::vector<int>> m_queue;
    std::deque<FinishedPackage> m_finished;
    bool m_closing = false;
    std::atomic<bool> m_cancelled{false};
    std::vector<std::thread> m_workers;
};

void Count(CatalogueResult& result, const PackageCatalogue& report) {
    ++result.finished;
    result.thumbnails += report.thumbnailWritten ? 1 : 0;
    result.notes += report.notesWritten ? 1 : 0;
    switch (report.Outcome()) {
    case PackageOutcome::Skipped:
        ++result.skipped;
        break;
    case PackageOutcome::Failed:
        ++result.failed;
        break;
    case PackageOutcome::Written:
        break;
    }
}

} // namespace

CatalogueResult WriteCatalogue(const QString& folder, const QStringList& names, const CatalogueRun& run) {
    QStringList packages;
    for (const QString& name : names) {
        if (name.endsWith(u".qsk", Qt::CaseInsensitive))
            packages << name;
    }
    CatalogueResult result;
    result.packages = static_cast<int>(packages.size());
    result.cataloguePath = QDir(folder).filePath(kCatalogueFileName);

    const std::vector<std::vector<int>> groups = GroupByOutput(packages);
    const int jobs = std::clamp(run.jobs > 0 ? run.jobs : QThread::idealThreadCount(), 1,
                                std::max(1, static_cast<int>(groups.size())));
    std::vector<int> groupOf(static_cast<size_t>(packages.size()));
    std::vector<int> remaining(groups.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        remaining[g] = static_cast<int>(groups[g].size());
        for (const int index : groups[g])
            groupOf[static_cast<size_t>(index)] = static_cast<int>(g);
    }
    std::vector<bool> done(static_cast<size_t>(packages.size()), false);
    {
        PackagePool pool(folder, packages, groups.empty() ? 0 : jobs);
        size_t started = 0;
        int groupsUnderWay = 0;
        const auto startGroup = [&] {
            pool.Start(groups[started++]);
            ++groupsUnderWay;
        };
        while (started < groups.size() && groupsUnderWay < jobs)
            startGroup();
        while (groupsUnderWay > 0) {
            const std::optional<FinishedPackage> finished = pool.WaitForPackage(kIdleInterval);
            if (!finished) {
                if (run.idle && !result.cancelled && !run.idle()) {
                    result.cancelled = true;
                    pool.Cancel();
                }
                continue;
            }
            const size_t index = static_cast<size_t>(finished->index);
            if (!finished->passedOver) {
                const PackageCatalogue& report = pool.Report(finished->index);
                done[index] = true;
                Count(result, report);
                if (run.progress && !result.cancelled &&
                    !run.progress({result.finished, result.packages, report.name, report.Outcome()})) {
                    result.cancelled = true;
                    pool.Cancel();
                }
            }
            if (--remaining[static_cast<size_t>(groupOf[index])] > 0)
                continue;
            --groupsUnderWay;
            if (!result.cancelled && started < groups.size())
                startGroup();
        }
        for (int i = 0; i < packages.size(); ++i) {
            if (!done[static_cast<size_t>(i)])
                continue;
            const PackageCatalogue& report = pool.Report(i);
            result.messages += report.errors;
            if (report.loaded) {
                result.lastSkinName = report.skinName;
                result.anyLoaded = true;
            }
        }
        if (!result.cancelled) {
            QString text;
            for (int i = 0; i < packages.size(); ++i) {
                text += pool.Report(i).line;
                result.cards << pool.Report(i).card;
            }
            QString reason;
            result.catalogueWritten =
                WriteFileSafely(result.cataloguePath, CatalogueFileBytes(text), &reason);
            if (!result.catalogueWritten)
                result.messages << QStringLiteral("Error saving ") + result.cataloguePath +
                                       QStringLiteral(": ") + reason;
        }
    }
    return result;
}
