// The MainWindow: the command buttons, the test controls, the logo picture and
// the frame in which the panels open.
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include <cstdint>

#include "platform/platform.h"
#include "resource.h"
#include "settings/settings.h"
#include "test/random.h"
#include "test/test_engine.h"
#include "ui/gdi.h"
#include "ui/ui_state.h"
#include "verbs/verb_table.h"

namespace {

constexpr COLORREF windowColour = RGB(230, 230, 230);
constexpr COLORREF meaningColour = RGB(255, 255, 255);
constexpr COLORREF separatorColour = RGB(150, 150, 150);
constexpr COLORREF manyWrongColour = RGB(188, 75, 7);
constexpr COLORREF correctColour = RGB(0, 200, 0);
constexpr COLORREF wrongColour = RGB(200, 0, 0);
constexpr COLORREF versionColour = RGB(170, 170, 170);

// In pixels of the client area: between the command column and the test area.
constexpr POINT separatorStart{150, 65};
constexpr POINT separatorEnd{150, 350};
constexpr POINT logoCorner{285, 80};
constexpr int logoWidth = 300;
constexpr int logoHeight = 274;

// With more answers than this not accepted (the verb being asked counts as one)
// the number of wrong answers is drawn in the warning colour.
constexpr int manyWrong = 2;

// The large figures 1033 to 1036. Each keeps the font of its latest colour
// request until the next one, since the control draws with it only after the
// request has returned.
constexpr int percentControlCount = IDC_WRONG_PERCENT_SIGN - IDC_CORRECT_PERCENT + 1;
FontSlot percentFonts[percentControlCount];

INT_PTR brushResult(HBRUSH brush) {
    return reinterpret_cast<INT_PTR>(brush);
}

bool isLogoShown() {
    return testRunning == 0 && !isPanelOpen(settingsPanel) && !isPanelOpen(resultsPanel);
}

// The dialog has no WS_CLIPCHILDREN, so its own painting would cover the
// visible controls and panels; they are cut out of the device context instead.
void excludeVisibleChildren(HWND window, HDC dc) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) == FALSE) {
            continue;
        }
        RECT area;
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
}

// The background is filled here as well: a panel that opens only invalidates
// the window, and the logo must not stay visible around it.
void paint(HWND window) {
    PAINTSTRUCT paintInfo;
    const HDC dc = BeginPaint(window, &paintInfo);
    excludeVisibleChildren(window, dc);

    const GdiObject background(CreateSolidBrush(windowColour));
    FillRect(dc, &paintInfo.rcPaint, static_cast<HBRUSH>(background.get()));

    const GdiObject pen(CreatePen(PS_SOLID, 1, separatorColour));
    {
        const SelectGuard selected(dc, pen.get());
        MoveToEx(dc, separatorStart.x, separatorStart.y, nullptr);
        LineTo(dc, separatorEnd.x, separatorEnd.y);
    }

    if (isLogoShown()) {
        // Loaded for this paint only: a picture of 240 KB is not worth keeping
        // for the rare repaints of the Logo state.
        const GdiObject logo(LoadImageW(instance, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP,
                                        logoWidth, logoHeight, 0));
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(logo.get()), 0, logoCorner.x,
                   logoCorner.y, 0, 0, DST_BITMAP);
    }
    EndPaint(window, &paintInfo);
}

INT_PTR colourStatic(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    const int id = GetDlgCtrlID(control);
    if (id == IDC_MEANING) {
        return brushResult(replacePanelBrush(meaningColour));
    }
    if (id == IDC_WRONG_COUNT && askedCount - correctCount > manyWrong) {
        SetTextColor(dc, manyWrongColour);
    }
    if (id >= IDC_CORRECT_PERCENT && id <= IDC_WRONG_PERCENT_SIGN) {
        // A static control that selects its own font after this request (as
        // Wine's does) draws with the font it was given, so it gets this one
        // too; the slot deletes the previous font only after the control has
        // let go of it.
        const HFONT font = createGuiFont(L"Arial", 30, false);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SelectObject(dc, percentFonts[id - IDC_CORRECT_PERCENT].replace(font));
        SetTextColor(dc, id <= IDC_CORRECT_PERCENT_SIGN ? correctColour : wrongColour);
    }
    if (id == IDC_VERSION) {
        SetTextColor(dc, versionColour);
    }
    return brushResult(replacePanelBrush(windowColour));
}

