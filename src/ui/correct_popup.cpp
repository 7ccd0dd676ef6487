// The CorrectPopup: "Správně" on green, gone by itself after 1.2 seconds.
#include <windows.h>

#include "ui/ui_state.h"

namespace {

constexpr COLORREF correctColour = RGB(80, 240, 80);
constexpr UINT_PTR closeTimer = 1;
constexpr UINT closeDelayMs = 1200;

}  // namespace

// Only the timer closes the popup: it answers no command, so keys, clicks and
// close requests have no effect.
INT_PTR CALLBACK correctPopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            SetTimer(popup, closeTimer, closeDelayMs, nullptr);
            return FALSE;
        case WM_TIMER:
            KillTimer(popup, closeTimer);
            EndDialog(popup, 0);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(replacePanelBrush(correctColour));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(replacePanelBrush(correctColour));
        default:
            return FALSE;
    }
}
