#include "document/GroupRules.h"

#include "document/GroupIndex.h"
#include "document/LeadingNumber.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

namespace {

struct RuleField {
    const char16_t* name;
    RuleFieldType type;
    bool (*flag)(const NoteState&);
    int (*number)(const NoteState&);
    QString (*text)(const NoteState&);
};

constexpr RuleField Flag(const char16_t* name, bool (*f)(const NoteState&)) {
    return {name, RuleFieldType::Flag, f, nullptr, nullptr};
}
constexpr RuleField Number(const char16_t* name, int (*f)(const NoteState&)) {
    return {name, RuleFieldType::Number, nullptr, f, nullptr};
}
constexpr RuleField Text(const char16_t* name, QString (*f)(const NoteState&)) {
    return {name, RuleFieldType::Text, nullptr, nullptr, f};
}

const RuleField kFields[] = {
    Flag(u"Rolled", [](const NoteState& s) { return s.rolled; }),
    Flag(u"Has focus", [](const NoteState& s) { return s.hasfocus; }),
    Flag(u"On top", [](const NoteState& s) { return s.ontop; }),
    Flag(u"Email sent OK", [](const NoteState& s) { return s.emailok; }),
    Flag(u"Network sent OK", [](const NoteState& s) { return s.transmitok; }),
    Flag(u"Read only", [](const NoteState& s) { return s.readonly; }),
    Flag(u"Alarm set", [](const NoteState& s) { return s.alarmset; }),
    Flag(u"Attached", [](const NoteState& s) { return s.attached; }),
    Flag(u"More text above", [](const NoteState& s) { return s.moreabove; }),
    Flag(u"More text below", [](const NoteState& s) { return s.morebelow; }),
    Flag(u"Scrollbar enabled", [](const NoteState& s) { return s.fixedsize; }),
    Flag(u"User 1", [](const NoteState& s) { return s.user1; }),
    Flag(u"User 2", [](const NoteState& s) { return s.user2; }),
    Flag(u"User 3", [](const NoteState& s) { return s.user3; }),
    Flag(u"Scrollbar required", [](const NoteState& s) { return s.scrollbarrequired; }),
    Flag(u"Image sticky", [](const NoteState& s) { return s.image; }),
    Flag(u"Stand", [](const NoteState& s) { return s.stand; }),
    Flag(u"In stack", [](const NoteState& s) { return s.instack; }),
    Flag(u"BG colour is light", [](const NoteState& s) { return s.backgroundislight; }),
    Flag(u"Solo", [](const NoteState& s) { return s.solo; }),
    Flag(u"Sync", [](const NoteState& s) { return s.sync; }),
    Flag(u"Bulk selected", [](const NoteState& s) { return s.bulkselected; }),
    Number(u"Width", [](const NoteState& s) { return s.width; }),
    Number(u"Height", [](const NoteState& s) { return s.height; }),
    Number(u"DPI", [](const NoteState& s) { return s.dpi; }),
    Number(u"Stack count", [](const NoteState& s) { return LeadingNumber(s.source); }),
    Text(u"Title", [](const NoteState& s) { return s.title; }),
    Text(u"Source", [](const NoteState& s) { return s.source; }),
    Text(u"Stack name", [](const NoteState& s) { return s.stackname; }),
    Text(u"Userstring1", [](const NoteState& s) { return s.userstring1; }),
    Text(u"Attached title", [](const NoteState& s) { return s.attachedtitle; }),
    Text(u"Attached class", [](const NoteState& s) { return s.attachedclass; }),
    Text(u"Last send", [](const NoteState& s) { return s.lastsendtext; }),
};

const RuleField* FindField(const QString& name) {
    for (const RuleField& f : kFields) {
        if (name.compare(QStringView(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

bool Is(const QString& a, const char* b) {
    return a.compare(QLatin1StringView(b), Qt::CaseInsensitive) == 0;
}

bool EvaluateNumber(int actual, const QString& op, int wanted) {
    if (Is(op, "is"))
        return actual == wanted;
    if (Is(op, "is not"))
        return actual != wanted;
    if (Is(op, "is less than"))
        return actual < wanted;
    if (Is(op, "is greater than"))
        return actual > wanted;
    return false;
}

bool EvaluateText(const QString& actual, const QString& op, const QString& wanted) {
    if (Is(op, "is"))
        return actual.compare(wanted, Qt::CaseInsensitive) == 0;
    if (Is(op, "is not"))
        return actual.compare(wanted, Qt::CaseInsensitive) != 0;
    if (Is(op, "contains"))
        return actual.toLower().contains(wanted.toLower());
    if (Is(op, "does not contain"))
        return !actual.toLower().contains(wanted.toLower());
    return false;
}

} // namespace

QStringList RuleFieldNames() {
    QStringList names;
    for (const RuleField& f : kFields)
        names << QString::fromUtf16(f.name);
    return names;
}

bool RuleFieldTypeOf(const QString& field, RuleFieldType* type) {
    const RuleField* f = FindField(field);
    if (f && type)
        *type = f->type;
    return f != nullptr;
}

QStringList NumberOperators() {
    return {QStringLiteral("is"), QStringLiteral("is not"), QStringLiteral("is less than"),
            QStringLiteral("is greater than")};
}

QStringList TextOperators() {
    return {QStringLiteral("is"), QStringLiteral("is not"), QStringLiteral("contains"),
            QStringLiteral("does not contain")};
}

bool EvaluateRule(const GroupRule& rule, const NoteState& state) {
    const RuleField* f = FindField(rule.field);
    if (!f)
        return false;
    switch (f->type) {
    case RuleFieldType::Flag: {
        // The operator is not consulted: the value alone says which flag state holds.
        const bool wantSet = Is(rule.value, "true");
        return f->flag(state) == wantSet;
    }
    case RuleFieldType::Number:
        return EvaluateNumber(f->number(state), rule.op, LeadingNumber(rule.value));
    case RuleFieldType::Text:
        return EvaluateText(f->text(state), rule.op, rule.value);
    }
    return false;
}

namespace {

// The test of the Group element at index; -1 (no such group) fails.
bool GroupPasses(const SkinDocument& document, int index, const NoteState& state) {
    if (index < 0)
        return false;
    const GroupRecord& g = *document.elements[static_cast<size_t>(index)].As<GroupRecord>();
    if (!g.enabled)
        return false;
    if (g.match) {
        for (const GroupRule& r : g.rules) {
            if (!EvaluateRule(r, state))
                return false;
        }
        return true;
    }
    for (const GroupRule& r : g.rules) {
        if (EvaluateRule(r, state))
            return true;
    }
    return false;
}

} // namespace

bool GroupTest(const SkinDocument& document, const QString& group, const NoteState& state) {
    return group.isEmpty() || GroupPasses(document, document.GroupIndex(group), state);
}

bool GroupTest(const SkinDocument& document, const GroupIndex& groups, const QString& group,
               const NoteState& state) {
    return group.isEmpty() || GroupPasses(document, groups.Find(group), state);
}