void initialise(HWND window) {
    mainWindow = window;
    showTestControls(false);
    SetFocus(GetDlgItem(window, IDC_CORRECT_COUNT));

    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    if (InitCommonControlsEx(&classes) == FALSE) {
        MessageBoxW(window, L"Nepodarilo se aktivovat vzhled Windows XP.", L"Chyba!",
                    MB_OK | MB_ICONERROR);
    }

    loadSettings();
    if (loadVerbTable() == 1) {
        // The loader has said why; the program ends before the window shows.
        DestroyWindow(window);
        return;
    }
    lcg::srand(static_cast<std::uint32_t>(platform().currentTime()));
    subclassLinkButton(GetDlgItem(window, IDC_MAIN_LINK));
}

void quit(HWND window) {
    if (MessageBoxW(window, L"Určitě chcete program ukončit?", L"Potvrdit ukončení",
                    MB_YESNO | MB_ICONQUESTION) == IDYES) {
        EndDialog(window, 0);
    }
}

void newTest(HWND window) {
    if (isPanelOpen(settingsPanel)) {
        sendPanelOk(settingsPanel);
    }
    // Still open: the panel refused its OK and has shown why.
    if (isPanelOpen(settingsPanel)) {
        return;
    }
    if (isPanelOpen(resultsPanel)) {
        sendPanelOk(resultsPanel);
    }
    if (startTest() != 0) {
        MessageBoxW(window, L"Soubor sloves pro tuto obtížnost neobsahuje žádné sloveso.", L"Chyba",
                    MB_OK | MB_ICONERROR);
    }
}

void endTestEarly(HWND window) {
    if (MessageBoxW(window, L"Určitě chcete test ukončit?", L"Ukončení",
                    MB_YESNO | MB_ICONWARNING) != IDNO) {
        abortTest();
    }
}

void openSettings(HWND window) {
    if (isPanelOpen(settingsPanel)) {
        return;
    }
    if (isPanelOpen(resultsPanel)) {
        sendPanelOk(resultsPanel);
    }
    if (testRunning != 0) {
        if (MessageBoxW(window, L"Tento příkaz ukončí test? Určitě to chcete udělat?", L"Varování",
                        MB_YESNO | MB_ICONWARNING) == IDNO) {
            return;
        }
        abortTest();
    }
    // With a test just ended the ResultsPanel is open, and the new panel waits
    // hidden behind it until the ResultsPanel's OK.
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS_PANEL), window, settingsPanelProc,
                       0);
}

// The buttons are enabled only in the state their command expects; the checks
// keep a command sent by other means from running the engine out of step.
void command(HWND window, int id) {
    switch (id) {
        case IDCANCEL:
            quit(window);
            break;
        case IDC_ABOUT:
            DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT_BOX), window, aboutBoxProc, 0);
            break;
        case IDC_NEW_TEST:
            if (testRunning == 0) {
                newTest(window);
            }
            break;
        case IDC_END_TEST:
            if (testRunning != 0) {
                endTestEarly(window);
            }
            break;
        case IDC_SETTINGS:
            openSettings(window);
            break;
        case IDC_CONFIRM:
            if (testRunning != 0) {
                advanceTest(true);
            }
            break;
        case IDC_MAIN_LINK:
            openProjectPage();
            break;
        default:
            break;
    }
}

}  // namespace

INT_PTR CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initialise(window);
            return FALSE;
        case WM_ERASEBKGND:
            // The background is filled at WM_PAINT, around the controls; the
            // default erase would wipe the controls (the dialog does not clip
            // its children) and make them flicker at every change of state.
            return TRUE;
        case WM_PAINT:
            paint(window);
            return TRUE;
        case WM_DRAWITEM:
            drawLinkButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return FALSE;
        case WM_COMMAND:
            command(window, LOWORD(wParam));
            return FALSE;
        case WM_CTLCOLORDLG:
            return brushResult(replacePanelBrush(windowColour));
        case WM_CTLCOLORSTATIC:
            return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        default:
            return FALSE;
    }
}
