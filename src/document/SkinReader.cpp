#include "document/SkinReader.h"

#include "document/ActionCodes.h"
#include "document/IndicatorCodes.h"
#include "document/LeadingNumber.h"
#include "document/OlderSkinKeys.h"
#include "document/PlacementText.h"
#include "document/SkinDocument.h"
#include "document/SkinKeys.h"
#include "document/SkinValueText.h"

#include <type_traits>

namespace {

bool IsBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

// ASCII comparison without regard to case; the words compared are all ASCII.
bool EqualsNoCase(QStringView text, QLatin1StringView word) {
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != word[i].unicode())
            return false;
    }
    return true;
}

ElementKind SectionKind(QStringView line) {
    if (line.size() < 6 || line.front() != u'[' || line.back() != u']')
        return ElementKind::Blank;
    static const struct {
        QLatin1StringView header;
        ElementKind kind;
    } kSections[] = {
        {QLatin1StringView("[button]"), ElementKind::Button},
        {QLatin1StringView("[hstrip]"), ElementKind::HStrip},
        {QLatin1StringView("[vstrip]"), ElementKind::VStrip},
        {QLatin1StringView("[text]"), ElementKind::Text},
        {QLatin1StringView("[indicator]"), ElementKind::Indicator},
        {QLatin1StringView("[tilearea]"), ElementKind::TileArea},
        {QLatin1StringView("[settings]"), ElementKind::Layout},
        {QLatin1StringView("[group]"), ElementKind::Group},
    };
    for (const auto& s : kSections) {
        if (EqualsNoCase(line, s.header))
            return s.kind;
    }
    return ElementKind::Blank;
}

QString NotesText(QStringView value) {
    QString notes = value.toString();
    notes.replace(QStringLiteral("^M"), QStringLiteral("\r\n"));
    return notes;
}

PlacePair ReadPlacePair(QStringView value, bool scrollbarModes, bool offset) {
    const SplitText parts = SplitAt(value, u',');
    return {KeptPlacement(ParsePlacement(parts.head), scrollbarModes, offset),
            KeptPlacement(ParsePlacement(parts.tail), scrollbarModes, offset)};
}

// The three placements and the number of a title-bar or scroll-bar block: split at the first three
// commas, the fourth part is the rest; only sides, middle and percent, and no offsets.
template <class Block> Block ReadBlock(QStringView value) {
    const SplitText a = SplitAt(value, u',');
    const SplitText b = SplitAt(a.tail, u',');
    const SplitText c = SplitAt(b.tail, u',');
    const auto keep = [](QStringView text) { return KeptPlacement(ParsePlacement(text), false, false); };
    return {keep(a.head), keep(b.head), keep(c.head), LeadingNumber(c.tail)};
}

void ReadExtent(BandExtent& extent, QStringView value) {
    const SplitText parts = SplitAt(value, u',');
    extent.right = KeptPlacement(ParsePlacement(parts.head), false, true);
    extent.height = LeadingNumber(parts.tail);
}

void ReadExtent(ColumnExtent& extent, QStringView value) {
    const SplitText parts = SplitAt(value, u',');
    extent.width = LeadingNumber(parts.head);
    extent.bottom = KeptPlacement(ParsePlacement(parts.tail), true, true);
}

void ReadFormat(TextRecord& text, QStringView value) {
    if (value.contains(u"bold"))
        text.bold = true;
    if (value.contains(u"italic"))
        text.italic = true;
    if (value.contains(u"underline"))
        text.underline = true;
    if (value.contains(u"transparent"))
        text.transparent = true;
    if (value.contains(u"no_aa"))
        text.antialias = 0;
    if (value.contains(u"yes_aa"))
        text.antialias = 2;
}

GroupRule ReadRule(QStringView value) {
    const SplitText field = SplitAt(value, u',');
    const SplitText op = SplitAt(field.tail, u',');
    return {field.head.toString(), op.head.toString(), op.tail.toString()};
}

