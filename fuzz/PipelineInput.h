#pragma once

// The input of the skin pipeline target: a header of kPipelineHeaderSize bytes choosing the note state,
// the preview and the picture, then the bytes of a skin file. Inputs shorter than the header read as
// if padded with zeros.
#include "render/NoteSettingKeys.h"
#include "render/NoteSettings.h"
#include "render/PreviewOptions.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kPipelineHeaderSize = 15;
// The largest note the header asks for; the designer allows up to 9999, which only costs time here.
constexpr int kPipelineLargestSide = 2000;
// Most inputs ask for a note of at most this side: a large note costs its canvas's pixels several times
// over and reaches no more code than a small one, so a side up to kPipelineLargestSide takes the two
// top bits of its 16 set, one input in four of random headers.
constexpr int kPipelineCommonSide = 512;
constexpr int kPipelineLargeSideFlag = 0xC000;

inline int PipelineSide(int raw) {
    return (raw & kPipelineLargeSideFlag) == kPipelineLargeSideFlag
               ? (raw & ~kPipelineLargeSideFlag) % (kPipelineLargestSide + 1)
               : raw % (kPipelineCommonSide + 1);
}

inline int PipelineRawSide(int side) {
    return side <= kPipelineCommonSide ? side : kPipelineLargeSideFlag | side;
}

struct PipelineInput {
    NoteSettings settings;
    PreviewOptions options;
    bool keyedPicture = false;
    int areaWidth = 0; // the preview area
    int areaHeight = 0;
    int selected = 0; // chooses the selected element among the skin's, or none
    // The drawings that cost a hundred previews: asked for by some inputs, not by every one.
    bool stateSheet = false;
    bool thumbnail = false;
    QByteArray skin; // shares the input's bytes
};

// Header: width and height (16 bits each, little-endian, read by PipelineSide), 24 bits of switches (the note
// settings' flags in their key table's order, then stack mode, highlight areas, highlight selected and
// the keyed picture), DPI (0: 96, else eight times the byte), scroll top and bottom (signed), the
// preview area's width and height (40 plus four times the byte), the selected element (16 bits), and
// whether to draw the state sheet (bit 0) and the thumbnail (bit 1).
inline PipelineInput ReadPipelineInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t h[kPipelineHeaderSize] = {};
    std::copy(data, data + std::min(size, kPipelineHeaderSize), h);
    PipelineInput in;
    in.settings.width = PipelineSide(h[0] | h[1] << 8);
    in.settings.height = PipelineSide(h[2] | h[3] << 8);
    const std::uint32_t switches = h[4] | h[5] << 8 | h[6] << 16;
    int bit = 0;
    for (const NoteSettingKey& key : NoteSettingKeys()) {
        if (key.form == NoteSettingForm::Flag && bit < 20)
            in.settings.*(key.flag) = (switches >> bit++) & 1;
    }
    in.settings.stackmode = (switches >> 20) & 1;
    in.options.stackmode = in.settings.stackmode;
    in.options.highlightareas = (switches >> 21) & 1;
    in.options.highlightselected = (switches >> 22) & 1;
    in.keyedPicture = (switches >> 23) & 1;
    in.settings.dpi = h[7] == 0 ? 96 : h[7] * 8;
    in.settings.scrolltop = static_cast<std::int8_t>(h[8]);
    in.settings.scrollbottom = static_cast<std::int8_t>(h[9]);
    in.areaWidth = 40 + h[10] * 4;
    in.areaHeight = 40 + h[11] * 4;
    in.selected = h[12] | h[13] << 8;
    in.stateSheet = h[14] & 1;
    in.thumbnail = h[14] & 2;
    if (size > kPipelineHeaderSize)
        in.skin = QByteArray::fromRawData(reinterpret_cast<const char*>(data + kPipelineHeaderSize),
                                          static_cast<qsizetype>(size - kPipelineHeaderSize));
    return in;
}

// The header of an input for a note of that size in the designer's start state, its preview area a
// little larger: what the seeds start from.
inline QByteArray PipelineHeader(int width, int height, std::uint32_t switches, int selected, int drawings) {
    const auto byte = [](int v) { return static_cast<char>(v & 0xFF); };
    const int area = std::clamp(std::max(width, height) / 4, 0, 255);
    width = PipelineRawSide(width);
    height = PipelineRawSide(height);
    const char h[kPipelineHeaderSize] = {byte(width),
                                         byte(width >> 8),
                                         byte(height),
                                         byte(height >> 8),
                                         byte(switches),
                                         byte(switches >> 8),
                                         byte(switches >> 16),
                                         0,
                                         25,
                                         100,
                                         byte(area),
                                         byte(area),
                                         byte(selected),
                                         byte(selected >> 8),
                                         byte(drawings)};
    return QByteArray(h, kPipelineHeaderSize);
}
