// The LinkButtons: owner-drawn buttons that look like a hyperlink to the
// project web address, show a hand cursor and open the address when clicked.
#include <windows.h>
// Needs the types of windows.h.
#include <shellapi.h>

#include "resource.h"
#include "ui/gdi.h"
#include "ui/project_address.h"
#include "ui/ui_state.h"

namespace {

constexpr COLORREF pressedLinkColour = RGB(240, 0, 0);
constexpr COLORREF linkColour = RGB(180, 0, 0);
constexpr COLORREF linkBackground = RGB(230, 230, 230);

}  // namespace

void drawLinkButton(const DRAWITEMSTRUCT& item) {
    // The font and the brush live for this drawing only; the guard puts the
    // device context's own font back before the font is deleted.
    const GdiObject linkFont(createGuiFont(L"Tahoma", 13, true));
    SetTextColor(item.hDC, (item.itemState & ODS_SELECTED) != 0 ? pressedLinkColour : linkColour);
    SetBkMode(item.hDC, TRANSPARENT);
    const GdiObject background(CreateSolidBrush(linkBackground));
    FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(background.get()));
    const SelectGuard selected(item.hDC, linkFont.get());
    RECT textArea = item.rcItem;
    DrawTextW(item.hDC, projectWebAddress, -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void openProjectPage() {
    // A failure has no visible effect: there is nothing the user could do
    // about a missing browser from here.
    ShellExecuteW(nullptr, L"open", projectWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CALLBACK linkButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        SetCursor(LoadCursorW(instance, MAKEINTRESOURCEW(IDR_HAND_CURSOR)));
    }
    return CallWindowProcW(savedButtonProc, button, message, wParam, lParam);
}

void subclassLinkButton(HWND button) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(linkButtonProc)));
    // Both LinkButtons are standard buttons, so one slot serves both. A button
    // subclassed twice would hand back linkButtonProc itself, and keeping that
    // would make linkButtonProc call itself for ever.
    if (previous != linkButtonProc) {
        savedButtonProc = previous;
    }
}
