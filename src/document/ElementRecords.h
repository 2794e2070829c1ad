#pragma once

#include "document/ElementKind.h"
#include "document/GroupRule.h"
#include "document/Placement.h"
#include "picture/Colour.h"

#include <QString>
#include <vector>

// A position in the source picture; (-1, -1) means "no such picture".
struct SourcePoint {
    int x = -1;
    int y = -1;
    bool operator==(const SourcePoint&) const = default;
};

struct PlacePair {
    Placement x, y;
    bool operator==(const PlacePair&) const = default;
};

struct BoxSize {
    int w = 0;
    int h = 0;
    bool operator==(const BoxSize&) const = default;
};

// extent of an HStrip or a Text: the right edge and the band's height.
struct BandExtent {
    Placement right;
    int height = 0;
    bool operator==(const BandExtent&) const = default;
};

// extent of a VStrip: the column's width and its bottom edge.
struct ColumnExtent {
    int width = 0;
    Placement bottom;
    bool operator==(const ColumnExtent&) const = default;
};

// Fields every drawable kind carries; together they decide when the element is drawn.
struct DrawableCommon {
    QString name;
    bool drawrolled = false;
    bool drawunrolled = false;
    bool drawfocus = false;
    bool conditionset = false;
    int condition = -1;
    bool conditionvalue = true;
    int drawwidthminimum = -1;
    int drawwidthmaximum = -1;
    int drawheightminimum = -1;
    int drawheightmaximum = -1;
    bool operator==(const DrawableCommon&) const = default;
};

struct ButtonRecord : DrawableCommon {
    PlacePair place;
    BoxSize size;
    int action = 0;
    SourcePoint source{0, 0};
    SourcePoint sourcealpha;
    SourcePoint sourcerollover;
    SourcePoint sourcerolloveralpha;
    bool pointerover = false; // run-time only: the pointer is over the button in the preview

    ButtonRecord() { name = DefaultElementName(ElementKind::Button); }
    void Reset() { *this = ButtonRecord(); }
    bool operator==(const ButtonRecord&) const = default;
};

// Fields both strip kinds carry, besides their placement and length.
struct StripCommon : DrawableCommon {
    SourcePoint source{0, 0};
    SourcePoint sourcealpha;
    Colour startcol = MakeColour(128, 128, 128);
    Colour endcol = MakeColour(255, 255, 255);
    Colour solidcol = MakeColour(0, 0, 0);
    int alpha = -1;
    int striptype = 0; // 0 bitmap, 1 fade, 2 solid, 3 pen colour
    bool operator==(const StripCommon&) const = default;
};

struct HStripRecord : StripCommon {
    PlacePair place;
    BandExtent extent;
    int width = 0; // length of the source strip

    HStripRecord() { name = DefaultElementName(ElementKind::HStrip); }
    void Reset() { *this = HStripRecord(); }
    bool operator==(const HStripRecord&) const = default;
};

struct VStripRecord : StripCommon {
    PlacePair place;
    ColumnExtent extent;
    int height = 0; // length of the source strip

    VStripRecord() { name = DefaultElementName(ElementKind::VStrip); }
    void Reset() { *this = VStripRecord(); }
    bool operator==(const VStripRecord&) const = default;
};

struct TextRecord : DrawableCommon {
    PlacePair place;
    BandExtent extent;
    QString text;
    QString font = QStringLiteral("System");
    Colour col = MakeColour(0, 0, 0);
    int point = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool transparent = false; // no text background
    int antialias = 1;        // 0 off, 1 system default, 2 on
    int alignment = 0;        // 0 left, 1 middle, 2 right
    int setcase = 0;          // 0 as typed, 1 lower, 2 upper

    TextRecord() { name = DefaultElementName(ElementKind::Text); }
    void Reset() { *this = TextRecord(); }
    bool operator==(const TextRecord&) const = default;
};

struct IndicatorRecord : DrawableCommon {
    PlacePair place;
    BoxSize size;
    int type = 0;
    SourcePoint source{0, 0};
    SourcePoint sourceoff{0, 0};
    SourcePoint sourcealpha;
    SourcePoint sourceoffalpha;

    IndicatorRecord() { name = DefaultElementName(ElementKind::Indicator); }
    void Reset() { *this = IndicatorRecord(); }
    bool operator==(const IndicatorRecord&) const = default;
};

struct TileAreaRecord : DrawableCommon {
    PlacePair topleft;
    PlacePair bottomright;
    SourcePoint source{0, 0};
    SourcePoint sourcealpha;
    BoxSize size;
    int tiletype = 0; // 0 solid, 1 bitmap, 2 pen colour
    Colour solidcol = MakeColour(0, 0, 0);

    TileAreaRecord() { name = DefaultElementName(ElementKind::TileArea); }
    void Reset() { *this = TileAreaRecord(); }
    bool operator==(const TileAreaRecord&) const = default;
};

struct GroupRecord {
    QString name = DefaultElementName(ElementKind::Group);
    bool enabled = true;
    bool match = true; // true: all rules must hold; false: one suffices
    std::vector<GroupRule> rules;

    void Reset() { *this = GroupRecord(); }
    bool operator==(const GroupRecord&) const = default;
};
