#pragma once

class CDrapierDlg;

// "Frame from Picture…" at the end of the element menu of "New" (after a separator) and of the Edit menu:
// the frame window, whose OK adds its frame before the selected element (at the start of the list when
// none is selected, so titles and buttons stay on top) as one undo step, selecting the first new entry.
void InstallFrameFromPicture(CDrapierDlg& window);

// The command's text in both menus.
extern const char kFrameFromPictureText[];
