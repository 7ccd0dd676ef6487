// The SettingsPanel: test length, re-asking and difficulty, edited inside the
// MainWindow. Its OK validates, saves, reloads the verbs and closes it.
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "resource.h"
#include "settings/settings.h"
#include "ui/gdi.h"
#include "ui/panel.h"
#include "ui/text_1250.h"
#include "ui/ui_state.h"
#include "verbs/verb_table.h"

namespace {

FontSlot titleFont;

// Indexes equal the Difficulty values.
constexpr const wchar_t* difficultyNames[] = {L"Snadná", L"Střední", L"Těžká"};

// The up-down control takes its range packed: maximum low, minimum high.
constexpr LPARAM lengthRange = MAKELPARAM(maxTestLength, minTestLength);

void initSettingsPanel(HWND panel) {
    settingsPanel = panel;
    drawTitleInColourFont(panel);
    invalidateMainWindow();
    placePanel(panel, 330, 80, 180, 250);
    // Opened while the results of the test it ended are shown, the panel
    // waits hidden until the ResultsPanel's OK shows it.
    if (!isPanelOpen(resultsPanel)) {
        ShowWindow(panel, SW_SHOWNORMAL);
    }
    SetDlgItemInt(panel, IDC_LENGTH, static_cast<UINT>(settings.testLength), TRUE);
    if (settings.reaskWrong != 0) {
        SendDlgItemMessageW(panel, IDC_REASK, BM_SETCHECK, BST_CHECKED, 0);
    }
    SendDlgItemMessageW(panel, IDC_LENGTH_SPIN, UDM_SETBUDDY,
                        reinterpret_cast<WPARAM>(GetDlgItem(panel, IDC_LENGTH)), 0);
    SendDlgItemMessageW(panel, IDC_LENGTH_SPIN, UDM_SETRANGE, 0, lengthRange);
    for (const wchar_t* name : difficultyNames) {
        SendDlgItemMessageW(panel, IDC_DIFFICULTY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageW(panel, IDC_DIFFICULTY, CB_SETCURSEL, settings.difficulty, 0);
}

void confirmSettings(HWND panel) {
    // Only the first two characters count, so "123" is read as 12.
    const long length = std::atol(controlText1250(panel, IDC_LENGTH, 3).c_str());
    if (length < minTestLength || length > maxTestLength) {
        MessageBoxW(mainWindow, L"Zadejte cislo v rozsahu 10-50.", L"Chyba", MB_OK | MB_ICONERROR);
        SetDlgItemTextW(panel, IDC_LENGTH, length < minTestLength ? L"10" : L"50");
        return;
    }
    const bool reask = SendDlgItemMessageW(panel, IDC_REASK, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const auto difficulty =
        static_cast<std::uint8_t>(SendDlgItemMessageW(panel, IDC_DIFFICULTY, CB_GETCURSEL, 0, 0));
    if (saveSettings(static_cast<std::int32_t>(length), reask ? 1 : 0, difficulty) != 0) {
        // The record holds the new values anyway, so they do apply to this run.
        MessageBoxW(mainWindow,
                    L"Nastavení se nepodařilo uložit do souboru settings.cfg.\n"
                    L"Platí jen do ukončení programu.",
                    L"Chyba", MB_OK | MB_ICONWARNING);
    }
    // The loader has shown its own message when the verb file is missing; the
    // panel stays open so that another difficulty can be chosen.
    if (loadVerbTable() != 0) {
        return;
    }
    // Destroyed rather than only ended: a modeless dialog that EndDialog ends
    // is merely hidden, and every opening would leave one behind.
    DestroyWindow(panel);
    settingsPanel = nullptr;
    invalidateMainWindow();
}

}  // namespace

INT_PTR CALLBACK settingsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initSettingsPanel(panel);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                confirmSettings(panel);
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
