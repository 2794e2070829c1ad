#include "render/SkinLint.h"

#include "document/SkinCheck.h"
#include "document/SkinDocument.h"
#include "render/DrawTrials.h"
#include "render/ElementSources.h"
#include "render/UncoveredAreas.h"

#include <QHash>
#include <QSet>
#include <utility>

namespace {

struct PictureSize {
    int width = 0;
    int height = 0;
};

std::optional<PictureSize> SizeOfPicture(const SkinDocument& document) {
    if (document.pngsource && document.image.IsValid())
        return PictureSize{document.image.Width(), document.image.Height()};
    if (!document.pngsource && document.keyed.IsValid())
        return PictureSize{document.keyed.Width(), document.keyed.Height()};
    return std::nullopt;
}

bool Inside(const ElementSource& source, const PictureSize& picture) {
    const long long x = source.point.x, y = source.point.y;
    return x >= 0 && y >= 0 && x + source.width <= picture.width && y + source.height <= picture.height;
}

class Linter {
public:
    explicit Linter(const SkinDocument& document)
        : m_document(document), m_picture(SizeOfPicture(document)), m_trials(document) {
        for (const SkinElement& e : document.elements) {
            if (const GroupRecord* g = e.As<GroupRecord>()) {
                m_groups.insert(g->name);
                m_groupsByFolded.insert(g->name.toCaseFolded(), g->name);
            }
            if (!e.group.isEmpty())
                m_namedGroups.insert(e.group);
        }
    }

    LintReport Run() {
        m_report.pictureMissing = !m_picture;
        const auto [pastFirst, pastCount] = PastDrawLimit();
        for (int i = 0; i < static_cast<int>(m_document.elements.size()); ++i) {
            LintElement(i);
            if (i == pastFirst)
                Add(LintKind::PastDrawLimit, i,
                    QStringLiteral("%1 and the %2 drawable elements after it are not drawn: a note draws at "
                                   "most %3 elements")
                        .arg(Label(i), QString::number(pastCount - 1), QString::number(kMaxDrawnElements)));
        }
        if (m_picture)
            LintUncovered();
        return std::move(m_report);
    }

private:
    void Add(LintKind kind, int index, const QString& message, std::optional<CanvasRect> rect = {}) {
        LintFinding f;
        f.kind = kind;
        f.element = index;
        if (index >= 0)
            f.name = m_document.elements[static_cast<size_t>(index)].Name();
        f.message = message;
        f.rect = rect;
        m_report.findings.push_back(std::move(f));
    }

    QString Label(int index) const {
        const SkinElement& e = m_document.elements[static_cast<size_t>(index)];
        // One arg() for all, so that a name holding "%3" stays as it is.
        return QStringLiteral("%1 '%2' (element %3)")
            .arg(CheckKindLabel(e.Kind()), e.Name(), QString::number(index));
    }

    void LintElement(int index) {
        const SkinElement& e = m_document.elements[static_cast<size_t>(index)];
        for (const ElementSource& source : ElementSources(e)) {
            if (source.IsSet()) {
                m_used.push_back(source.Rect());
                if (source.drawn)
                    LintSource(index, source);
            }
        }
        if (!e.group.isEmpty() && !m_groups.contains(e.group))
            LintUnknownGroup(index, e.group);
        if (const GroupRecord* g = e.As<GroupRecord>(); g && !m_namedGroups.contains(g->name))
            Add(LintKind::UnusedGroup, index, Label(index) + QStringLiteral(" is named by no element"));
        if (e.IsDrawable()) {
            const DrawTrials::Result trial = m_trials.Try(e);
            if (!trial.drawn)
                Add(LintKind::NeverDrawn, index,
                    Label(index) +
                        QStringLiteral(" is drawn in none of the %1 states tried").arg(trial.tried));
        }
        LintDuplicate(index, e);
    }

