#include "ui/win32_platform.h"

#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include <ctime>

#include "resource.h"
#include "ui/text_1250.h"
#include "ui/ui_state.h"

namespace {

// The sixteen test controls, in the order in which they are shown or hidden.
constexpr int testControls[] = {
    IDC_MEANING,
    IDC_INFINITIVE,
    IDC_PAST_SIMPLE,
    IDC_PAST_PARTICIPLE,
    IDC_CONFIRM,
    IDC_CORRECT_LABEL,
    IDC_CORRECT_COUNT,
    IDC_WRONG_LABEL,
    IDC_WRONG_COUNT,
    IDC_REMAINING_LABEL,
    IDC_REMAINING,
    IDC_CORRECT_PERCENT,
    IDC_CORRECT_PERCENT_SIGN,
    IDC_WRONG_PERCENT,
    IDC_WRONG_PERCENT_SIGN,
    IDC_PROGRESS,
};

HWND control(int id) {
    return GetDlgItem(mainWindow, id);
}

}  // namespace

std::int64_t Win32Platform::currentTime() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void Win32Platform::showError(const std::string& text, const std::string& caption) {
    // No owner: the verb loader's message also comes before the MainWindow is
    // ever shown.
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_ICONERROR);
}

void Win32Platform::setControlText(int id, const std::string& text) {
    setControlText1250(mainWindow, id, text);
}

std::string Win32Platform::controlText(int id, int bufferSize) {
    return controlText1250(mainWindow, id, bufferSize);
}

void Win32Platform::setProgressRange(int upper) {
    SendMessageW(control(IDC_PROGRESS), PBM_SETRANGE32, 0, upper);
}

void Win32Platform::setProgressPosition(int position) {
    SendMessageW(control(IDC_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32Platform::setFocus(int id) {
    SetFocus(control(id));
}

void Win32Platform::switchTestControls(bool show) {
    // Painted again under the new state, so that the logo picture comes or goes.
    RECT client;
    GetClientRect(mainWindow, &client);
    RedrawWindow(mainWindow, &client, nullptr, RDW_INVALIDATE);
    EnableWindow(control(IDC_END_TEST), show ? TRUE : FALSE);
    EnableWindow(control(IDC_NEW_TEST), show ? FALSE : TRUE);
    for (const int id : testControls) {
        ShowWindow(control(id), show ? SW_SHOWNORMAL : SW_HIDE);
    }
    EnableWindow(control(IDC_CONFIRM), show ? TRUE : FALSE);
}

void Win32Platform::openResultsPanel() {
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_RESULTS_PANEL), mainWindow, resultsPanelProc,
                       0);
}

void Win32Platform::showCorrectPopup() {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CORRECT_POPUP), mainWindow, correctPopupProc, 0);
}

void Win32Platform::showWrongPopup() {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_WRONG_POPUP), mainWindow, wrongPopupProc, 0);
}
