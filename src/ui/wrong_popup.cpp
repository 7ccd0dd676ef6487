// The WrongPopup: "Chyba" on light red, with the meaning and the three correct
// forms of the verb, the forms the user got wrong in red.
#include <windows.h>

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
constexpr RECT hintArea{175, 120, 225, 140};
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

void drawCentred(HDC dc, int centre, const std::string& text1250) {
    const std::wstring text = widen(text1250);
    TextOutW(dc, centre, textTop, text.c_str(), static_cast<int>(text.size()));
}

void paintVerb(HWND popup) {
    PAINTSTRUCT paintInfo;
    const HDC dc = BeginPaint(popup, &paintInfo);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    SetTextColor(dc, textColour);
    drawCentred(dc, meaningCentre, verbText(currentVerb, VerbField::meaning));
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
        SelectObject(dc, hintFont.replace(createGuiFont(nullptr, hintFontHeight, false)));
    }
    return reinterpret_cast<INT_PTR>(replacePanelBrush(wrongBackground));
}

}  // namespace

// Enter and Esc reach the popup as commands, a close request as IDCANCEL; a
// left click anywhere closes it too, since its texts do not take clicks.
INT_PTR CALLBACK wrongPopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
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
        default:
            return FALSE;
    }
}
