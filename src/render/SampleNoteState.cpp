#include "render/SampleNoteState.h"

#include "document/SkinDocument.h"

#include <cmath>

namespace {

const QString kSampleAlarmText = QStringLiteral("12/11/1974 02:00");

} // namespace

bool IsLightColour(Colour colour) {
    const auto channel = [](int value) { return std::pow(value / 255.0, 2.2); };
    const double luminance = 0.2126 * channel(RedOf(colour)) + 0.7152 * channel(GreenOf(colour)) +
                             0.0722 * channel(BlueOf(colour));
    return luminance > 0.5;
}

bool ScrollbarRequired(bool scrollbarBox, int scrollTop, int scrollBottom) {
    if (!scrollbarBox)
        return false;
    if (scrollTop == 0 && (scrollBottom == 100 || scrollBottom == 0))
        return false;
    return true;
}

NoteState SampleNoteState(const NoteSettings& settings, const SkinDocument& document) {
    NoteState state;
    state.rolled = settings.rolled;
    state.unrolledheight = settings.height;

    state.title = settings.title;
    state.source = settings.source;
    state.creationtext = settings.created;
    state.modifiedtext = settings.created;
    state.stackname = settings.stackname;
    state.dpi = settings.dpi;

    state.ontop = settings.ontop;
    state.hasfocus = settings.focus;
    state.instack = settings.instack;
    state.bulkselected = settings.bulk;
    state.emailok = settings.email;
    state.transmitok = settings.transmit;
    state.readonly = settings.locked;
    state.alarmset = settings.alarm;
    state.attached = settings.attached;
    state.moreabove = settings.moreabove;
    state.morebelow = settings.morebelow;
    state.fixedsize = settings.scrollbar;
    state.user1 = settings.user1;
    state.user2 = settings.user2;
    state.user3 = settings.user3;
    state.image = settings.image;
    state.stand = settings.stand;
    state.solo = settings.solo;
    state.sync = settings.sync;
    state.alarmtext = settings.alarm ? kSampleAlarmText : QString();

    state.notecolour = settings.notecolour;
    state.pencolour = settings.pencolour;
    state.backgroundislight = IsLightColour(settings.notecolour);

    state.pointerinnote = true;
    state.scrolltop = settings.scrolltop;
    state.scrollbottom = settings.scrollbottom;
    state.scrollbarrequired =
        ScrollbarRequired(settings.scrollbar, settings.scrolltop, settings.scrollbottom);

    state.userstring1 = QStringLiteral("userstring1");
    state.attachedtitle = QStringLiteral("AttachWindowTitle");
    state.attachedclass = QStringLiteral("AttachWindowClass");
    state.lastsendtext = QStringLiteral("Sent to Ivo on ") + kSampleAlarmText;

    // The layout giving the rolled height is chosen before the height is set, so a layout's group rule on
    // the height sees 0 at this point.
    state.width = settings.width;
    state.height = settings.rolled ? document.ActiveLayout(state).rolledheight : settings.height;
    return state;
}
