#include "render/KeptPreview.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/RenderPreview.h"
#include "render/TextLayoutCache.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Where two pictures first differ, or "" when they are the same.
std::string FirstDifference(const Canvas& a, const Canvas& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return "sizes differ";
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

struct Scene {
    SkinDocument document;
    NoteSettings settings;
    PreviewOptions options;
    int width = 700, height = 500;
};

TextRecord* FirstText(SkinDocument& document) {
    for (SkinElement& element : document.elements)
        if (TextRecord* text = element.As<TextRecord>())
            return text;
    return nullptr;
}

} // namespace

// A picture rebuilt after each of a run of edits, over what the builds before it left, is the one a fresh
// build makes: on every example, through typing, note sizes, highlights, text edits and area sizes.
TEST(KeptPreview, EveryRebuildEqualsAFreshBuild) {
    const struct {
        const char* what;
        std::function<void(Scene&)> edit;
        bool part = false; // rebuilt within a part only (the edit changes nothing outside it)
    } edits[] = {
        {"first build", [](Scene&) {}},
        {"a character typed into the title", [](Scene& s) { s.settings.title += u'x'; }},
        {"another character", [](Scene& s) { s.settings.title += u'y'; }},
        {"a wider note", [](Scene& s) { s.settings.width += 60; }},
        {"a narrower, shorter note", [](Scene& s) { s.settings.width -= 120, s.settings.height -= 30; }},
        {"the areas highlighted", [](Scene& s) { s.options.highlightareas = true; }},
        {"the highlights taken off", [](Scene& s) { s.options.highlightareas = false; }},
        {"an element highlighted",
         [](Scene& s) {
             s.options.highlightselected = true;
             s.options.selectedelement = static_cast<int>(s.document.elements.size()) - 1;
         }},
        {"a part rebuilt", [](Scene&) {}, true},
        {"rolled up", [](Scene& s) { s.settings.rolled = true; }},
        {"unrolled, in stack mode",
         [](Scene& s) {
             s.settings.rolled = false;
             s.settings.stackmode = s.options.stackmode = !s.options.stackmode;
         }},
        {"a note larger than the area", [](Scene& s) { s.settings.width = 900, s.settings.height = 640; }},
        {"a small note again", [](Scene& s) { s.settings.width = 200, s.settings.height = 80; }},
        {"the text's font changed",
         [](Scene& s) {
             TextRecord* text = FirstText(s.document);
             text->point += 3;
             text->bold = !text->bold;
         }},
        {"the text changed",
         [](Scene& s) { FirstText(s.document)->text = QStringLiteral("%SOURCE% %TITLE%"); }},
        {"the text band narrowed", [](Scene& s) { FirstText(s.document)->extent.right.value -= 40; }},
        {"another area size", [](Scene& s) { s.width = 480, s.height = 320; }},
        {"typed in the smaller area", [](Scene& s) { s.settings.title += u'z'; }},
        {"a note so narrow the texts are cut", [](Scene& s) { s.settings.width = 150; }},
        {"typed into the cut title", [](Scene& s) { s.settings.title += u'w'; }},
    };
    for (const char* skin : {"plain/plain.ini", "rich/rich.ini", "stack/paperpile.ini"}) {
        Scene scene;
        ASSERT_TRUE(LoadSkin(scene.document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(skin),
                             QString()));
        ASSERT_NE(FirstText(scene.document), nullptr) << skin;
        scene.settings.focus = scene.settings.alarm = scene.settings.scrollbar = true;
        scene.settings.stackmode = scene.options.stackmode = scene.document.settings.mode == 1;
        KeptPreview kept;
        for (const auto& e : edits) {
            e.edit(scene);
            if (kept.Picture().Width() != scene.width || kept.Picture().Height() != scene.height) {
                ASSERT_TRUE(kept.Resize(scene.width, scene.height));
            }
            if (e.part)
                kept.RebuildPart(scene.document, scene.settings, scene.options, {100, 80, 400, 300});
            else
                kept.Rebuild(scene.document, scene.settings, scene.options);
            // Fresh: without the background kept and with no line laid out before.
            ClearTextLayoutCache();
            Canvas fresh(scene.width, scene.height);
            RenderPreview(scene.document, scene.settings, scene.options, fresh);
            EXPECT_EQ(FirstDifference(kept.Picture(), fresh), "") << skin << ", " << e.what;
        }
    }
}
