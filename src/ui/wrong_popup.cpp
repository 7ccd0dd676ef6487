// The WrongPopup: "Chyba" on light red, with the meaning and the three correct
// forms of the verb, the forms the user got wrong in red.
#include <windows.h>

#include <algorithm>
#include <string>

#include "resource.h"
#include "test/test_engine.h"
#include "ui/gdi.h"
#include "ui/text_1250.h"
#include "ui/ui_state.h"
#include "verbs/verb_table.h"

namespace {

constexpr COLORREF wrongBackground = RGB(255, 200, 200);
constexpr COLORREF wrongFormColour = RGB(255, 0, 0);
constexpr COLORREF textColour = RGB(0, 0, 0);
constexpr COLORREF hintColour = RGB(180, 180, 180);

// In pixels of the popup's client area; each text is centred on its x.
constexpr int textTop = 105;
constexpr int meaningCentre = 50;
constexpr int meaningMargin = 4;
// The hint starts at x = 175; 50 pixels would cut "<Enter>" short in its
// 18-pixel font, so the label reaches on to the right.
constexpr RECT hintArea{175, 120, 245, 140};
// The popup is sized in units of its 24-point font, the texts are placed in
// pixels. Where that font comes out small the client area grows to hold them:
// a 19-character form centred on x = 350, and the hint down to y = 140.
constexpr SIZE minimumClientArea{440, 150};
constexpr int hintFontHeight = 18;

// The popup reads one character more than checkAnswer does, so a form typed
// just beyond the judged length still shows as wrong.
constexpr int typedFormBuffer = 21;

struct FormColumn {
    int editId;
    VerbField field;
    int centre;
};

constexpr FormColumn formColumns[] = {
    {IDC_INFINITIVE, VerbField::infinitive, 150},
    {IDC_PAST_SIMPLE, VerbField::pastSimple, 250},
    {IDC_PAST_PARTICIPLE, VerbField::pastParticiple, 350},
};

// The hint's font, kept from its colour request until the label has drawn.
FontSlot hintFont;

// Grows the popup around its centre, where DS_CENTER has put it.
void holdPaintedTexts(HWND popup) {
    RECT client;
    GetClientRect(popup, &client);
    const LONG width = std::max(client.right, minimumClientArea.cx);
    const LONG height = std::max(client.bottom, minimumClientArea.cy);
    if (width == client.right && height == client.bottom) {
        return;
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(popup, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(popup, GWL_EXSTYLE)));
    RECT window;
    GetWindowRect(popup, &window);
    const LONG frameWidth = frame.right - frame.left;
    const LONG frameHeight = frame.bottom - frame.top;
    SetWindowPos(popup, nullptr, (window.left + window.right - frameWidth) / 2,
                 (window.top + window.bottom - frameHeight) / 2, frameWidth, frameHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void drawCentred(HDC dc, int centre, const std::string& text1250) {
    const std::wstring text = widen(text1250);
    TextOutW(dc, centre, textTop, text.c_str(), static_cast<int>(text.size()));
}

// A long meaning centred on x = 50 would start left of the popup and lose its
// first letters; such a meaning is moved right just enough to be read whole.
void drawMeaning(HDC dc, const std::string& text1250) {
    const std::wstring text = widen(text1250);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int centre = std::max(meaningCentre, static_cast<int>(extent.cx / 2) + meaningMargin);
    TextOutW(dc, centre, textTop, text.c_str(), static_cast<int>(text.size()));
}

void paintVerb(HWND popup) {
    PAINTSTRUCT paintInfo;
    const HDC dc = BeginPaint(popup, &paintInfo);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    SetTextColor(dc, textColour);
    drawMeaning(dc, verbText(currentVerb, VerbField::meaning));
    for (const FormColumn& column : formColumns) {
        std::string typed = controlText1250(mainWindow, column.editId, typedFormBuffer);
        lowercaseAscii(typed);
        const std::string stored = verbText(currentVerb, column.field);
        if (typed != stored) {
            SetTextColor(dc, wrongFormColour);
        }
        drawCentred(dc, column.centre, stored);
        SetTextColor(dc, textColour);
    }
    EndPaint(popup, &paintInfo);
}

INT_PTR colourStatic(HWND popup, HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    if (control == GetDlgItem(popup, IDC_HINT)) {
        SetTextColor(dc, hintColour);
        // Given to the label as well, for a static control that selects its
        // own font after this request; see the MainWindow's percentages.
        const HFONT font = createGuiFont(nullptr, hintFontHeight, false);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SelectObject(dc, hintFont.replace(font));
    }
    return reinterpret_cast<INT_PTR>(replacePanelBrush(wrongBackground));
}

}  // namespace

// Enter and Esc reach the popup as commands, a close request as IDCANCEL; a
// left click anywhere closes it too, since its texts do not take clicks.
INT_PTR CALLBACK wrongPopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            holdPaintedTexts(popup);
            MoveWindow(GetDlgItem(popup, IDC_HINT), hintArea.left, hintArea.top,
                       hintArea.right - hintArea.left, hintArea.bottom - hintArea.top, TRUE);
            return FALSE;
        case WM_PAINT:
            paintVerb(popup);
            return TRUE;
        case WM_COMMAND:
        case WM_LBUTTONDOWN:
            EndDialog(popup, 0);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return colourStatic(popup, reinterpret_cast<HDC>(wParam),
                                reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(replacePanelBrush(wrongBackground));
        case WM_DESTROY:
            // The label goes with the popup and draws no more.
            hintFont.replace(nullptr);
            return FALSE;
        default:
            return FALSE;
    }
}
