#include "render/AnchorPresets.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// What the coordinates of one axis are to follow.
enum class Follow { Keep, Near, Far, Middle, Stretch };

struct AxisFollow {
    Follow across;
    Follow down;
};

AxisFollow FollowOf(AnchorPreset preset) {
    switch (preset) {
    case AnchorPreset::TopLeft:
        return {Follow::Near, Follow::Near};
    case AnchorPreset::TopRight:
        return {Follow::Far, Follow::Near};
    case AnchorPreset::BottomLeft:
        return {Follow::Near, Follow::Far};
    case AnchorPreset::BottomRight:
        return {Follow::Far, Follow::Far};
    case AnchorPreset::Centre:
        return {Follow::Middle, Follow::Middle};
    case AnchorPreset::StretchAcross:
        return {Follow::Stretch, Follow::Keep};
    case AnchorPreset::StretchDown:
        return {Follow::Keep, Follow::Stretch};
    case AnchorPreset::Fill:
        break;
    }
    return {Follow::Stretch, Follow::Stretch};
}

// One axis of an element: its start coordinate and, where the kind has one, its end coordinate; the
// form's own reading of the scroll-bar modes; whether offsets count.
struct AxisPlacements {
    Placement* start = nullptr;
    Placement* end = nullptr;
    bool scrollModes = false;
    bool offsets = true;
};

struct Axes {
    AxisPlacements across;
    AxisPlacements down;
};

Axes AxesOf(SkinElement& e) {
    if (ButtonRecord* b = e.As<ButtonRecord>())
        return {{&b->place.x, nullptr, true}, {&b->place.y, nullptr, true}};
    if (IndicatorRecord* i = e.As<IndicatorRecord>())
        return {{&i->place.x, nullptr, true}, {&i->place.y, nullptr, true}};
    if (HStripRecord* h = e.As<HStripRecord>())
        return {{&h->place.x, &h->extent.right, false}, {&h->place.y, nullptr, false}};
    if (TextRecord* t = e.As<TextRecord>())
        return {{&t->place.x, &t->extent.right, false}, {&t->place.y, nullptr, false}};
    if (VStripRecord* v = e.As<VStripRecord>())
        return {{&v->place.x, nullptr, true}, {&v->place.y, &v->extent.bottom, true}};
    if (TileAreaRecord* a = e.As<TileAreaRecord>())
        return {{&a->topleft.x, &a->bottomright.x, false, false},
                {&a->topleft.y, &a->bottomright.y, false, false}};
    return {};
}

bool FitsInt(long long v) {
    return v >= INT_MIN && v <= INT_MAX;
}

// The pixel the coordinate lands on, offset included where the kind adds it: 32-bit arithmetic that
// wraps, as the geometry's.
int PixelOf(const Placement& p, const AxisPlacements& axis, int length, Axis which,
            const ScrollFrame& frame) {
    const int resolved = ResolveCoordinate(p, length, which, axis.scrollModes ? &frame : nullptr);
    if (!axis.offsets)
        return resolved;
    return static_cast<int>(static_cast<std::uint32_t>(resolved) + static_cast<std::uint32_t>(p.offset));
}

// The placement that lands on the pixel while following the side; nothing when it cannot.
std::optional<Placement> Following(Follow follow, long long pixel, int length, bool offsets) {
    switch (follow) {
    case Follow::Near:
        if (pixel >= 0)
            return Placement{static_cast<int>(pixel), PlacementMode::Sides, 0};
        if (offsets)
            return Placement{0, PlacementMode::Sides, static_cast<int>(pixel)};
        return std::nullopt;
    case Follow::Far: {
        const long long value = pixel - length;
        if (value < 0 && FitsInt(value))
            return Placement{static_cast<int>(value), PlacementMode::Sides, 0};
        const long long offset = pixel - (static_cast<long long>(length) - 1);
        if (offsets && FitsInt(offset))
            return Placement{-1, PlacementMode::Sides, static_cast<int>(offset)};
        return std::nullopt;
    }
    case Follow::Middle: {
        const long long value = pixel - length / 2;
        if (FitsInt(value))
            return Placement{static_cast<int>(value), PlacementMode::Middle, 0};
        return std::nullopt;
    }
    case Follow::Keep:
    case Follow::Stretch:
        break;
    }
    return std::nullopt;
}