// Keys of the record's own kind. A record takes a key when it has the field of that name; the few
// keys whose form differs by kind say so here.
template <class R> void ReadRecordKey(R& r, SkinKey key, QStringView value) {
    constexpr bool kScrollbarPlace = std::is_same_v<R, ButtonRecord> || std::is_same_v<R, VStripRecord>;
    switch (key) {
    case SkinKey::place:
        if constexpr (requires { r.place; })
            r.place = ReadPlacePair(value, kScrollbarPlace, true);
        break;
    case SkinKey::topleft:
        if constexpr (requires { r.topleft; })
            r.topleft = ReadPlacePair(value, false, false);
        break;
    case SkinKey::bottomright:
        if constexpr (requires { r.bottomright; })
            r.bottomright = ReadPlacePair(value, false, false);
        break;
    case SkinKey::extent:
        if constexpr (requires { r.extent; })
            ReadExtent(r.extent, value);
        break;
    case SkinKey::size:
        if constexpr (requires { r.size; })
            r.size = ParseSize(value);
        break;
    case SkinKey::width:
        if constexpr (requires { r.width; })
            r.width = LeadingNumber(value);
        break;
    case SkinKey::height:
        if constexpr (requires { r.height; })
            r.height = LeadingNumber(value);
        break;
    case SkinKey::source:
        if constexpr (requires { r.source; })
            r.source = ParsePair(value);
        break;
    case SkinKey::sourceoff:
        if constexpr (requires { r.sourceoff; })
            r.sourceoff = ParsePair(value);
        break;
    case SkinKey::sourceoffalpha:
        if constexpr (requires { r.sourceoffalpha; })
            r.sourceoffalpha = ParsePair(value);
        break;
    case SkinKey::sourcerollover:
        if constexpr (requires { r.sourcerollover; })
            r.sourcerollover = ParsePair(value);
        break;
    case SkinKey::sourcealpha:
        if constexpr (requires { r.sourcealpha; })
            r.sourcealpha = ParsePair(value);
        break;
    case SkinKey::sourcerolloveralpha:
        if constexpr (requires { r.sourcerolloveralpha; })
            r.sourcerolloveralpha = ParsePair(value);
        break;
    case SkinKey::alpha:
        if constexpr (requires { r.alpha; })
            r.alpha = LeadingNumber(value);
        break;
    case SkinKey::action:
        if constexpr (requires { r.action; })
            r.action = ActionCodeOfKeyword(value);
        break;
    case SkinKey::type:
        if constexpr (requires { r.type; })
            r.type = IndicatorCodeOfKeyword(value);
        break;
    case SkinKey::font:
        if constexpr (requires { r.font; })
            r.font = value.toString();
        break;
    case SkinKey::col:
        if constexpr (requires { r.col; })
            r.col = ParseColourTriple(value);
        break;
    case SkinKey::point:
        if constexpr (requires { r.point; })
            r.point = LeadingNumber(value);
        break;
    case SkinKey::text:
        if constexpr (requires { r.text; })
            r.text = value.toString();
        break;
    case SkinKey::alignment:
        if constexpr (requires { r.alignment; }) {
            if (EqualsNoCase(value, QLatin1StringView("right")))
                r.alignment = 2;
            else if (EqualsNoCase(value, QLatin1StringView("middle")))
                r.alignment = 1;
        }
        break;
    case SkinKey::setcase:
        if constexpr (requires { r.setcase; })
            r.setcase = LeadingNumber(value);
        break;
    case SkinKey::format:
        if constexpr (std::is_same_v<R, TextRecord>)
            ReadFormat(r, value);
        break;
    case SkinKey::startcol:
        if constexpr (requires { r.startcol; })
            r.startcol = ParseColourTriple(value);
        break;
    case SkinKey::endcol:
        if constexpr (requires { r.endcol; })
            r.endcol = ParseColourTriple(value);
        break;
    case SkinKey::solidcol:
        if constexpr (requires { r.solidcol; })
            r.solidcol = ParseColourTriple(value);
        break;
    case SkinKey::striptype:
        if constexpr (requires { r.striptype; })
            r.striptype = LeadingNumber(value);
        break;
    case SkinKey::tiletype:
        if constexpr (requires { r.tiletype; })
            r.tiletype = LeadingNumber(value);
        break;
    case SkinKey::enabled:
        if constexpr (std::is_same_v<R, GroupRecord>)
            r.enabled = ParseFlag(value);
        break;
    case SkinKey::match:
        if constexpr (std::is_same_v<R, GroupRecord>)
            r.match = value == u"all";
        break;
    case SkinKey::rule:
        if constexpr (std::is_same_v<R, GroupRecord>)
            r.rules.push_back(ReadRule(value));
        break;
    default:
        break;
    }
}

