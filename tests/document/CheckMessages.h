#pragma once

// The findings of the skin check, word for word, numbered in the order the check gives them.

#include <QString>

inline const QString E1 =
    "ERROR: Rolled up skins will show some of the text area.  Reduce the Rolled Height or increase "
    "the Top Gap.\n\n";
inline const QString E2 = "ERROR: The skin has no name.  Click Edit/Info to set this\n\n";
inline const QString E3 =
    "ERROR: The designer URL does not start with \"http\".  Click Edit/Info to set this\n\n";
inline const QString E4 =
    "ERROR: The user will be able to size the skin horizontally so the text disappears.  Increase "
    "the Minimum Width.\n\n";
inline const QString E5 =
    "ERROR: The user will be able to size the skin vertially so the text disappears.  Increase the "
    "Minimum Height.\n\n";
inline const QString E6 = "ERROR: Unable to move the sticky.  Increase the titlebar height.\n\n";
inline const QString W7 =
    "WARNING: The region colour is a commonly used one - text set to that colour will be "
    "transparent in Pinlets.  Pick a slightly different colour.\n\n";
inline const QString W8 = "WARN: The rolled height is very low.  Consider increasing it.\n\n";
inline const QString W9 =
    "WARN: The left border you grab to resize the skin is very thin.  Consider increasing it.\n\n";
inline const QString W10 =
    "WARN: The right border you grab to resize the skin is very thin.  Consider increasing it.\n\n";
inline const QString W11 =
    "WARN: The bottom border you grab to resize the skin is very thin.  Consider increasing it.\n\n";
inline const QString W12 = "WARN: The Minimum Width is set very low\n\n";
inline const QString W13 = "WARN: The Minimum Height is set very low\n\n";
