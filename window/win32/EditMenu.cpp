// The editing entries as messages to the box, enabled by its selection, clipboard and undo state.
#include "EditMenu.h"

namespace corvane {

POINT MenuPoint(HWND window, int x, int y) {
    POINT at{x, y};
    if (x == -1 && y == -1) {
        at = {0, 0};
        ClientToScreen(window, &at);
    }
    return at;
}

UINT EditMenu(HWND box, int x, int y, const std::vector<std::pair<UINT, std::wstring>>& extra) {
    const POINT at = MenuPoint(box, x, y);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const UINT selected = start != end ? MF_ENABLED : MF_GRAYED;
    const UINT paste = IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED;
    const UINT undo = SendMessageW(box, EM_CANUNDO, 0, 0) ? MF_ENABLED : MF_GRAYED;
    // The edit box's own entries, each sending the message that carries it out.
    const struct {
        UINT flags;
        UINT message;
        const wchar_t* text;
    } entries[] = {
        {undo, EM_UNDO, L"&Undo"},    {MF_SEPARATOR, 0, nullptr},
        {selected, WM_CUT, L"Cu&t"},  {selected, WM_COPY, L"&Copy"},
        {paste, WM_PASTE, L"&Paste"}, {selected, WM_CLEAR, L"&Delete"},
        {MF_SEPARATOR, 0, nullptr},   {MF_ENABLED, EM_SETSEL, L"Select &All"},
    };
    HMENU menu = CreatePopupMenu();
    for (const auto& entry : entries) AppendMenuW(menu, MF_STRING | entry.flags, entry.message, entry.text);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const auto& [id, text] : extra) AppendMenuW(menu, MF_STRING, id, text.c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, GetParent(box), nullptr));
    DestroyMenu(menu);
    for (const auto& entry : extra) {
        if (chosen == entry.first) return chosen;
    }
    if (chosen == EM_SETSEL) {
        SendMessageW(box, EM_SETSEL, 0, -1);
    } else if (chosen != 0) {
        SendMessageW(box, chosen, 0, 0);
    }
    return 0;
}

}  // namespace corvane