bool ReadCommonKey(DrawableCommon& c, SkinKey key, QStringView value) {
    switch (key) {
    case SkinKey::condition:
        c.condition = IndicatorCodeOfKeyword(value);
        c.conditionset = true;
        return true;
    case SkinKey::conditionvalue:
        c.conditionvalue = ParseFlag(value);
        return true;
    case SkinKey::drawunrolled:
        c.drawunrolled = ParseFlag(value);
        return true;
    case SkinKey::drawrolled:
        c.drawrolled = ParseFlag(value);
        return true;
    case SkinKey::drawfocus:
        c.drawfocus = ParseFlag(value);
        return true;
    case SkinKey::drawwidthminimum:
        c.drawwidthminimum = LeadingNumber(value);
        return true;
    case SkinKey::drawwidthmaximum:
        c.drawwidthmaximum = LeadingNumber(value);
        return true;
    case SkinKey::drawheightminimum:
        c.drawheightminimum = LeadingNumber(value);
        return true;
    case SkinKey::drawheightmaximum:
        c.drawheightmaximum = LeadingNumber(value);
        return true;
    default:
        return false;
    }
}

class SkinTextReader {
public:
    explicit SkinTextReader(SkinDocument& document) : m_document(document) {}

    void ReadLine(QStringView line);
    void Finish() { CloseEntry(); }

private:
    void CloseEntry();
    bool ReadSkinWideKey(SkinKey key, QStringView value);
    bool ReadLayoutKey(SkinKey key, QStringView value);
    void ReadElementKey(SkinKey key, QStringView value);
    void ReadOlderSkinKey(SkinKey key, QStringView value);

    SkinDocument& m_document;
    SkinElement m_open;
    bool m_isOpen = false;
    OlderSkinKeys m_older;
};

void SkinTextReader::CloseEntry() {
    if (!m_isOpen)
        return;
    m_document.Append(std::move(m_open));
    m_open = SkinElement();
    m_isOpen = false;
}

