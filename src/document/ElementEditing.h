#pragma once

#include "document/ElementKind.h"

#include <QSet>
#include <QString>
#include <vector>

struct ElementTreeShape;
struct SkinDocument;
struct SkinElement;

// The editing commands of the element tree as plain operations on the document. Entries are indices in
// the document's list; "members" of a group are the entries the tree shows under the group's item
// (group names matched ignoring case, the last group of a name taking them), so that what the user sees
// is what is copied, deleted and renamed.

// base itself when no element bears that name, else base followed by 1, 2, 3 ... (the first free one).
QString UniqueElementName(const SkinDocument& document, const QString& base);
// The same against a set of names, for commands that add several elements at once.
QString UniqueNameAmong(const QSet<QString>& taken, const QString& base);
QSet<QString> ElementNames(const SkinDocument& document);

// A new entry of the kind, as "New" makes it: the defaults of its kind, a unique name, and for the
// drawable kinds drawrolled or drawunrolled by whether the note is rolled.
SkinElement NewElement(const SkinDocument& document, ElementKind kind, bool rolled);

// The name a group takes when its dialog closes with OK, given the name typed: an empty name becomes
// "group" followed by the smallest number from 1 up that no other element bears (ignoring case); then
// "2" is appended while another group bears the name as it stands (ignoring case).
QString GroupNameAfterEdit(const SkinDocument& document, int groupEntry, const QString& typed);

// Gives the group at groupEntry its new name; when that differs from the old one (case counts), its
// members take the new name too. False when nothing changed.
bool RenameGroup(SkinDocument& document, int groupEntry, const QString& newName);

// The name of a copy of the group called name: "<name> (copy)", else "<name> (copy 2)", "(copy 3)" ...,
// the first that no group bears (ignoring case), so that each copy keeps its own members.
QString CopiedGroupName(const SkinDocument& document, const QString& name);

// Appends a copy of the entry and returns the copy's index. A group is copied with its rules, named
// by CopiedGroupName, and followed by copies of its members that belong to the new group, in
// tree order; members that are groups themselves or of no known kind are not copied and counted in
// skippedMembers.
int CopyEntry(SkinDocument& document, int entry, int* skippedMembers = nullptr);

// Removes the entry and, for a group, its members. Returns the indices removed, in increasing order.
std::vector<int> DeleteEntry(SkinDocument& document, int entry);
// The index an entry had before the removal has after it; -1 for a removed one.
int IndexAfterRemoval(const std::vector<int>& removed, int index);

// Puts the entries in the order of a depth-first walk of the tree shape (each item, then the items under
// it). Entries the shape does not reach keep their order after the others.
void ReorderFromTree(SkinDocument& document, const ElementTreeShape& shape);

// Moves the entry one place up or down among its siblings in the tree and rebuilds the document's order
// from the tree. Returns the entry's new index, or -1 when it has no sibling that way (nothing changes).
enum class MoveDirection { Up, Down };
int MoveEntry(SkinDocument& document, int entry, MoveDirection direction);

// The group menu is offered for buttons, strips, texts, indicators, tile areas and layouts, when the
// skin has at least one group.
bool OffersGroupMenu(const SkinDocument& document, int entry);
// The Group entries, in document order.
std::vector<int> GroupEntries(const SkinDocument& document);
// Puts the entry into the named group, or takes it out with an empty name. False when nothing changed.
bool SetEntryGroup(SkinDocument& document, int entry, const QString& group);
