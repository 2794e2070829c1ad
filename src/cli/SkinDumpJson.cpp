#include "cli/SkinDumpJson.h"

#include "document/SkinDocument.h"

#include <QStringList>
#include <initializer_list>

namespace {

QString Str(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n') {
            out += u"\\n";
        } else if (c == u'\r') {
            out += u"\\r";
        } else if (c == u'\t') {
            out += u"\\t";
        } else if (c.unicode() < 0x20 ||
                   (c.isHighSurrogate() && !(i + 1 < text.size() && text[i + 1].isLowSurrogate())) ||
                   (c.isLowSurrogate() && !(i > 0 && text[i - 1].isHighSurrogate()))) {
            // Control characters and unpaired surrogates, which UTF-8 cannot carry, as escapes.
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

QString Int(int value) {
    return QString::number(value);
}

QString Bool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString Array(std::initializer_list<QString> items) {
    QString out = QStringLiteral("[");
    bool first = true;
    for (const QString& item : items) {
        if (!first)
            out += u", ";
        out += item;
        first = false;
    }
    return out + u']';
}

// Members in the order they are added.
class Object {
public:
    Object& Add(const char* key, const QString& json) {
        m_members.append(Str(QString::fromLatin1(key)) + QStringLiteral(": ") + json);
        return *this;
    }
    QString Text() const { return u'{' + m_members.join(QStringLiteral(", ")) + u'}'; }

private:
    QStringList m_members;
};

QString ModeName(PlacementMode mode) {
    switch (mode) {
    case PlacementMode::Middle:
        return QStringLiteral("middle");
    case PlacementMode::Percent:
        return QStringLiteral("percent");
    case PlacementMode::TLScrollbar:
        return QStringLiteral("tl");
    case PlacementMode::BRScrollbar:
        return QStringLiteral("br");
    case PlacementMode::CenterScrollbar:
        return QStringLiteral("sc");
    case PlacementMode::Sides:
        break;
    }
    return QStringLiteral("sides");
}

QString Place(const Placement& p) {
    return Object()
        .Add("value", Int(p.value))
        .Add("mode", Str(ModeName(p.mode)))
        .Add("offset", Int(p.offset))
        .Text();
}

QString Pair(const PlacePair& p) {
    return Array({Place(p.x), Place(p.y)});
}

QString Point(const SourcePoint& p) {
    return Array({Int(p.x), Int(p.y)});
}

QString Size(const BoxSize& s) {
    return Array({Int(s.w), Int(s.h)});
}

void AddLayout(Object& o, const SkinLayout& l) {
    o.Add("name", Str(l.name))
        .Add("minimumwidth", Int(l.minimumwidth))
        .Add("minimumheight", Int(l.minimumheight))
        .Add("top", Int(l.top))
        .Add("bottom", Int(l.bottom))
        .Add("left", Int(l.left))
        .Add("right", Int(l.right))
        .Add("rolledheight", Int(l.rolledheight))
        .Add("scrollbardrawwidthminimum", Int(l.scrollbardrawwidthminimum))
        .Add("scrollbardrawwidthmaximum", Int(l.scrollbardrawwidthmaximum))
        .Add("scrollbardrawheightminimum", Int(l.scrollbardrawheightminimum))
        .Add("scrollbardrawheightmaximum", Int(l.scrollbardrawheightmaximum))
        .Add("minimumthumbtrackheight", Int(l.minimumthumbtrackheight))
        .Add("usescrollbar", Bool(l.usescrollbar))
        .Add("titlebar", Array({Place(l.titlebar.left), Place(l.titlebar.top), Place(l.titlebar.right),
                                Int(l.titlebar.height)}))
        .Add("scrollbar", Array({Place(l.scrollbar.left), Place(l.scrollbar.top), Place(l.scrollbar.bottom),
                                 Int(l.scrollbar.width)}));
}

void AddCommon(Object& o, const DrawableCommon& c) {
    o.Add("name", Str(c.name))
        .Add("drawrolled", Bool(c.drawrolled))
        .Add("drawunrolled", Bool(c.drawunrolled))
        .Add("drawfocus", Bool(c.drawfocus))
        .Add("conditionset", Bool(c.conditionset))
        .Add("condition", Int(c.condition))
        .Add("conditionvalue", Bool(c.conditionvalue))
        .Add("drawwidthminimum", Int(c.drawwidthminimum))
        .Add("drawwidthmaximum", Int(c.drawwidthmaximum))
        .Add("drawheightminimum", Int(c.drawheightminimum))
        .Add("drawheightmaximum", Int(c.drawheightmaximum));
}

void AddStripColours(Object& o, const StripCommon& r) {
    o.Add("source", Point(r.source))
        .Add("sourcealpha", Point(r.sourcealpha))
        .Add("startcol", Int(r.startcol))
        .Add("endcol", Int(r.endcol))
        .Add("solidcol", Int(r.solidcol))
        .Add("alpha", Int(r.alpha))
        .Add("striptype", Int(r.striptype));
}

QString Element(const SkinElement& e) {
    Object o;
    o.Add("kind", Int(static_cast<int>(e.Kind()))).Add("group", Str(e.group));
    if (const DrawableCommon* c = e.Common())
        AddCommon(o, *c);
    if (const auto* r = e.As<ButtonRecord>()) {
        o.Add("place", Pair(r->place))
            .Add("size", Size(r->size))
            .Add("action", Int(r->action))
            .Add("source", Point(r->source))
            .Add("sourcealpha", Point(r->sourcealpha))
            .Add("sourcerollover", Point(r->sourcerollover))
            .Add("sourcerolloveralpha", Point(r->sourcerolloveralpha));
    } else if (const auto* r = e.As<HStripRecord>()) {
        o.Add("place", Pair(r->place))
            .Add("extent", Array({Place(r->extent.right), Int(r->extent.height)}))
            .Add("width", Int(r->width));
        AddStripColours(o, *r);
    } else if (const auto* r = e.As<VStripRecord>()) {
        o.Add("place", Pair(r->place))
            .Add("extent", Array({Int(r->extent.width), Place(r->extent.bottom)}))
            .Add("height", Int(r->height));
        AddStripColours(o, *r);
    } else if (const auto* r = e.As<TextRecord>()) {
        o.Add("place", Pair(r->place))
            .Add("extent", Array({Place(r->extent.right), Int(r->extent.height)}))
            .Add("text", Str(r->text))
            .Add("font", Str(r->font))
            .Add("col", Int(r->col))
            .Add("point", Int(r->point))
            .Add("bold", Bool(r->bold))
            .Add("italic", Bool(r->italic))
            .Add("underline", Bool(r->underline))
            .Add("transparent", Bool(r->transparent))
            .Add("antialias", Int(r->antialias))
            .Add("alignment", Int(r->alignment))
            .Add("setcase", Int(r->setcase));
    } else if (const auto* r = e.As<IndicatorRecord>()) {
        o.Add("place", Pair(r->place))
            .Add("size", Size(r->size))
            .Add("type", Int(r->type))
            .Add("source", Point(r->source))
            .Add("sourceoff", Point(r->sourceoff))
            .Add("sourcealpha", Point(r->sourcealpha))
            .Add("sourceoffalpha", Point(r->sourceoffalpha));
    } else if (const auto* r = e.As<TileAreaRecord>()) {
        o.Add("topleft", Pair(r->topleft))
            .Add("bottomright", Pair(r->bottomright))
            .Add("source", Point(r->source))
            .Add("sourcealpha", Point(r->sourcealpha))
            .Add("size", Size(r->size))
            .Add("tiletype", Int(r->tiletype))
            .Add("solidcol", Int(r->solidcol));
    } else if (const auto* r = e.As<GroupRecord>()) {
        QStringList rules;
        for (const GroupRule& rule : r->rules)
            rules.append(Array({Str(rule.field), Str(rule.op), Str(rule.value)}));
        o.Add("name", Str(r->name))
            .Add("enabled", Bool(r->enabled))
            .Add("match", Bool(r->match))
            .Add("rules", u'[' + rules.join(QStringLiteral(", ")) + u']');
    } else if (const auto* r = e.As<SkinLayout>()) {
        AddLayout(o, *r);
    }
    return o.Text();
}

QString Settings(const SkinSettings& s) {
    return Object()
        .Add("authorname", Str(s.authorname))
        .Add("authoremail", Str(s.authoremail))
        .Add("authorurl", Str(s.authorurl))
        .Add("skinname", Str(s.skinname))
        .Add("notes", Str(s.notes))
        .Add("defaultstyle", Str(s.defaultstyle))
        .Add("tooltipfontname", Str(s.tooltipfontname))
        .Add("stackfilename", Str(s.stackfilename))
        .Add("version", Int(s.version))
        .Add("tooltipfontsize", Int(s.tooltipfontsize))
        .Add("titletooltip", Int(s.titletooltip))
        .Add("selectedborderwidth", Int(s.selectedborderwidth))
        .Add("selectedborderdashlength1", Int(s.selectedborderdashlength1))
        .Add("selectedborderdashlength2", Int(s.selectedborderdashlength2))
        .Add("selectedborderdashcolour1", Int(s.selectedborderdashcolour1))
        .Add("selectedborderdashcolour2", Int(s.selectedborderdashcolour2))
        .Add("transparent", Int(s.transparent))
        .Add("region", Int(s.region))
        .Add("mode", Int(s.mode))
        .Add("drawonrtfbg", Bool(s.drawonrtfbg))
        .Text();
}

} // namespace

QString SkinDumpJson(const SkinDocument& document) {
    Object layout;
    AddLayout(layout, document.layout);
    // A picture that is not a PNG is held keyed, not as the image surface.
    int width = 0;
    int height = 0;
    if (document.pngsource && document.image.IsValid()) {
        width = document.image.Width();
        height = document.image.Height();
    } else if (!document.pngsource && document.keyed.IsValid()) {
        width = document.keyed.Width();
        height = document.keyed.Height();
    }
    const QString image = Object().Add("width", Int(width)).Add("height", Int(height)).Text();
    QString out = QStringLiteral("{\n");
    out += QStringLiteral("  \"displayname\": ") + Str(document.displayname) + QStringLiteral(",\n");
    out += QStringLiteral("  \"bitmap\": ") + Str(document.bitmap) + QStringLiteral(",\n");
    out += QStringLiteral("  \"pngsource\": ") + Bool(document.pngsource) + QStringLiteral(",\n");
    out += QStringLiteral("  \"image\": ") + image + QStringLiteral(",\n");
    out += QStringLiteral("  \"settings\": ") + Settings(document.settings) + QStringLiteral(",\n");
    out += QStringLiteral("  \"layout\": ") + layout.Text() + QStringLiteral(",\n");
    out += QStringLiteral("  \"elements\": [");
    for (size_t i = 0; i < document.elements.size(); ++i)
        out += (i ? QStringLiteral(",\n    ") : QStringLiteral("\n    ")) + Element(document.elements[i]);
    out += document.elements.empty() ? QStringLiteral("]\n}\n") : QStringLiteral("\n  ]\n}\n");
    return out;
}
