#include "ui/ui_state.h"

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr;
HWND settingsPanel = nullptr;
HWND resultsPanel = nullptr;
HBRUSH panelBrush = nullptr;
WNDPROC savedButtonProc = nullptr;

HBRUSH replacePanelBrush(COLORREF colour) {
    // The brush handed out at the previous colour request has been used by
    // then: a control paints with it before the next request can arrive.
    if (panelBrush != nullptr) {
        DeleteObject(panelBrush);
    }
    panelBrush = CreateSolidBrush(colour);
    return panelBrush;
}

bool isPanelOpen(HWND panel) {
    return panel != nullptr && IsWindow(panel) != FALSE;
}

void sendPanelOk(HWND panel) {
    SendMessageW(panel, WM_COMMAND, IDOK, 0);
}
