#pragma once

#include <QString>

struct RecoveryRecord;

// The skin a recovery file is about, as its questions and messages name it: the file name of its skin,
// or "(untitled)".
QString RecoveredSkinName(const QString& skinPath);

// The question that offers a recovery file: "Recover unsaved changes to <name>?", and when the skin file
// was changed on disk after the changes were kept, a second sentence that says so.
QString RecoveryQuestion(const RecoveryRecord& record);
