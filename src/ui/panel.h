// What the SettingsPanel and the ResultsPanel share: both lie inside the
// MainWindow's client area, in its grey, with a title in a large font.
#pragma once

#include <windows.h>

#include "resource.h"
#include "ui/gdi.h"
#include "ui/ui_state.h"

inline constexpr COLORREF panelColour = RGB(230, 230, 230);

// The MainWindow paints its logo picture only while no panel is open, so a
// panel that opens or closes has the whole client area painted again: the
// area under a closing panel alone would show a piece of the picture.
inline void invalidateMainWindow() {
    RECT client;
    GetClientRect(mainWindow, &client);
    RedrawWindow(mainWindow, &client, nullptr, RDW_INVALIDATE);
}

// Places the panel at the top of the MainWindow's children, in pixels of the
// MainWindow's client area.
inline void placePanel(HWND panel, int x, int y, int width, int height) {
    SetWindowPos(panel, HWND_TOP, x, y, width, height, 0);
}

// The title is drawn in the font that its colour request selects. A static
// control selects its own font (the dialog's) around its drawing, on some
// systems after the colour request, which would undo the title font; without
// a font of its own it draws with the one the request left selected.
inline void drawTitleInColourFont(HWND panel) {
    SendDlgItemMessageW(panel, IDC_PANEL_TITLE, WM_SETFONT, 0, FALSE);
}

// WM_CTLCOLORSTATIC of a panel. The title's font is made for this request and
// kept in titleFont until the title has been drawn with it; the next request,
// or the end of the panel, releases it.
inline INT_PTR colourPanelStatic(HWND panel, HDC dc, HWND control, FontSlot& titleFont) {
    SetBkMode(dc, TRANSPARENT);
    if (control == GetDlgItem(panel, IDC_PANEL_TITLE)) {
        SelectObject(dc, titleFont.replace(createGuiFont(L"Times New Roman", 30, true)));
    }
    return reinterpret_cast<INT_PTR>(replacePanelBrush(panelColour));
}
