#include "document/ActionCodes.h"

#include <QHash>

namespace {

struct ActionRow {
    const char16_t* keyword;
    const char16_t* displayName;
};

// Indexed by code.
constexpr ActionRow kActions[kActionCodeCount] = {
    {u"", u"None"}, // 0
    {u"close", u"Close"}, // 1
    {u"ontop", u"Toggle on-top"}, // 2
    {u"roll", u"Roll up/Unroll"}, // 3
    {u"goaway", u"Go Away"}, // 4
    {u"reply", u"Reply"}, // 5
    {u"movetofile", u"Move to file"}, // 6
    {u"", u""}, // 7
    {u"", u""}, // 8
    {u"multiple", u"Multiple send"}, // 9
    {u"print", u"Print"}, // 10
    {u"options", u"Options"}, // 11
    {u"styles", u"Styles"}, // 12
    {u"friends", u"Friends"}, // 13
    {u"manage", u"Manage"}, // 14
    {u"copytofile", u"Copy to file"}, // 15
    {u"openlog", u"Open log file"}, // 16
    {u"", u""}, // 17
    {u"addasfriend", u"Add as friend"}, // 18
    {u"insertdate", u"Insert date"}, // 19
    {u"newsticky", u"New sticky"}, // 20
    {u"recurrence", u"Recurrence"}, // 21
    {u"edittitle", u"Edit title"}, // 22
    {u"formatforreply", u"Format for reply"}, // 23
    {u"autowidth", u"Auto width"}, // 24
    {u"syncwithserver", u"Sync with server"}, // 25
    {u"properties", u"Sticky properties"}, // 26
    {u"help", u"Help"}, // 27
    {u"importfromfile", u"Import from file"}, // 28
    {u"importfromppc", u""}, // 29
    {u"rescue", u"Rescue pinlets"}, // 30
    {u"hideall", u"Hide all"}, // 31
    {u"exitapp", u"Exit Pinlets"}, // 32
    {u"alarm", u"Set alarm"}, // 33
    {u"colour", u"Set colour"}, // 34
    {u"sleep", u"Sleep"}, // 35
    {u"bullets", u"Toggle Bullets"}, // 36
    {u"undo", u"Undo"}, // 37
    {u"cut", u"Cut"}, // 38
    {u"copy", u"Copy"}, // 39
    {u"paste", u"Paste"}, // 40
    {u"clear", u"Clear"}, // 41
    {u"selectall", u"Select All"}, // 42
    {u"font", u"Font"}, // 43
    {u"redo", u"Redo"}, // 44
    {u"left", u"Left"}, // 45
    {u"center", u"Center"}, // 46
    {u"right", u"Right"}, // 47
    {u"larger", u"Larger"}, // 48
    {u"smaller", u"Smaller"}, // 49
    {u"bold", u"Bold"}, // 50
    {u"italic", u"Italic"}, // 51
    {u"underline", u"Underline"}, // 52
    {u"strikethrough", u"Strikethrough"}, // 53
    {u"save", u"Save"}, // 54
    {u"playalarm", u"Sound alarm"}, // 55
    {u"openurl", u"Open Author URL"}, // 56
    {u"storesticky", u"Store Sticky"}, // 57
    {u"scrollup", u"Scroll Up"}, // 58
    {u"scrolldown", u"Scroll Down"}, // 59
    {u"attach", u"Attach"}, // 60
    {u"bulletsnone", u"Bullets - none"}, // 61
    {u"bulletsnormal", u"Bullets - standard"}, // 62
    {u"bulletsnumbers", u"Bullets - numbers"}, // 63
    {u"bulletsletters", u"Bullets - letters"}, // 64
    {u"user1", u"Toggle User 1"}, // 65
    {u"user2", u"Toggle User 2"}, // 66
    {u"user3", u"Toggle User 3"}, // 67
    {u"delete", u"Delete"}, // 68
    {u"lock", u"Lock"}, // 69
    {u"track", u"Thumbtrack"}, // 70
    {u"pageup", u"Page up"}, // 71
    {u"pagedown", u"Page down"}, // 72
    {u"specify", u"Specify"}, // 73
    {u"sendtoff0", u"Send to FF0"}, // 74
    {u"sendtoff1", u"Send to FF1"}, // 75
    {u"sendtoff2", u"Send to FF2"}, // 76
    {u"sendtoff3", u"Send to FF3"}, // 77
    {u"sendtoff4", u"Send to FF4"}, // 78
    {u"sendtoff5", u"Send to FF5"}, // 79
    {u"sendtoff6", u"Send to FF6"}, // 80
    {u"sendtoff7", u"Send to FF7"}, // 81
    {u"sendtoff8", u"Send to FF8"}, // 82
    {u"sendtoff9", u"Send to FF9"}, // 83
    {u"applystyle0", u"Apply style 0 (default)"}, // 84
    {u"applystyle1", u"Apply style 1"}, // 85
    {u"applystyle2", u"Apply style 2"}, // 86
    {u"applystyle3", u"Apply style 3"}, // 87
    {u"applystyle4", u"Apply style 4"}, // 88
    {u"applystyle5", u"Apply style 5"}, // 89
    {u"applystyle6", u"Apply style 6"}, // 90
    {u"applystyle7", u"Apply style 7"}, // 91
    {u"applystyle8", u"Apply style 8"}, // 92
    {u"applystyle9", u"Apply style 9"}, // 93
    {u"penselect", u"Pen: Select"}, // 94
    {u"pendraw", u"Pen: Draw"}, // 95
    {u"penerase", u"Pen: Erase"}, // 96
    {u"pendropper", u"Pen: Lift colour"}, // 97
    {u"pencolour", u"Pen: Choose colour"}, // 98
    {u"pencrop", u"Pen: Crop to Selection"}, // 99
    {u"penclearsel", u"Pen: Clear selected area"}, // 100
    {u"penclearall", u"Pen: Clear"}, // 101
    {u"penloadimage", u"Pen: Load Image"}, // 102
    {u"converttoimage", u"Convert to Image"}, // 103
    {u"pasteintoimage", u"Paste Into Image"}, // 104
    {u"openstickycontext", u"Open sticky context menu"}, // 105
    {u"opentextcontext", u"Open text/image context menu"}, // 106
    {u"edituserstring1", u"Edit User String 1"}, // 107
    {u"pendrawtext", u"Pen: Draw Text"}, // 108
    {u"findtext", u"Find Text"}, // 109
    {u"findtextagain", u"Find Text Again"}, // 110
    {u"sizeimagesticky", u"Resize image sticky"}, // 111
    {u"penline", u"Pen: Draw Line"}, // 112
    {u"penrect", u"Pen: Draw Rectangle"}, // 113
    {u"pencirc", u"Pen: Draw Ellipse"}, // 114
    {u"penwidth1", u"Pen: Width 1"}, // 115
    {u"penwidth3", u"Pen: Width 3"}, // 116
    {u"penwidth5", u"Pen: Width 5"}, // 117
    {u"penwidth7", u"Pen: Width 7"}, // 118
    {u"penwidth9", u"Pen: Width 9"}, // 119
    {u"penwidth11", u"Pen: Width 11"}, // 120
    {u"penwidth13", u"Pen: Width 13"}, // 121
    {u"penwidth15", u"Pen: Width 15"}, // 122
    {u"penwidth17", u"Pen: Width 17"}, // 123
    {u"penwidth19", u"Pen: Width 19"}, // 124
    {u"penwidth21", u"Pen: Width 21"}, // 125
    {u"ltr", u"LTR"}, // 126
    {u"rtl", u"RTL"}, // 127
    {u"setskin", u"Set Sticky Skin"}, // 128
    {u"defaultskin", u"Set Sticky Skin to Default"}, // 129
    {u"backup", u"Open Backup dialog"}, // 130
    {u"hilitenone", u"Hilite: none"}, // 131
    {u"hiliteyellow", u"Highlight 01"}, // 132
    {u"hilitepink", u"Highlight 02"}, // 133
    {u"hiliteorange", u"Highlight 03"}, // 134
    {u"hilitegreen", u"Highlight 04"}, // 135
    {u"hiliteblue", u"Highlight 05"}, // 136
    {u"transparentopaque", u"Transparent: Opaque"}, // 137
    {u"transparent90pc", u"Transparent: 10% opaque"}, // 138
    {u"transparent80pc", u"Transparent: 20% opaque"}, // 139
    {u"transparent70pc", u"Transparent: 30% opaque"}, // 140
    {u"transparent60pc", u"Transparent: 40% opaque"}, // 141
    {u"transparent50pc", u"Transparent: 50% opaque"}, // 142
    {u"transparent40pc", u"Transparent: 60% opaque"}, // 143
    {u"transparent30pc", u"Transparent: 70% opaque"}, // 144
    {u"transparent20pc", u"Transparent: 80% opaque"}, // 145
    {u"transparent10pc", u"Transparent: 90% opaque"}, // 146
    {u"liftformat", u"Lift text formatting"}, // 147
    {u"applyformat", u"Apply text formatting"}, // 148
    {u"penarrow", u"Pen: Arrow"}, // 149
    {u"stang", u"Toggle stang mode"}, // 150
    {u"dummy", u"Dummy"}, // 151
    {u"stack", u"Stack"}, // 152
    {u"solo", u"Toggle Solo"}, // 153
    {u"grabss", u"Capture Screenshot"}, // 154
    {u"grabssarea", u"Capture Screen Area"}, // 155
    {u"mirror", u"Mirror Image"}, // 156
    {u"flip", u"Flip Image"}, // 157
    {u"rotleft", u"Rotate Image Left"}, // 158
    {u"rotright", u"Rotate Image Right"}, // 159
    {u"negative", u"Negative Image"}, // 160
    {u"grey", u"Greyscale Image"}, // 161
    {u"border", u"Image Border"}, // 162
    {u"blur", u"Blur Image"}, // 163
    {u"jitter", u"Jitter Image"}, // 164
    {u"floodfill", u"Flood Fill"}, // 165
    {u"newfromclipboard", u"New Sticky from Clipboard"}, // 166
    {u"showparent", u"Show Recurring Parent"}, // 167
    {u"hyperlink", u"Insert Hyperlink"}, // 168
    {u"", u""}, // 169
    {u"scrollbars", u"Scrollbars"}, // 170
    {u"setsize", u"Set Size"}, // 171
    {u"justify", u"Justify"}, // 172
    {u"penwidth2", u"Pen: Width 2"}, // 173
    {u"penwidth4", u"Pen: Width 4"}, // 174
    {u"penwidth6", u"Pen: Width 6"}, // 175
    {u"penwidth8", u"Pen: Width 8"}, // 176
    {u"penwidth10", u"Pen: Width 10"}, // 177
    {u"pennumber", u"Pen: number in circle"}, // 178
    {u"hilite06", u"Highlight 06"}, // 179
    {u"hilite07", u"Highlight 07"}, // 180
    {u"sync", u"Sync"}, // 181
    {u"uppercase", u"Upper case"}, // 182
    {u"lowercase", u"Lower case"}, // 183
    {u"titlecase", u"Title case"}, // 184
    {u"sentencecase", u"Sentence case"}, // 185
    {u"tab40", u"Tab stop 40"}, // 186
    {u"tab80", u"Tab stop 80"}, // 187
    {u"tab120", u"Tab stop 120"}, // 188
    {u"tab240", u"Tab stop 240"}, // 189
};

const QHash<QString, int>& KeywordIndex() {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int code = 1; code < kActionCodeCount; ++code) {
            const QString keyword = QString::fromUtf16(kActions[code].keyword);
            if (!keyword.isEmpty())
                h.insert(keyword, code);
        }
        return h;
    }();
    return index;
}

} // namespace

int ActionCodeOfKeyword(QStringView keyword) {
    return KeywordIndex().value(keyword.toString().toLower(), 0);
}

QString ActionKeyword(int code) {
    if (code < 1 || code >= kActionCodeCount)
        return {};
    return QString::fromUtf16(kActions[code].keyword);
}

QString ActionDisplayName(int code) {
    if (code < 0 || code >= kActionCodeCount)
        return {};
    return QString::fromUtf16(kActions[code].displayName);
}
