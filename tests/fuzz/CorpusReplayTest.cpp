// Every input the fuzzers keep (fuzz/seeds/TARGET and fuzz/corpus/TARGET), run once through the same
// target body the fuzzer runs, under the suite's sanitizers: no known input may crash, leak or break a
// property. The corpora also stay within their budget here.
#include "FuzzTarget.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>

#if defined(__has_include) && __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define DRAPIER_HAS_SANITIZER_HOOKS 1
#endif

namespace {

constexpr qint64 kLargestInput = 64 * 1024;         // what scripts/fuzz lets an input grow to
constexpr qint64 kLargestCorpora = 5 * 1024 * 1024; // seeds and kept corpora together

std::map<std::string, FuzzEntry>& Targets() {
    static std::map<std::string, FuzzEntry> targets;
    return targets;
}

QString FuzzFolder(const char* part) {
    return QStringLiteral(DRAPIER_FUZZ_FOLDER "/") + QString::fromLatin1(part);
}

QStringList TargetFolders(const QString& root) {
    return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// The inputs of a target, seeds first, each folder in name order.
QStringList InputsOf(const QString& target) {
    QStringList inputs;
    for (const char* part : {"seeds", "corpus"}) {
        const QDir folder(FuzzFolder(part) + u'/' + target);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            inputs << folder.filePath(name);
    }
    return inputs;
}

// Which input was running when a sanitizer or an abort ends the process; written with write(2) only.
char g_current[4096];

void SayCurrent() {
    static const char kPrefix[] = "\nreplay: the input running was ";
    [[maybe_unused]] auto a = write(2, kPrefix, sizeof kPrefix - 1);
    [[maybe_unused]] auto b = write(2, g_current, std::strlen(g_current));
    [[maybe_unused]] auto c = write(2, "\n", 1);
}

void OnFatalSignal(int signal) {
    SayCurrent();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

class CorpusReplay : public ::testing::TestWithParam<std::string> {};

} // namespace

bool RegisterFuzzTarget(const char* name, FuzzEntry entry) {
    Targets()[name] = entry;
    return true;
}

TEST(FuzzCorpora, EveryTargetHasSeedsAndEveryFolderATarget) {
    QStringList registered;
    for (const auto& [name, entry] : Targets())
        registered << QString::fromStdString(name);
    EXPECT_EQ(TargetFolders(FuzzFolder("seeds")), registered);
    for (const QString& kept : TargetFolders(FuzzFolder("corpus")))
        EXPECT_TRUE(registered.contains(kept)) << "a kept corpus of no target: " << kept.toStdString();
    for (const QString& target : registered)
        EXPECT_FALSE(QDir(FuzzFolder("seeds") + u'/' + target).isEmpty()) << target.toStdString();
}

TEST(FuzzCorpora, StayWithinTheirBudget) {
    qint64 total = 0;
    for (const char* part : {"seeds", "corpus"}) {
        QDirIterator it(FuzzFolder(part), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo input(it.next());
            if (input.dir().dirName() == QLatin1String(part))
                continue; // the seed makers beside the folders
            EXPECT_LE(input.size(), kLargestInput) << input.filePath().toStdString();
            total += input.size();
        }
    }
    EXPECT_LE(total, kLargestCorpora);
}

TEST_P(CorpusReplay, EveryInputRunsCleanly) {
    const auto found = Targets().find(GetParam());
    ASSERT_NE(found, Targets().end());
    const QStringList inputs = InputsOf(QString::fromStdString(GetParam()));
    ASSERT_FALSE(inputs.isEmpty());
#ifdef DRAPIER_HAS_SANITIZER_HOOKS
    __sanitizer_set_death_callback(SayCurrent);
#endif
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, OnFatalSignal);
    for (const QString& path : inputs) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        std::strncpy(g_current, QFile::encodeName(path).constData(), sizeof g_current - 1);
        found->second(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
    }
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const QString& name : TargetFolders(FuzzFolder("seeds")))
                                 names.push_back(name.toStdString());
                             return names;
                         }()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