    void LintSource(int index, const ElementSource& source) {
        const QString where = Label(index) + QStringLiteral(": %1 %2,%3")
                                                 .arg(QLatin1StringView(source.key))
                                                 .arg(source.point.x)
                                                 .arg(source.point.y);
        if (source.IsEmpty()) {
            Add(LintKind::SourceEmpty, index,
                where + QStringLiteral(" has an empty size %1x%2").arg(source.width).arg(source.height));
            return;
        }
        if (!m_picture || Inside(source, *m_picture))
            return;
        Add(LintKind::SourceOutside, index,
            where + QStringLiteral(" with size %1x%2 runs outside the %3x%4 picture")
                        .arg(source.width)
                        .arg(source.height)
                        .arg(m_picture->width)
                        .arg(m_picture->height),
            source.Rect());
    }

    void LintUnknownGroup(int index, const QString& group) {
        QString message = Label(index) + QStringLiteral(" names group '%1', which does not exist").arg(group);
        const auto similar = m_groupsByFolded.constFind(group.toCaseFolded());
        if (similar != m_groupsByFolded.constEnd())
            message += QStringLiteral("; group '%1' differs only in letter case").arg(*similar);
        Add(LintKind::UnknownGroup, index, message);
    }

    void LintDuplicate(int index, const SkinElement& e) {
        const auto key = std::make_pair(static_cast<int>(e.Kind()), e.Name());
        const auto first = m_firstByName.constFind(key);
        if (first == m_firstByName.constEnd()) {
            m_firstByName.insert(key, index);
            return;
        }
        Add(LintKind::DuplicateName, index,
            Label(index) + QStringLiteral(" has the same name as element %1").arg(*first));
    }

    // The first drawable element a note no longer paints (-1 for none), and how many there are.
    std::pair<int, int> PastDrawLimit() const {
        int drawable = 0, first = -1, past = 0;
        for (int i = 0; i < static_cast<int>(m_document.elements.size()); ++i) {
            if (!m_document.elements[static_cast<size_t>(i)].IsDrawable() || ++drawable <= kMaxDrawnElements)
                continue;
            if (first < 0)
                first = i;
            ++past;
        }
        return {first, past};
    }

    void LintUncovered() {
        const auto areas = UncoveredAreas(m_document, m_used);
        if (!areas)
            return;
        const int count = static_cast<int>(areas->size());
        for (int i = 0; i < count && i < kMaxUncoveredAreas; ++i) {
            const CanvasRect& r = (*areas)[static_cast<size_t>(i)];
            Add(LintKind::UncoveredArea, -1,
                QStringLiteral(
                    "Picture area %1,%2 to %3,%4 has visible pixels that no source rectangle covers")
                    .arg(r.left)
                    .arg(r.top)
                    .arg(r.right)
                    .arg(r.bottom),
                r);
        }
        if (count > kMaxUncoveredAreas)
            Add(LintKind::UncoveredArea, -1,
                QStringLiteral("%1 more uncovered picture areas are not listed")
                    .arg(count - kMaxUncoveredAreas));
    }

    const SkinDocument& m_document;
    const std::optional<PictureSize> m_picture;
    DrawTrials m_trials;
    QSet<QString> m_groups;                   // group names, exactly as written
    QHash<QString, QString> m_groupsByFolded; // a group name by its case-folded form
    QSet<QString> m_namedGroups;              // group names the elements name
    QHash<std::pair<int, QString>, int> m_firstByName;
    std::vector<CanvasRect> m_used; // every set source's rectangle
    LintReport m_report;
};

} // namespace

LintReport LintSkin(const SkinDocument& document) {
    return Linter(document).Run();
}

QString LintKindName(LintKind kind) {
    switch (kind) {
    case LintKind::SourceOutside:
        return QStringLiteral("source-outside");
    case LintKind::SourceEmpty:
        return QStringLiteral("source-empty");
    case LintKind::UnknownGroup:
        return QStringLiteral("unknown-group");
    case LintKind::UnusedGroup:
        return QStringLiteral("unused-group");
    case LintKind::NeverDrawn:
        return QStringLiteral("never-drawn");
    case LintKind::DuplicateName:
        return QStringLiteral("duplicate-name");
    case LintKind::PastDrawLimit:
        return QStringLiteral("past-draw-limit");
    case LintKind::UncoveredArea:
        break;
    }
    return QStringLiteral("uncovered-area");
}
