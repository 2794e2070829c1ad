#include "document/DocumentSnapshot.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

#include <gtest/gtest.h>

namespace {

SkinDocument LargeSkin(int count) {
    SkinDocument document;
    for (int i = 0; i < count; ++i) {
        SkinElement e = SkinElement::Make(i % 3 == 0 ? ElementKind::Button : ElementKind::HStrip);
        e.SetName(QStringLiteral("element %1").arg(i));
        document.Append(e);
    }
    return document;
}

} // namespace

TEST(DocumentSnapshot, RestoresWhatTheFileHoldsAndLeavesThePicturesAlone) {
    SkinDocument document = LargeSkin(5);
    document.settings.skinname = "before";
    document.layout.top = 31;
    const QByteArray file = SkinFileBytes(document, "art.png");
    const DocumentSnapshot snapshot = TakeSnapshot(document, "/skins/art.png");
    EXPECT_EQ(snapshot.pngPath, "/skins/art.png");

    document.image.Create(4, 4, 24, 4);
    document.settings.skinname = "after";
    document.layout.top = 2;
    document.elements.erase(document.elements.begin() + 1);
    document.elements[0].SetName("renamed");
    RestoreSnapshot(snapshot, document);
    EXPECT_EQ(SkinFileBytes(document, "art.png"), file);
    EXPECT_EQ(document.image.Width(), 4);
}

TEST(DocumentSnapshot, ComparisonIgnoresThePointerOverFlag) {
    SkinDocument document = LargeSkin(4);
    const DocumentSnapshot before = TakeSnapshot(document, "a.png");
    document.elements[0].As<ButtonRecord>()->pointerover = true;
    const DocumentSnapshot hovered = TakeSnapshot(document, "a.png", &before);
    EXPECT_TRUE(hovered.SameContent(before));
    EXPECT_EQ(hovered.elements, before.elements); // nothing new kept
    EXPECT_FALSE((*TakeSnapshot(document, "a.png").elements)[0]->As<ButtonRecord>()->pointerover);

    const struct {
        const char* what;
        void (*change)(SkinDocument&, QString&);
    } changes[] = {
        {"element field", [](SkinDocument& d, QString&) { d.elements[1].As<HStripRecord>()->width = 3; }},
        {"element order", [](SkinDocument& d, QString&) { std::swap(d.elements[1], d.elements[2]); }},
        {"element removed", [](SkinDocument& d, QString&) { d.elements.pop_back(); }},
        {"group name", [](SkinDocument& d, QString&) { d.elements[2].group = "g"; }},
        {"settings", [](SkinDocument& d, QString&) { d.settings.region = 5; }},
        {"default layout", [](SkinDocument& d, QString&) { d.layout.left = 9; }},
        {"png path", [](SkinDocument&, QString& png) { png = "b.png"; }},
        {"picture form", [](SkinDocument& d, QString&) { d.pngsource = false; }},
    };
    for (const auto& test : changes) {
        SkinDocument changed = LargeSkin(4);
        QString png = "a.png";
        test.change(changed, png);
        EXPECT_FALSE(TakeSnapshot(changed, png, &before).SameContent(before)) << test.what;
    }
}

TEST(DocumentSnapshot, AHistoryOfALargeSkinSharesItsUnchangedRecords) {
    // Steps that each change one element, swap two or delete one (bench_undo_history measures the full
    // 200 steps on 2,000 elements).
    SkinDocument document = LargeSkin(500);
    std::vector<DocumentSnapshot> history;
    history.push_back(TakeSnapshot(document, "a.png"));
    int changed = 0;
    for (int step = 0; step < 60; ++step) {
        switch (step % 3) {
        case 0: {
            SkinElement& e = document.elements[static_cast<size_t>(step * 7)];
            if (HStripRecord* strip = e.As<HStripRecord>())
                ++strip->width;
            else
                ++e.As<ButtonRecord>()->size.w;
            ++changed;
            break;
        }
        case 1:
            std::swap(document.elements[static_cast<size_t>(step)],
                      document.elements[static_cast<size_t>(step + 1)]);
            break;
        default:
            document.elements.erase(document.elements.begin() + step);
            break;
        }
        // A step keeps the document before and after; the next one's before is this one's after.
        history.push_back(TakeSnapshot(document, "a.png", &history.back()));
        history.push_back(TakeSnapshot(document, "a.png", &history.back()));
    }
    std::vector<const DocumentSnapshot*> all;
    for (const DocumentSnapshot& snapshot : history)
        all.push_back(&snapshot);
    EXPECT_EQ(DistinctRecordCount(all), 500u + changed);
    // An unchanged document shares the whole list.
    EXPECT_EQ(history[history.size() - 1].elements, history[history.size() - 2].elements);
}
