#include "cli/StateOptions.h"

#include "document/LeadingNumber.h"
#include "document/SkinDocument.h"
#include "render/NoteSettingKeys.h"

#include <climits>

namespace {

using StateKey = NoteSettingKey;
using ValueForm = NoteSettingForm;

// A whole decimal number within the range: no blanks, no trailing text. A script wants to hear about
// its typo rather than get the leading-number reading of it.
bool ParseNumber(const QString& text, int minimum, int maximum, int* value) {
    const std::optional<int> n = StrictInteger(text);
    if (!n || *n < minimum || *n > maximum)
        return false;
    *value = *n;
    return true;
}

bool ParseFlag(const QString& text, bool* value) {
    if (text == u"1" || text.compare(u"true", Qt::CaseInsensitive) == 0) {
        *value = true;
        return true;
    }
    if (text == u"0" || text.compare(u"false", Qt::CaseInsensitive) == 0) {
        *value = false;
        return true;
    }
    return false;
}

bool ParseColour(const QString& text, Colour* value) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 3)
        return false;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        if (!ParseNumber(parts[i].trimmed(), 0, 255, &channels[i]))
            return false;
    }
    *value = MakeColour(channels[0], channels[1], channels[2]);
    return true;
}

QString Malformed(const StateKey& key, const QString& value, const char* wanted) {
    return QStringLiteral("--set %1: '%2' is not %3")
        .arg(QLatin1StringView(key.name), value, QLatin1StringView(wanted));
}

bool Apply(const StateKey& key, const QString& value, StateOptions* options, QString* reason) {
    NoteSettings& s = options->settings;
    switch (key.form) {
    case ValueForm::Number:
        if (ParseNumber(value, key.minimum, key.maximum, &(s.*key.number)))
            return true;
        *reason = key.minimum == INT_MIN
                      ? Malformed(key, value, "a whole number")
                      : QStringLiteral("--set %1: '%2' is not a whole number from %3 to %4")
                            .arg(QLatin1StringView(key.name), value)
                            .arg(key.minimum)
                            .arg(key.maximum);
        return false;
    case ValueForm::Flag:
        if (ParseFlag(value, &(s.*key.flag)))
            return true;
        *reason = Malformed(key, value, "0 or 1");
        return false;
    case ValueForm::StackMode:
        if (value != u"0" && value != u"1") {
            *reason = Malformed(key, value, "0 or 1");
            return false;
        }
        options->stackmode = value == u"1";
        return true;
    case ValueForm::Text:
        s.*key.text = value;
        if (key.text == &NoteSettings::source)
            options->sourcegiven = true;
        return true;
    case ValueForm::Colour:
        if (ParseColour(value, &(s.*key.colour)))
            return true;
        *reason = Malformed(key, value, "a colour r,g,b with each part 0 to 255");
        return false;
    }
    return false;
}

bool ApplyAssignment(const QString& assignment, StateOptions* options, QString* reason) {
    const qsizetype equals = assignment.indexOf(u'=');
    const QString name = equals < 0 ? assignment : assignment.left(equals);
    const StateKey* key = FindNoteSettingKey(name);
    if (!key) {
        *reason = name.isEmpty()
                      ? QStringLiteral("--set needs KEY=VALUE")
                      : QStringLiteral("--set: unknown key '%1' (keys: %2)").arg(name, StateOptionKeys());
        return false;
    }
    if (equals < 0) {
        *reason = QStringLiteral("--set %1: no value (write %1=VALUE)").arg(QLatin1StringView(key->name));
        return false;
    }
    return Apply(*key, assignment.mid(equals + 1), options, reason);
}

} // namespace

NoteSettings StateOptions::SettingsFor(const SkinDocument& document) const {
    NoteSettings s = settings;
    s.stackmode = stackmode.value_or(document.settings.mode == 1);
    if (!sourcegiven)
        s.source = DefaultNoteSource(s.stackmode);
    return s;
}

bool TakeStateOptions(QStringList* args, StateOptions* options, QString* reason) {
    QStringList rest;
    for (qsizetype i = 0; i < args->size(); ++i) {
        const QString& arg = args->at(i);
        if (arg != u"--set") {
            rest << arg;
            continue;
        }
        if (i + 1 >= args->size()) {
            *reason = QStringLiteral("--set needs KEY=VALUE");
            return false;
        }
        if (!ApplyAssignment(args->at(++i), options, reason))
            return false;
    }
    *args = rest;
    return true;
}

QString StateOptionKeys() {
    return NoteSettingKeyNames().join(QStringLiteral(", "));
}
