// A text box's own editing menu, with entries of the form's after it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace corvane {

// Show box's editing entries (Undo, Cut, Copy, Paste, Delete, Select All) at screen point (x, y),
// or at its corner from the keyboard, then a separator and extra (command id, text) entries; an
// editing entry is carried out here; returns the extra entry's id chosen, or 0
UINT EditMenu(HWND box, int x, int y, const std::vector<std::pair<UINT, std::wstring>>& extra);

// A screen point for a context menu at (x, y); from the keyboard (Shift+F10) it has none and
// opens at the corner of window
POINT MenuPoint(HWND window, int x, int y);

}  // namespace corvane