bool Rewrite(const AxisPlacements& axis, Follow follow, int length, Axis which, const ScrollFrame& frame) {
    if (follow == Follow::Keep)
        return true;
    if (follow == Follow::Stretch && !axis.end)
        return false;
    const Follow startFollow = follow == Follow::Stretch ? Follow::Near : follow;
    const Follow endFollow = follow == Follow::Stretch ? Follow::Far : follow;
    const std::optional<Placement> start =
        Following(startFollow, PixelOf(*axis.start, axis, length, which, frame), length, axis.offsets);
    std::optional<Placement> end;
    if (axis.end) {
        end = Following(endFollow, PixelOf(*axis.end, axis, length, which, frame), length, axis.offsets);
        if (!end)
            return false;
    }
    if (!start)
        return false;
    *axis.start = *start;
    if (axis.end)
        *axis.end = *end;
    return true;
}

} // namespace

QString AnchorPresetText(AnchorPreset preset) {
    switch (preset) {
    case AnchorPreset::TopLeft:
        return QStringLiteral("Top left");
    case AnchorPreset::TopRight:
        return QStringLiteral("Top right");
    case AnchorPreset::BottomLeft:
        return QStringLiteral("Bottom left");
    case AnchorPreset::BottomRight:
        return QStringLiteral("Bottom right");
    case AnchorPreset::Centre:
        return QStringLiteral("Centre");
    case AnchorPreset::StretchAcross:
        return QStringLiteral("Stretch across");
    case AnchorPreset::StretchDown:
        return QStringLiteral("Stretch down");
    case AnchorPreset::Fill:
        break;
    }
    return QStringLiteral("Fill");
}

std::vector<AnchorPreset> AnchorPresetsOf(ElementKind kind) {
    std::vector<AnchorPreset> presets = {AnchorPreset::TopLeft, AnchorPreset::TopRight,
                                         AnchorPreset::BottomLeft, AnchorPreset::BottomRight,
                                         AnchorPreset::Centre};
    switch (kind) {
    case ElementKind::Button:
    case ElementKind::Indicator:
        return presets;
    case ElementKind::HStrip:
    case ElementKind::Text:
        presets.push_back(AnchorPreset::StretchAcross);
        return presets;
    case ElementKind::VStrip:
        presets.push_back(AnchorPreset::StretchDown);
        return presets;
    case ElementKind::TileArea:
        presets.insert(presets.end(),
                       {AnchorPreset::StretchAcross, AnchorPreset::StretchDown, AnchorPreset::Fill});
        return presets;
    default:
        return {};
    }
}

std::optional<SkinElement> WithAnchor(const SkinElement& element, AnchorPreset preset,
                                      const NoteFrame& frame) {
    const std::vector<AnchorPreset> offered = AnchorPresetsOf(element.Kind());
    if (std::find(offered.begin(), offered.end(), preset) == offered.end())
        return std::nullopt;
    SkinElement anchored = element;
    const Axes axes = AxesOf(anchored);
    const AxisFollow follow = FollowOf(preset);
    // Both axes are worked out from the element as it was: neither axis reads the other.
    if (!Rewrite(axes.across, follow.across, frame.width, Axis::X, frame.scroll) ||
        !Rewrite(axes.down, follow.down, frame.height, Axis::Y, frame.scroll))
        return std::nullopt;
    return anchored;
}

std::optional<AnchorPreset> AnchorOf(const SkinElement& element, const NoteFrame& frame) {
    // The presets that keep one axis as it is match more elements, so they are tried last: a filled
    // tile area is "Fill", not "Stretch across".
    const auto keepsAnAxis = [](AnchorPreset p) {
        return p == AnchorPreset::StretchAcross || p == AnchorPreset::StretchDown;
    };
    for (const bool lastPass : {false, true}) {
        for (const AnchorPreset preset : AnchorPresetsOf(element.Kind())) {
            if (keepsAnAxis(preset) != lastPass)
                continue;
            const std::optional<SkinElement> anchored = WithAnchor(element, preset, frame);
            if (anchored && *anchored == element)
                return preset;
        }
    }
    return std::nullopt;
}
