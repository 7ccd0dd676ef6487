// The ResultsPanel: the summary of a test, shown inside the MainWindow when
// the test ends. Its OK closes it and shows a SettingsPanel that waits behind.
#include <windows.h>

#include "resource.h"
#include "test/test_engine.h"
#include "ui/gdi.h"
#include "ui/panel.h"
#include "ui/ui_state.h"

namespace {

FontSlot titleFont;

void initResultsPanel(HWND panel) {
    resultsPanel = panel;
    drawTitleInColourFont(panel);
    invalidateMainWindow();
    placePanel(panel, 280, 60, 250, 250);
    ShowWindow(panel, SW_SHOWNORMAL);
    SetDlgItemInt(panel, IDC_RESULTS_CORRECT, static_cast<UINT>(correctCount), TRUE);
    SetDlgItemInt(panel, IDC_RESULTS_WRONG, static_cast<UINT>(askedCount - correctCount), TRUE);
    SetDlgItemInt(panel, IDC_RESULTS_CORRECT_PERCENT, static_cast<UINT>(percentCorrect()), TRUE);
    SetDlgItemInt(panel, IDC_RESULTS_WRONG_PERCENT, static_cast<UINT>(percentWrong()), TRUE);
    SetDlgItemInt(panel, IDC_RESULTS_TOTAL, static_cast<UINT>(askedCount), TRUE);
}

void closeResultsPanel(HWND panel) {
    // Destroyed rather than only ended: a modeless dialog that EndDialog ends
    // is merely hidden, and every test would leave one behind.
    DestroyWindow(panel);
    resultsPanel = nullptr;
    if (isPanelOpen(settingsPanel)) {
        ShowWindow(settingsPanel, SW_SHOWNORMAL);
    }
    invalidateMainWindow();
}

}  // namespace

INT_PTR CALLBACK resultsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initResultsPanel(panel);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                closeResultsPanel(panel);
            }
            return FALSE;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(replacePanelBrush(panelColour));
        case WM_CTLCOLORSTATIC:
            return colourPanelStatic(panel, reinterpret_cast<HDC>(wParam),
                                     reinterpret_cast<HWND>(lParam), titleFont);
        case WM_DESTROY:
            titleFont.replace(nullptr);
            return FALSE;
        default:
            return FALSE;
    }
}
