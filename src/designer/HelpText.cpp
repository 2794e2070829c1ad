#include "designer/HelpText.h"

#include "designer/WindowTitle.h"

QString HelpText() {
    return kProgramTitle + QStringLiteral("\n\n") +
           QStringLiteral(
               "Quick usage guide:\n"
               "    Open a PNG with the ... button\n"
               "    Create new elements for the bitmap by double-clicking the icon to the left\n"
               "    Edit each item by double-clicking it, or click it and press Del to remove it\n"
               "    Preview the skin, add support for rolling up if you like\n"
               "    Save the skin from File/Save\n\n"
               "Items:\n"
               "    Horizontal strips have a fixed height and repeat a strip\n"
               "    Vertical strips have a fixed width and repeat a strip\n"
               "    Buttons have two sources - normal and rollover.  Clicking there causes an action\n"
               "    Indicators have two sources - on and off\n\n"
               "More usage:\n"
               "    For number/dropbox pairs in item edit dialogs:\n"
               "        \"sides\": positive is from left, negative is from right\n"
               "        \"middle\": positive to to the right of the middle, negative is to the left\n"
               "        \"percent\": number is percentage across or down the sticky\n"
               "    Select an strip, button or indicator and left and right-click on the source bitmap to "
               "pick area\n"
               "    Hold shift to select rollover area for buttons, and \"off\" bitmap for indicators\n"
               "    Rolled mode means just an area the size of the title bar showing\n");
}