void SkinTextReader::ReadLine(QStringView line) {
    while (!line.isEmpty() && (line.back() == u'\n' || line.back() == u'\r'))
        line.chop(1);
    qsizetype start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    line = line.sliced(start);

    if (line.isEmpty()) {
        CloseEntry();
        return;
    }
    if (line.front() == u'#')
        return;
    if (!m_isOpen) {
        const ElementKind kind = SectionKind(line);
        if (kind != ElementKind::Blank) {
            m_open = SkinElement::Make(kind);
            m_isOpen = true;
            return;
        }
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    const SkinKey key = SkinKeyOf(line.first(equals));
    if (key == SkinKey::None)
        return;
    const QStringView value = line.sliced(equals + 1);
    if (ReadSkinWideKey(key, value) || ReadLayoutKey(key, value))
        return;
    if (key == SkinKey::rolled || key == SkinKey::normal || key == SkinKey::focus) {
        ReadOlderSkinKey(key, value);
        return;
    }
    if (m_isOpen)
        ReadElementKey(key, value);
}

bool SkinTextReader::ReadSkinWideKey(SkinKey key, QStringView value) {
    SkinSettings& s = m_document.settings;
    switch (key) {
    case SkinKey::authorname:
        s.authorname = value.toString();
        return true;
    case SkinKey::authoremail:
        s.authoremail = value.toString();
        return true;
    case SkinKey::authorurl:
        s.authorurl = value.toString();
        return true;
    case SkinKey::skinname:
        s.skinname = value.toString();
        return true;
    case SkinKey::notes:
        s.notes = NotesText(value);
        return true;
    case SkinKey::version:
        s.version = LeadingNumber(value);
        return true;
    case SkinKey::defaultstyle:
        s.defaultstyle = value.toString();
        return true;
    case SkinKey::stackfilename:
        s.stackfilename = value.toString();
        return true;
    case SkinKey::mode:
        s.mode = EqualsNoCase(value, QLatin1StringView("stack")) ? 1 : 0;
        return true;
    case SkinKey::bitmap:
        m_document.bitmap = value.toString();
        return true;
    case SkinKey::transparent:
        s.transparent = ParseColourTriple(value);
        return true;
    case SkinKey::region:
        s.region = ParseColourTriple(value);
        return true;
    case SkinKey::tooltipfontsize:
        s.tooltipfontsize = LeadingNumber(value);
        return true;
    case SkinKey::tooltipfontname:
        s.tooltipfontname = value.toString();
        return true;
    case SkinKey::titletooltip:
        s.titletooltip = LeadingNumber(value);
        return true;
    case SkinKey::drawonrtfbg:
        // The key is "drawonrtfbg=1" itself, matched by prefix like every other key; nothing clears it.
        if (value.startsWith(u'1'))
            s.drawonrtfbg = true;
        return true;
    case SkinKey::selectedborderwidth:
        s.selectedborderwidth = LeadingNumber(value);
        return true;
    case SkinKey::selectedborderdashlength1:
        s.selectedborderdashlength1 = LeadingNumber(value);
        return true;
    case SkinKey::selectedborderdashlength2:
        s.selectedborderdashlength2 = LeadingNumber(value);
        return true;
    case SkinKey::selectedborderdashcolour1:
        s.selectedborderdashcolour1 = LeadingNumber(value);
        return true;
    case SkinKey::selectedborderdashcolour2:
        s.selectedborderdashcolour2 = LeadingNumber(value);
        return true;
    default:
        return false;
    }
}

bool SkinTextReader::ReadLayoutKey(SkinKey key, QStringView value) {
    SkinLayout* open = m_isOpen ? m_open.As<SkinLayout>() : nullptr;
    SkinLayout& l = open ? *open : m_document.layout;
    switch (key) {
    case SkinKey::top:
        l.top = LeadingNumber(value);
        return true;
    case SkinKey::bottom:
        l.bottom = LeadingNumber(value);
        return true;
    case SkinKey::left:
        l.left = LeadingNumber(value);
        return true;
    case SkinKey::right:
        l.right = LeadingNumber(value);
        return true;
    case SkinKey::rolledheight:
        l.rolledheight = LeadingNumber(value);
        return true;
    case SkinKey::minimumwidth:
        l.minimumwidth = LeadingNumber(value);
        return true;
    case SkinKey::minimumheight:
        l.minimumheight = LeadingNumber(value);
        return true;
    case SkinKey::minimumthumbtrackheight:
        l.minimumthumbtrackheight = LeadingNumber(value);
        return true;
    case SkinKey::titlebar:
        l.titlebar = ReadBlock<TitleBarBlock>(value);
        return true;
    case SkinKey::scrollbar:
        l.scrollbar = ReadBlock<ScrollBarBlock>(value);
        return true;
    case SkinKey::usescrollbar:
        // As drawonrtfbg: the "1" is part of the key.
        if (value.startsWith(u'1'))
            l.usescrollbar = true;
        return true;
    case SkinKey::scrollbardrawwidthminimum:
        l.scrollbardrawwidthminimum = LeadingNumber(value);
        return true;
    case SkinKey::scrollbardrawwidthmaximum:
        l.scrollbardrawwidthmaximum = LeadingNumber(value);
        return true;
    case SkinKey::scrollbardrawheightminimum:
        l.scrollbardrawheightminimum = LeadingNumber(value);
        return true;
    case SkinKey::scrollbardrawheightmaximum:
        l.scrollbardrawheightmaximum = LeadingNumber(value);
        return true;
    default:
        return false;
    }
}

void SkinTextReader::ReadElementKey(SkinKey key, QStringView value) {
    if (key == SkinKey::name) {
        m_open.SetName(value.toString());
        return;
    }
    if (key == SkinKey::group) {
        m_open.group = value.toString().toLower();
        return;
    }
    if (DrawableCommon* common = m_open.Common()) {
        if (ReadCommonKey(*common, key, value))
            return;
    }
    std::visit(
        [&](auto& r) {
            using R = std::decay_t<decltype(r)>;
            if constexpr (!std::is_same_v<R, std::monostate> && !std::is_same_v<R, SkinLayout>)
                ReadRecordKey(r, key, value);
        },
        m_open.record);
}

void SkinTextReader::ReadOlderSkinKey(SkinKey key, QStringView value) {
    const OlderSkinKeys::Flag flag = key == SkinKey::rolled   ? OlderSkinKeys::Rolled
                                     : key == SkinKey::normal ? OlderSkinKeys::Normal
                                                              : OlderSkinKeys::Focus;
    m_older.Apply(m_document.elements, flag, value);
}

} // namespace

void ReadSkinText(SkinDocument& document, const QString& text) {
    document.ClearElements();
    document.ResetSettings();
    document.bitmap.clear();
    SkinTextReader reader(document);
    const QStringView all(text);
    qsizetype start = 0;
    // Text after the last LF is not a line.
    for (qsizetype end = all.indexOf(u'\n'); end >= 0; end = all.indexOf(u'\n', start)) {
        reader.ReadLine(all.sliced(start, end - start));
        start = end + 1;
    }
    reader.Finish();
}
