#include "EditingFixture.h"
#include "designer/RecoveryKeeper.h"
#include "document/RecoveryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUndoStack>

namespace {

class Recovery : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        folder = dir.filePath("recovery");
        skin = WriteSkin();
        Open(skin);
    }

    void Start() {
        window->StartRecovery(folder);
        ASSERT_NE(window->Recovery(), nullptr);
        ASSERT_TRUE(window->Recovery()->IsOn());
    }

    // The recovery file of this designer, read; status Unreadable while there is none.
    RecoveryReading Kept() const { return ReadRecoveryFile(window->Recovery()->FilePath()); }

    // A recovery file left by a designer that died: nobody holds its lock.
    QString LeaveStale(const QByteArray& bytes, const QString& name = "drapier-1-dead.recovery") {
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The skin of WriteSkin without "Label", as a designer that died kept it.
    RecoveryRecord EditedRecord(const QString& skinPath, const QDateTime& written) {
        SkinDocument edited = window->Document();
        edited.elements.erase(edited.elements.begin() + 5);
        return MakeRecoveryRecord(edited, skinPath, dir.filePath("skin.png"), written);
    }

    QString folder;
    QString skin;
};

} // namespace

TEST_F(Recovery, UnsavedStateIsKeptUntilSavedOrGivenUp) {
    Start();
    window->Recovery()->SetTimes(RecoveryKeeper::kPeriod, 100);
    EXPECT_TRUE(QDir(folder).entryList({"*.recovery"}).isEmpty());

    Delete("Label");
    ASSERT_TRUE(Eventually([&] { return Kept().status == RecoveryReadStatus::Ok; }));
    EXPECT_EQ(Kept().record.skinPath, skin);
    EXPECT_EQ(Kept().record.skinBytes, FileNow());

    // Each later step is kept too.
    Delete("Side");
    ASSERT_TRUE(Eventually([&] { return Kept().record.skinBytes == FileNow(); }));

    // A clean save ends it; so does a command that gives the changes up.
    ASSERT_TRUE(window->FileSave());
    EXPECT_FALSE(QFile::exists(window->Recovery()->FilePath()));
    Delete("Top");
    ASSERT_TRUE(Eventually([&] { return Kept().status == RecoveryReadStatus::Ok; }));
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    window->FileReopen();
    EXPECT_FALSE(QFile::exists(window->Recovery()->FilePath()));

    // Undoing back to the saved state is nothing to keep either.
    Delete("Top");
    ASSERT_TRUE(Eventually([&] { return Kept().status == RecoveryReadStatus::Ok; }));
    window->UndoStack()->undo();
    EXPECT_FALSE(QFile::exists(window->Recovery()->FilePath()));
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(Recovery, YesLoadsTheKeptStateMarkedChangedAndSaveWritesTheSkin) {
    const RecoveryRecord record = EditedRecord(skin, QDateTime::currentDateTimeUtc().addSecs(5));
    const QString stale = LeaveStale(RecoveryFileBytes(record));
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    Start();

    EXPECT_EQ(prompter.shown, QStringList{"Recover unsaved changes to skin.ini?"});
    EXPECT_EQ(prompter.yesNoPresets, std::vector<bool>{true});
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Knob");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->SkinPath(), skin);
    EXPECT_EQ(Steps(), 0);
    // Kept again as this designer's own before the dead one's file went.
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_EQ(Kept().record.skinBytes, record.skinBytes);

    ASSERT_TRUE(window->FileSave());
    EXPECT_EQ(FileBytes(skin), record.skinBytes);
    EXPECT_TRUE(QDir(folder).entryList({"*.recovery"}).isEmpty());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(Recovery, WhatIsNotRecoveredIsDeletedOrKeptAsAnswered) {
    const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(5);
    const QByteArray good = RecoveryFileBytes(EditedRecord(skin, later));
    const QString damagedQuestion = "Unsaved changes were kept in %1, but that file is damaged and cannot be "
                                    "loaded.\n\nDelete it?";
    const struct {
        const char* what;
        QByteArray bytes;
        Prompter::Answer answer;
        QString question; // %1: the file's path; empty for none
        bool remains;
    } cases[] = {
        {"No to the offer deletes", good, Prompter::Answer::No, "Recover unsaved changes to skin.ini?",
         false},
        {"untitled", RecoveryFileBytes(EditedRecord(QString(), later)), Prompter::Answer::No,
         "Recover unsaved changes to (untitled)?", false},
        {"cut short, kept", good.chopped(20), Prompter::Answer::No, damagedQuestion, true},
        {"no first line, deleted", "[settings]\nskinname=x\n", Prompter::Answer::Yes, damagedQuestion, false},
        // Still work of its own: a designer that kept its changes when the file changed under it.
        {"older than the skin file", RecoveryFileBytes(EditedRecord(skin, later.addSecs(-3600))),
         Prompter::Answer::No,
         "Recover unsaved changes to skin.ini? The skin file was changed on disk after them.", false},
        // Nothing the skin file does not hold: it goes without a question.
        {"what the skin file holds",
         RecoveryFileBytes(MakeRecoveryRecord(window->Document(), skin, dir.filePath("skin.png"), later)),
         Prompter::Answer::Yes, QString(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window.reset();
        prompter = FakePrompter();
        SetUp();
        const QString stale = LeaveStale(c.bytes);
        prompter.yesNoCancel.push_back(c.answer);
        Start();
        const QString question = c.question.arg(QDir::toNativeSeparators(stale));
        EXPECT_EQ(prompter.shown, question.isEmpty() ? QStringList() : QStringList{question});
        EXPECT_EQ(QFile::exists(stale), c.remains);
        // Nothing was loaded.
        EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob");
        EXPECT_FALSE(window->IsDirty());
    }
}

TEST_F(Recovery, AFolderThatCannotBeWrittenTurnsRecoveryOffAndEditingGoesOn) {
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    folder = dir.filePath("blocker/recovery");
    window->StartRecovery(folder);
    EXPECT_FALSE(window->Recovery()->IsOn());
    EXPECT_EQ(window->StatusText(),
              "Recovery is off: unsaved changes cannot be kept in " + QDir::toNativeSeparators(folder));

    Delete("Label");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Knob");
    EXPECT_EQ(prompter.unexpected, 0);
}
