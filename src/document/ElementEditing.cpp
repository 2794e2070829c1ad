#include "document/ElementEditing.h"

#include "document/ElementTree.h"
#include "document/SkinDocument.h"

#include <QSet>
#include <algorithm>

namespace {

bool IsEntry(const SkinDocument& document, int entry) {
    return entry >= 0 && entry < static_cast<int>(document.elements.size());
}

SkinElement& At(SkinDocument& document, int entry) {
    return document.elements[static_cast<size_t>(entry)];
}

// A copy made by the tree's Copy: the pointer flag belongs to the preview, not to the new element.
SkinElement CopyOf(const SkinElement& element) {
    SkinElement copy = element;
    if (ButtonRecord* button = copy.As<ButtonRecord>())
        button->pointerover = false;
    return copy;
}

// Whether a group other than the entry `except` bears the name, ignoring case.
bool AnotherGroupIsNamed(const SkinDocument& document, int except, const QString& name) {
    for (size_t i = 0; i < document.elements.size(); ++i) {
        const SkinElement& other = document.elements[i];
        if (static_cast<int>(i) != except && other.Kind() == ElementKind::Group &&
            other.Name().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QSet<QString> ElementNames(const SkinDocument& document) {
    QSet<QString> names;
    for (const SkinElement& element : document.elements)
        names.insert(element.Name());
    return names;
}

QString UniqueNameAmong(const QSet<QString>& taken, const QString& base) {
    QString name = base;
    for (int number = 1; taken.contains(name); ++number)
        name = base + QString::number(number);
    return name;
}

QString UniqueElementName(const SkinDocument& document, const QString& base) {
    return UniqueNameAmong(ElementNames(document), base);
}

SkinElement NewElement(const SkinDocument& document, ElementKind kind, bool rolled) {
    SkinElement element = SkinElement::Make(kind);
    if (DrawableCommon* common = element.Common()) {
        common->drawrolled = rolled;
        common->drawunrolled = !rolled;
    }
    element.SetName(UniqueElementName(document, DefaultElementName(kind)));
    return element;
}

QString CopiedGroupName(const SkinDocument& document, const QString& name) {
    QString copy = name + QStringLiteral(" (copy)");
    for (int number = 2; AnotherGroupIsNamed(document, -1, copy); ++number)
        copy = name + QStringLiteral(" (copy ") + QString::number(number) + QLatin1Char(')');
    return copy;
}

QString GroupNameAfterEdit(const SkinDocument& document, int groupEntry, const QString& typed) {
    const int count = static_cast<int>(document.elements.size());
    QString name = typed;
    if (name.isEmpty()) {
        QSet<QString> taken;
        for (int i = 0; i < count; ++i) {
            if (i != groupEntry)
                taken.insert(document.elements[static_cast<size_t>(i)].Name().toCaseFolded());
        }
        for (int number = 1;; ++number) {
            name = QStringLiteral("group") + QString::number(number);
            if (!taken.contains(name.toCaseFolded()))
                break;
        }
    }
    // One "2" per group of the name, in one pass, can still land on a name a group passed earlier bears
    // ("a2" before "a"): append until no other group bears it.
    while (AnotherGroupIsNamed(document, groupEntry, name))
        name += QLatin1Char('2');
    return name;
}

bool RenameGroup(SkinDocument& document, int groupEntry, const QString& newName) {
    if (!IsEntry(document, groupEntry))
        return false;
    SkinElement& group = At(document, groupEntry);
    if (group.Kind() != ElementKind::Group || group.Name() == newName)
        return false;
    const ElementTreeShape shape = TreeShapeOf(document);
    group.SetName(newName);
    for (int member : shape.children[static_cast<size_t>(groupEntry)])
        At(document, member).group = newName;
    return true;
}

int CopyEntry(SkinDocument& document, int entry, int* skippedMembers) {
    if (skippedMembers)
        *skippedMembers = 0;
    if (!IsEntry(document, entry))
        return -1;
    const ElementTreeShape shape = TreeShapeOf(document);
    SkinElement copy = CopyOf(At(document, entry));
    const bool group = copy.Kind() == ElementKind::Group;
    if (group)
        copy.SetName(CopiedGroupName(document, copy.Name()));
    const QString groupName = copy.Name();
    document.Append(std::move(copy));
    const int copyIndex = static_cast<int>(document.elements.size()) - 1;
    if (!group)
        return copyIndex;
    for (int member : shape.children[static_cast<size_t>(entry)]) {
        SkinElement memberCopy = CopyOf(At(document, member));
        const ElementKind kind = memberCopy.Kind();
        if (kind == ElementKind::Group || kind == ElementKind::Blank) {
            if (skippedMembers)
                ++*skippedMembers;
            continue;
        }
        memberCopy.group = groupName;
        document.Append(std::move(memberCopy));
    }
    return copyIndex;
}

std::vector<int> DeleteEntry(SkinDocument& document, int entry) {
    if (!IsEntry(document, entry))
        return {};
    std::vector<int> removed{entry};
    if (At(document, entry).Kind() == ElementKind::Group) {
        const ElementTreeShape shape = TreeShapeOf(document);
        const std::vector<int>& members = shape.children[static_cast<size_t>(entry)];
        removed.insert(removed.end(), members.begin(), members.end());
    }
    std::sort(removed.begin(), removed.end());
    std::vector<bool> gone(document.elements.size(), false);
    for (int index : removed)
        gone[static_cast<size_t>(index)] = true;
    size_t kept = 0;
    for (size_t i = 0; i < document.elements.size(); ++i) {
        if (gone[i])
            continue;
        if (kept != i)
            document.elements[kept] = std::move(document.elements[i]);
        ++kept;
    }
    document.elements.resize(kept);
    return removed;
}

int IndexAfterRemoval(const std::vector<int>& removed, int index) {
    if (std::binary_search(removed.begin(), removed.end(), index))
        return -1;
    return index -
           static_cast<int>(std::lower_bound(removed.begin(), removed.end(), index) - removed.begin());
}

void ReorderFromTree(SkinDocument& document, const ElementTreeShape& shape) {
    const size_t count = document.elements.size();
    std::vector<int> order = DepthFirstOrder(shape);
    std::vector<bool> placed(count, false);
    std::vector<int> kept;
    kept.reserve(count);
    for (int entry : order) {
        if (entry >= 0 && static_cast<size_t>(entry) < count && !placed[static_cast<size_t>(entry)]) {
            placed[static_cast<size_t>(entry)] = true;
            kept.push_back(entry);
        }
    }
    // Nothing is ever lost, whatever shape was given.
    for (size_t i = 0; i < count; ++i) {
        if (!placed[i])
            kept.push_back(static_cast<int>(i));
    }
    std::vector<SkinElement> reordered;
    reordered.reserve(count);
    for (int entry : kept)
        reordered.push_back(std::move(document.elements[static_cast<size_t>(entry)]));
    document.elements = std::move(reordered);
}

int MoveEntry(SkinDocument& document, int entry, MoveDirection direction) {
    if (!IsEntry(document, entry))
        return -1;
    ElementTreeShape shape = TreeShapeOf(document);
    std::vector<int>& siblings = shape.SiblingsOf(entry);
    const auto at = std::find(siblings.begin(), siblings.end(), entry);
    if (direction == MoveDirection::Up) {
        if (at == siblings.begin())
            return -1;
        std::iter_swap(at, at - 1);
    } else {
        if (at + 1 == siblings.end())
            return -1;
        std::iter_swap(at, at + 1);
    }
    const std::vector<int> order = DepthFirstOrder(shape);
    ReorderFromTree(document, shape);
    return static_cast<int>(std::find(order.begin(), order.end(), entry) - order.begin());
}

bool OffersGroupMenu(const SkinDocument& document, int entry) {
    if (!IsEntry(document, entry))
        return false;
    const ElementKind kind = document.elements[static_cast<size_t>(entry)].Kind();
    if (!IsDrawableKind(kind) && kind != ElementKind::Layout)
        return false;
    return !GroupEntries(document).empty();
}

std::vector<int> GroupEntries(const SkinDocument& document) {
    std::vector<int> groups;
    for (int i = 0; i < static_cast<int>(document.elements.size()); ++i) {
        if (document.elements[static_cast<size_t>(i)].Kind() == ElementKind::Group)
            groups.push_back(i);
    }
    return groups;
}

bool SetEntryGroup(SkinDocument& document, int entry, const QString& group) {
    if (!IsEntry(document, entry) || At(document, entry).group == group)
        return false;
    At(document, entry).group = group;
    return true;
}
