#pragma once

#include "document/ElementKind.h"
#include "document/ElementRecords.h"
#include "document/SkinLayout.h"

#include <QString>
#include <variant>

// One entry of the document's element list: its group name and the record of its kind. The kind is the
// record's alternative, so the two can never disagree; an entry without a record is Blank.
struct SkinElement {
    // The alternatives are in ElementKind order, so the variant index is the kind number.
    using Record = std::variant<std::monostate, ButtonRecord, HStripRecord, VStripRecord, TextRecord,
                                IndicatorRecord, TileAreaRecord, GroupRecord, SkinLayout>;

    QString group; // name of the group this element belongs to; empty = none
    Record record;

    // A new entry of the kind with its record at the defaults; Blank gives an entry without record.
    static SkinElement Make(ElementKind kind);

    ElementKind Kind() const {
        return record.index() == 0 ? ElementKind::Blank : static_cast<ElementKind>(record.index());
    }
    bool IsDrawable() const { return IsDrawableKind(Kind()); }

    template <class R> R* As() { return std::get_if<R>(&record); }
    template <class R> const R* As() const { return std::get_if<R>(&record); }

    // The fields shared by the drawable kinds; null for Group, Layout and Blank.
    DrawableCommon* Common();
    const DrawableCommon* Common() const;

    // The name shown in the element tree (every kind but Blank has one).
    QString Name() const;
    void SetName(const QString& name);

    // Sets the record back to the defaults of its kind; the group name stays.
    void ResetRecord();

    bool operator==(const SkinElement&) const = default;
};
