#pragma once

#include "picture/Colour.h"

#include <QString>

// The skin-wide fields of a skin (the header keys of the skin file), besides the default layout.
struct SkinSettings {
    QString authorname, authoremail, authorurl, skinname;
    QString notes; // may hold CR LF line breaks
    int version = 0;
    QString defaultstyle;
    int tooltipfontsize = -1;
    QString tooltipfontname;
    QString stackfilename;
    int mode = 0; // 1 = stack skin
    Colour transparent = kNoColour;
    Colour region = kNoColour;
    bool drawonrtfbg = false;
    int titletooltip = 1;
    int selectedborderwidth = 3;
    int selectedborderdashlength1 = 20;
    int selectedborderdashlength2 = 20;
    Colour selectedborderdashcolour1 = MakeColour(255, 255, 255);
    Colour selectedborderdashcolour2 = MakeColour(0, 0, 0);

    void Reset() { *this = SkinSettings{}; }
    bool operator==(const SkinSettings&) const = default;
};
