#include "document/SkinWriter.h"

#include "document/ActionCodes.h"
#include "document/IndicatorCodes.h"
#include "document/PlacementText.h"
#include "document/SkinDocument.h"
#include "document/SkinValueText.h"
#include "package/FilePaths.h"
#include "picture/SafeFileWrite.h"

#include <QtEndian>

namespace {

// Builds the skin text. Text values go through Text(), which keeps each of them on its own line.
class SkinTextWriter {
public:
    explicit SkinTextWriter(qsizetype expectedSize) { m_out.reserve(expectedSize); }

    QString& Out() { return m_out; }

    SkinTextWriter& operator<<(const char16_t* literal) {
        m_out += QStringView(literal);
        return *this;
    }
    SkinTextWriter& operator<<(int value) {
        AppendDecimal(m_out, value);
        return *this;
    }

    // A line break inside a value would end its line early and let the rest pass for keys of its own.
    SkinTextWriter& Text(const QString& value) {
        const qsizetype from = m_out.size();
        m_out += value;
        for (qsizetype i = from; i < m_out.size(); ++i) {
            if (m_out[i] == u'\r' || m_out[i] == u'\n')
                m_out[i] = u' ';
        }
        return *this;
    }
    // key, the value as Text, LF.
    SkinTextWriter& Line(const char16_t* key, const QString& value) {
        *this << key;
        return Text(value) << u"\n";
    }
    SkinTextWriter& Place(const Placement& p, bool scrollbarModes, bool offset) {
        AppendPlacementText(m_out, p, scrollbarModes, offset);
        return *this;
    }
    SkinTextWriter& Pair(const SourcePoint& p) { return *this << p.x << u"," << p.y; }
    SkinTextWriter& Triple(Colour c) { return *this << RedOf(c) << u"," << GreenOf(c) << u"," << BlueOf(c); }

private:
    QString m_out;
};

// Notes keep their line breaks as "^M"; a lone CR or LF is a line break too.
QString NotesLine(const QString& notes) {
    QString line;
    line.reserve(notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const QChar c = notes[i];
        if (c == u'\r' && i + 1 < notes.size() && notes[i + 1] == u'\n') {
            line += u"^M";
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            line += u"^M";
        } else {
            line += c;
        }
    }
    return line;
}

void WriteGroupLine(SkinTextWriter& w, const SkinElement& e) {
    if (!e.group.isEmpty())
        w.Line(u"group=", e.group);
}

void WriteLimits(SkinTextWriter& w, int widthMin, int widthMax, int heightMin, int heightMax,
                 const char16_t* const keys[4]) {
    const int values[4] = {widthMin, widthMax, heightMin, heightMax};
    for (int i = 0; i < 4; ++i) {
        if (values[i] != -1)
            w << keys[i] << values[i] << u"\n";
    }
}

void WriteSizeLimits(SkinTextWriter& w, const DrawableCommon& c) {
    static const char16_t* const kKeys[4] = {u"drawwidthminimum=", u"drawwidthmaximum=",
                                             u"drawheightminimum=", u"drawheightmaximum="};
    WriteLimits(w, c.drawwidthminimum, c.drawwidthmaximum, c.drawheightminimum, c.drawheightmaximum, kKeys);
}

void WriteScrollbarLimits(SkinTextWriter& w, const SkinLayout& l) {
    static const char16_t* const kKeys[4] = {u"scrollbardrawwidthminimum=", u"scrollbardrawwidthmaximum=",
                                             u"scrollbardrawheightminimum=", u"scrollbardrawheightmaximum="};
    WriteLimits(w, l.scrollbardrawwidthminimum, l.scrollbardrawwidthmaximum, l.scrollbardrawheightminimum,
                l.scrollbardrawheightmaximum, kKeys);
}

void WriteCondition(SkinTextWriter& w, const DrawableCommon& c) {
    if (!c.conditionset)
        return;
    w.Line(u"condition=", IndicatorKeyword(c.condition));
    w << u"conditionvalue=" << (c.conditionvalue ? 1 : 0) << u"\n";
}

void WriteRollAndFocus(SkinTextWriter& w, const DrawableCommon& c) {
    if (c.drawunrolled)
        w << u"drawunrolled=1\n";
    if (c.drawrolled)
        w << u"drawrolled=1\n";
    if (c.drawfocus)
        w << u"drawfocus=1\n";
}

void WriteTitleBar(SkinTextWriter& w, const TitleBarBlock& b) {
    w << u"titlebar=";
    w.Place(b.left, false, false) << u",";
    w.Place(b.top, false, false) << u",";
    w.Place(b.right, false, false) << u"," << b.height << u"\n";
}

void WriteScrollBar(SkinTextWriter& w, const ScrollBarBlock& b) {
    w << u"scrollbar=";
    w.Place(b.left, false, false) << u",";
    w.Place(b.top, false, false) << u",";
    w.Place(b.bottom, false, false) << u"," << b.width << u"\n";
}

void WriteNameAndGroup(SkinTextWriter& w, const char16_t* header, const QString& name, const SkinElement& e) {
    w << header;
    w.Line(u"name=", name);
    WriteGroupLine(w, e);
}

void WritePlace(SkinTextWriter& w, const PlacePair& place, bool scrollbarModes) {
    w << u"place=";
    w.Place(place.x, scrollbarModes, true) << u",";
    w.Place(place.y, scrollbarModes, true) << u"\n";
}

void WriteButton(SkinTextWriter& w, const SkinElement& e, const ButtonRecord& r) {
    WriteNameAndGroup(w, u"[button]\n", r.name, e);
    WritePlace(w, r.place, true);
    w << u"source=";
    w.Pair(r.source) << u"\nsourcerollover=";
    w.Pair(r.sourcerollover) << u"\nsourcealpha=";
    w.Pair(r.sourcealpha) << u"\nsourcerolloveralpha=";
    w.Pair(r.sourcerolloveralpha) << u"\nsize=" << r.size.w << u"x" << r.size.h << u"\n";
    WriteSizeLimits(w, r);
    WriteCondition(w, r);
    const QString action = ActionKeyword(r.action);
    if (!action.isEmpty())
        w.Line(u"action=", action);
    WriteRollAndFocus(w, r);
}

void WriteStripColours(SkinTextWriter& w, const StripCommon& r) {
    w << u"source=";
    w.Pair(r.source) << u"\nsourcealpha=";
    w.Pair(r.sourcealpha) << u"\nstartcol=";
    w.Triple(r.startcol) << u"\nendcol=";
    w.Triple(r.endcol) << u"\nsolidcol=";
    w.Triple(r.solidcol) << u"\nalpha=" << r.alpha << u"\n";
    WriteSizeLimits(w, r);
    WriteCondition(w, r);
    w << u"striptype=" << r.striptype << u"\n";
    WriteRollAndFocus(w, r);
}

void WriteHStrip(SkinTextWriter& w, const SkinElement& e, const HStripRecord& r) {
    WriteNameAndGroup(w, u"[hstrip]\n", r.name, e);
    WritePlace(w, r.place, false);
    w << u"extent=";
    w.Place(r.extent.right, false, true) << u"," << r.extent.height << u"\nwidth=" << r.width << u"\n";
    WriteStripColours(w, r);
}

void WriteVStrip(SkinTextWriter& w, const SkinElement& e, const VStripRecord& r) {
    WriteNameAndGroup(w, u"[vstrip]\n", r.name, e);
    WritePlace(w, r.place, true);
    w << u"extent=" << r.extent.width << u",";
    w.Place(r.extent.bottom, true, true) << u"\nheight=" << r.height << u"\n";
    WriteStripColours(w, r);
}

void WriteText(SkinTextWriter& w, const SkinElement& e, const TextRecord& r) {
    WriteNameAndGroup(w, u"[text]\n", r.name, e);
    WritePlace(w, r.place, false);
    w << u"extent=";
    w.Place(r.extent.right, false, true) << u"," << r.extent.height << u"\nfont=";
    w.Text(r.font) << u"\ncol=";
    w.Triple(r.col) << u"\npoint=" << r.point << u"\ntext=";
    w.Text(r.text) << u"\nsetcase=" << r.setcase << u"\n";
    WriteSizeLimits(w, r);
    w << u"format=";
    if (r.bold)
        w << u"bold,";
    if (r.italic)
        w << u"italic,";
    if (r.underline)
        w << u"underline,";
    if (r.transparent)
        w << u"transparent,";
    if (r.antialias == 0)
        w << u"no_aa,";
    else if (r.antialias == 2)
        w << u"yes_aa,";
    w << u"\n";
    WriteCondition(w, r);
    static const char16_t* const kAlignments[3] = {u"alignment=left\n", u"alignment=middle\n",
                                                   u"alignment=right\n"};
    if (r.alignment >= 0 && r.alignment <= 2)
        w << kAlignments[r.alignment];
    WriteRollAndFocus(w, r);
}

void WriteIndicator(SkinTextWriter& w, const SkinElement& e, const IndicatorRecord& r) {
    WriteNameAndGroup(w, u"[indicator]\n", r.name, e);
    WritePlace(w, r.place, false);
    w << u"source=";
    w.Pair(r.source) << u"\nsourceoff=";
    w.Pair(r.sourceoff) << u"\nsourcealpha=";
    w.Pair(r.sourcealpha) << u"\nsourceoffalpha=";
    w.Pair(r.sourceoffalpha) << u"\nsize=" << r.size.w << u"x" << r.size.h << u"\n";
    WriteSizeLimits(w, r);
    WriteCondition(w, r);
    w.Line(u"type=", IndicatorKeyword(r.type));
    WriteRollAndFocus(w, r);
}

void WriteTileArea(SkinTextWriter& w, const SkinElement& e, const TileAreaRecord& r) {
    WriteNameAndGroup(w, u"[tilearea]\n", r.name, e);
    w << u"topleft=";
    w.Place(r.topleft.x, false, false) << u",";
    w.Place(r.topleft.y, false, false) << u"\nbottomright=";
    w.Place(r.bottomright.x, false, false) << u",";
    w.Place(r.bottomright.y, false, false) << u"\nsource=";
    w.Pair(r.source) << u"\nsourcealpha=";
    w.Pair(r.sourcealpha) << u"\nsize=" << r.size.w << u"x" << r.size.h << u"\ntiletype=" << r.tiletype
                          << u"\nsolidcol=";
    w.Triple(r.solidcol) << u"\n";
    WriteSizeLimits(w, r);
    WriteCondition(w, r);
    WriteRollAndFocus(w, r);
}

void WriteGroup(SkinTextWriter& w, const GroupRecord& r) {
    w << u"[group]\n";
    w.Line(u"name=", r.name) << u"enabled=" << (r.enabled ? 1 : 0) << u"\n";
    w << (r.match ? u"match=all\n" : u"match=one\n");
    for (const GroupRule& rule : r.rules) {
        w << u"rule=";
        w.Text(rule.field) << u",";
        w.Text(rule.op) << u",";
        w.Text(rule.value) << u"\n";
    }
}

void WriteLayout(SkinTextWriter& w, const SkinElement& e, const SkinLayout& l) {
    WriteNameAndGroup(w, u"[settings]\n", l.name, e);
    w << u"left=" << l.left << u"\ntop=" << l.top << u"\nright=" << l.right << u"\nbottom=" << l.bottom
      << u"\nrolledheight=" << l.rolledheight << u"\nminimumwidth=" << l.minimumwidth << u"\nminimumheight="
      << l.minimumheight << u"\n";
    WriteTitleBar(w, l.titlebar);
    if (l.usescrollbar)
        w << u"usescrollbar=1\n";
    WriteScrollBar(w, l.scrollbar);
    w << u"minimumthumbtrackheight=" << l.minimumthumbtrackheight << u"\n";
    WriteScrollbarLimits(w, l);
}

void WriteElement(SkinTextWriter& w, const SkinElement& e) {
    if (const auto* r = e.As<ButtonRecord>())
        WriteButton(w, e, *r);
    else if (const auto* r = e.As<HStripRecord>())
        WriteHStrip(w, e, *r);
    else if (const auto* r = e.As<VStripRecord>())
        WriteVStrip(w, e, *r);
    else if (const auto* r = e.As<TextRecord>())
        WriteText(w, e, *r);
    else if (const auto* r = e.As<IndicatorRecord>())
        WriteIndicator(w, e, *r);
    else if (const auto* r = e.As<TileAreaRecord>())
        WriteTileArea(w, e, *r);
    else if (const auto* r = e.As<GroupRecord>())
        WriteGroup(w, *r);
    else if (const auto* r = e.As<SkinLayout>())
        WriteLayout(w, e, *r);
    else
        return; // an entry without a kind has nothing to write
    w << u"\n";
}

void WriteHeader(SkinTextWriter& w, const SkinDocument& d, const QString& imageName) {
    const SkinSettings& s = d.settings;
    const SkinLayout& l = d.layout;
    if (!s.skinname.isEmpty())
        w.Line(u"skinname=", s.skinname);
    if (!s.notes.isEmpty())
        w.Line(u"notes=", NotesLine(s.notes));
    if (!s.authorname.isEmpty())
        w.Line(u"authorname=", s.authorname);
    if (!s.authoremail.isEmpty())
        w.Line(u"authoremail=", s.authoremail);
    if (!s.authorurl.isEmpty())
        w.Line(u"authorurl=", s.authorurl);
    w << u"version=12\n";
    w << u"top=" << l.top << u"\nbottom=" << l.bottom << u"\nleft=" << l.left << u"\nright=" << l.right
      << u"\nrolledheight=" << l.rolledheight << u"\n";
    w.Line(u"bitmap=", StoredFileName(imageName));
    if (s.transparent != kNoColour) {
        w << u"transparent=";
        w.Triple(s.transparent) << u"\n";
    }
    if (s.region != kNoColour) {
        w << u"region=";
        w.Triple(s.region) << u"\n";
    }
    w << u"minimumwidth=" << l.minimumwidth << u"\nminimumheight=" << l.minimumheight
      << u"\nminimumthumbtrackheight=" << l.minimumthumbtrackheight << u"\n";
    WriteTitleBar(w, l.titlebar);
    w << u"titletooltip=" << s.titletooltip << u"\n";
    if (l.usescrollbar)
        w << u"usescrollbar=1\n";
    if (s.drawonrtfbg)
        w << u"drawonrtfbg=1\n";
    WriteScrollBar(w, l.scrollbar);
    WriteScrollbarLimits(w, l);
    if (!s.tooltipfontname.isEmpty()) {
        w << u"tooltipfontname=";
        w.Text(s.tooltipfontname) << u"\ntooltipfontsize=" << s.tooltipfontsize << u"\n";
    }
    w << u"selectedborderwidth=" << s.selectedborderwidth << u"\nselectedborderdashlength1="
      << s.selectedborderdashlength1 << u"\nselectedborderdashlength2=" << s.selectedborderdashlength2
      << u"\nselectedborderdashcolour1=" << s.selectedborderdashcolour1 << u"\nselectedborderdashcolour2="
      << s.selectedborderdashcolour2 << u"\n";
    if (!s.stackfilename.isEmpty())
        w.Line(u"stackfilename=", s.stackfilename);
    if (s.mode == 1)
        w << u"mode=stack\n";
    if (!s.defaultstyle.isEmpty())
        w.Line(u"defaultstyle=", s.defaultstyle);
    w << u"\n";
}

} // namespace

QByteArray SkinFileBytes(const SkinDocument& document, const QString& imageName) {
    SkinTextWriter w(1024 + static_cast<qsizetype>(document.elements.size()) * 320);
    WriteHeader(w, document, imageName);
    for (const SkinElement& e : document.elements)
        WriteElement(w, e);
    w << u"\n";

    const QString& text = w.Out();
    QByteArray bytes(2 + text.size() * 2, Qt::Uninitialized);
    bytes[0] = static_cast<char>(0xFF);
    bytes[1] = static_cast<char>(0xFE);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + 2);
    return bytes;
}

bool WriteSkinFile(const SkinDocument& document, const QString& path, const QString& imageName,
                   QString* error) {
    QString reason;
    const bool saved = WriteFileSafely(path, SkinFileBytes(document, imageName), &reason);
    if (!saved && error)
        *error = QStringLiteral("Error saving ") + path + QStringLiteral(": ") + reason;
    return saved;
}
