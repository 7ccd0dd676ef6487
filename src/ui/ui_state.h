// Process-wide window state and the dialog procedures of the program.
#pragma once

#include <windows.h>

// The module that holds the templates, the logo picture and the hand cursor.
extern HINSTANCE instance;
// The MainWindow; set first thing at its WM_INITDIALOG and never cleared.
extern HWND mainWindow;
// The open panels, or null while closed.
extern HWND settingsPanel;
extern HWND resultsPanel;
// The one background brush that the dialogs hand out at colour requests.
extern HBRUSH panelBrush;
// The window procedure the LinkButtons had before they were subclassed.
extern WNDPROC savedButtonProc;

// Replaces panelBrush with a new solid brush of the colour and returns it.
HBRUSH replacePanelBrush(COLORREF colour);

// True when the panel's handle names a window.
bool isPanelOpen(HWND panel);

// Sends the panel the OK command, as its own button would.
void sendPanelOk(HWND panel);

// Dialog procedures.
INT_PTR CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK correctPopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK wrongPopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK settingsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK resultsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK aboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// The LinkButtons.
void drawLinkButton(const DRAWITEMSTRUCT& item);
void openProjectPage();
LRESULT CALLBACK linkButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
void subclassLinkButton(HWND button);
