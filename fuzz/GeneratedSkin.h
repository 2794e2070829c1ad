#pragma once

// Skins made from a seed, for the fuzzers' seeds: every element kind, groups with rules on every kind of
// field, layouts, scroll bars, fades, tiles, placeholders and every placement mode, with values mostly
// plausible and now and then absurd. The same seed always gives the same skin.
#include "document/ActionCodes.h"
#include "document/GroupRuleChoices.h"
#include "document/SkinDocument.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>

class SkinGenerator {
public:
    SkinGenerator(std::uint32_t seed, int pictureWidth, int pictureHeight)
        : m_random(seed), m_pictureWidth(pictureWidth), m_pictureHeight(pictureHeight) {}

    SkinDocument Make(int elementCount) {
        SkinDocument document;
        SkinSettings& s = document.settings;
        s.skinname = Pick({"Generated", "Ärger, mit Komma", "", "A\tB", QString(300, u'x')});
        s.authorname = Pick({"Fuzz", "", "Ümlaut & <tag>"});
        s.notes = Pick({"", "one^Mtwo", "line one\r\nline two"});
        s.mode = Chance(5) ? 1 : 0;
        s.region = Chance(3) ? MakeColour(254, 0, 254) : kNoColour;
        s.transparent = Chance(4) ? MakeColour(255, 0, 255) : kNoColour;
        s.drawonrtfbg = Chance(3);
        s.selectedborderwidth = Number(-2, 12);
        s.selectedborderdashlength1 = Number(0, 30);
        s.selectedborderdashlength2 = Number(0, 30);
        document.bitmap = QStringLiteral("sheet.png");
        FillLayout(document.layout);

        QStringList groups;
        for (int i = 0; i < elementCount; ++i) {
            SkinElement element;
            const int kind = Number(1, 8);
            element = SkinElement::Make(static_cast<ElementKind>(kind));
            if (auto* group = element.As<GroupRecord>()) {
                FillGroup(*group);
                groups << group->name;
            } else if (auto* layout = element.As<SkinLayout>()) {
                FillLayout(*layout);
                layout->name = QStringLiteral("Layout %1").arg(i);
            } else {
                FillDrawable(element);
            }
            if (!groups.isEmpty() && Chance(3))
                element.group = groups[Number(0, static_cast<int>(groups.size()) - 1)];
            document.Append(std::move(element));
        }
        return document;
    }

private:
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int oneIn) { return Number(1, oneIn) == 1; }
    QString Pick(std::initializer_list<QString> choices) {
        return *(choices.begin() + Number(0, static_cast<int>(choices.size()) - 1));
    }
    // Mostly a small coordinate; now and then one far off or negative.
    int Coordinate() { return Chance(12) ? Number(-100000, 100000) : Number(-60, 320); }

    Placement Place(bool scrollbarModes) {
        Placement p;
        const int modes = scrollbarModes ? 5 : 2;
        p.mode = Chance(3) ? static_cast<PlacementMode>(Number(1, modes)) : PlacementMode::Sides;
        p.value = p.mode == PlacementMode::Percent ? Number(-10, 110) : Coordinate();
        p.offset = Chance(3) ? Number(-20, 20) : 0;
        return p;
    }
    PlacePair Pair(bool scrollbarModes) { return {Place(scrollbarModes), Place(scrollbarModes)}; }
    SourcePoint Source() {
        if (Chance(6))
            return {-1, -1};
        if (Chance(10))
            return {Number(-5, m_pictureWidth + 20), Number(-5, m_pictureHeight + 20)};
        return {Number(0, m_pictureWidth - 1), Number(0, m_pictureHeight - 1)};
    }
    SourcePoint Alpha() { return Chance(3) ? Source() : SourcePoint{}; }
    BoxSize Size() {
        return {Chance(15) ? Number(-3, 5000) : Number(1, 32), Chance(15) ? Number(-3, 5000) : Number(1, 32)};
    }
    Colour AnyColour() { return MakeColour(Number(0, 255), Number(0, 255), Number(0, 255)); }
    int Limit() { return Chance(4) ? Number(0, 600) : -1; }

    void FillLayout(SkinLayout& l) {
        l.top = Number(0, 40);
        l.bottom = Number(0, 40);
        l.left = Number(0, 40);
        l.right = Number(0, 40);
        l.rolledheight = Number(0, 60);
        l.minimumwidth = Chance(10) ? Number(0, 3000) : Number(0, 200);
        l.minimumheight = Chance(10) ? Number(0, 3000) : Number(0, 120);
        l.titlebar = {Place(false), Place(false), Place(false), Number(0, 40)};
        l.usescrollbar = Chance(2);
        l.scrollbar = {Place(false), Place(false), Place(false), Number(0, 24)};
        l.minimumthumbtrackheight = Number(0, 30);
        l.scrollbardrawwidthminimum = Limit();
        l.scrollbardrawheightmaximum = Limit();
    }

    void FillGroup(GroupRecord& g) {
        g.name = QStringLiteral("group %1").arg(Number(0, 5));
        g.enabled = !Chance(6);
        g.match = Chance(2);
        const QStringList fields = GroupDialogFields(Chance(4));
        for (int r = Number(0, 3); r > 0; --r) {
            GroupRule rule;
            rule.field = fields[Number(0, static_cast<int>(fields.size()) - 1)];
            const RuleChoices choices = RuleChoicesFor(rule.field);
            rule.op = choices.operators.isEmpty()
                          ? QStringLiteral("is")
                          : choices.operators[Number(0, static_cast<int>(choices.operators.size()) - 1)];
            rule.value = !choices.values.isEmpty()
                             ? choices.values[Number(0, static_cast<int>(choices.values.size()) - 1)]
                             : Pick({"0", "150", "-1", "Pinlets", "", "2147483647"});
            g.rules.push_back(rule);
        }
    }

    void FillCommon(DrawableCommon& c) {
        c.drawunrolled = !Chance(8);
        c.drawrolled = Chance(3);
        c.drawfocus = Chance(6);
        c.conditionset = Chance(4);
        c.condition = c.conditionset ? Number(1, 20) : -1;
        c.conditionvalue = Chance(2);
        c.drawwidthminimum = Limit();
        c.drawwidthmaximum = Limit();
        c.drawheightminimum = Limit();
        c.drawheightmaximum = Limit();
    }

    void FillStrip(StripCommon& s) {
        s.source = Source();
        s.sourcealpha = Alpha();
        s.startcol = AnyColour();
        s.endcol = AnyColour();
        s.solidcol = AnyColour();
        s.alpha = Chance(3) ? Number(0, 255) : -1;
        s.striptype = Number(0, 3);
    }

    void FillDrawable(SkinElement& element) {
        FillCommon(*element.Common());
        if (auto* b = element.As<ButtonRecord>()) {
            b->place = Pair(true);
            b->size = Size();
            b->action = Number(0, 189);
            b->source = Source();
            b->sourcealpha = Alpha();
            b->sourcerollover = Chance(2) ? Source() : SourcePoint{};
            b->sourcerolloveralpha = Alpha();
        } else if (auto* h = element.As<HStripRecord>()) {
            FillStrip(*h);
            h->place = Pair(false);
            h->extent = {Place(false), Number(0, 40)};
            h->width = Chance(10) ? Number(-2, 3) : Number(1, 32);
        } else if (auto* v = element.As<VStripRecord>()) {
            FillStrip(*v);
            v->place = Pair(true);
            v->extent = {Number(0, 40), Place(true)};
            v->height = Chance(10) ? Number(-2, 3) : Number(1, 32);
        } else if (auto* t = element.As<TextRecord>()) {
            t->place = Pair(false);
            t->extent = {Place(false), Number(0, 60)};
            t->text = Pick({"%TITLE%", "%SOURCE% at %CREATION%", "%A, %d %B %Y", "%ALARM%", "plain",
                            "%STACKNAME% (%LASTSEND%)", "%USERSTRING1%", QString(200, u'W')});
            t->font = Pick({"System", "DejaVu Sans", "", "No Such Font"});
            t->col = AnyColour();
            t->point = Chance(10) ? Number(-5, 400) : Number(6, 20);
            t->bold = Chance(3);
            t->italic = Chance(3);
            t->underline = Chance(4);
            t->transparent = Chance(2);
            t->antialias = Number(0, 2);
            t->alignment = Number(0, 2);
            t->setcase = Number(0, 2);
        } else if (auto* i = element.As<IndicatorRecord>()) {
            i->place = Pair(false);
            i->size = Size();
            i->type = Number(1, 20);
            i->source = Source();
            i->sourceoff = Source();
            i->sourcealpha = Alpha();
            i->sourceoffalpha = Alpha();
        } else if (auto* a = element.As<TileAreaRecord>()) {
            a->topleft = Pair(false);
            a->bottomright = Pair(false);
            a->source = Source();
            a->sourcealpha = Alpha();
            a->size = Chance(8) ? BoxSize{1, 1} : Size();
            a->tiletype = Number(0, 2);
            a->solidcol = AnyColour();
        }
    }

    std::mt19937 m_random;
    int m_pictureWidth;
    int m_pictureHeight;
};
