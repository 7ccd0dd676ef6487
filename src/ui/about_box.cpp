// The AboutBox: who made the program, thanks, and a LinkButton to the project
// web address.
#include <windows.h>

#include "resource.h"
#include "ui/ui_state.h"

namespace {

constexpr COLORREF aboutColour = RGB(230, 230, 230);

constexpr wchar_t creditsParagraph[] =
    L"Program Kalvena vytvořil autorský tým v rámci projektu Kalvena. Program je freeware a "
    L"můžete jej zdarma používat. Vaše komentáře, návrhy a připomínky k programu uvítáme na "
    L"stránkách projektu, kde je můžete zanechat jako komentář k tomuto programu.";

constexpr wchar_t thanksParagraph[] =
    L"Autor programu děkuje člověku, jehož nezištná pomoc jej naučila programovat na "
    L"úrovni, které dnes dosáhl.";

void paintAboutBox(HWND box) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    // A system icon is shared and must not be destroyed.
    DrawIcon(dc, 60, 37, LoadIconW(nullptr, IDI_QUESTION));
    EndPaint(box, &paint);
}

INT_PTR colourAboutBox(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(replacePanelBrush(aboutColour));
}

}  // namespace

INT_PTR CALLBACK aboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextW(box, IDC_CREDITS, creditsParagraph);
            SetDlgItemTextW(box, IDC_THANKS, thanksParagraph);
            subclassLinkButton(GetDlgItem(box, IDC_ABOUT_LINK));
            return FALSE;
        case WM_PAINT:
            paintAboutBox(box);
            return FALSE;
        case WM_DRAWITEM:
            drawLinkButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDCANCEL:
                    EndDialog(box, 0);
                    break;
                case IDC_ABOUT_LINK:
                    openProjectPage();
                    break;
                default:
                    break;
            }
            return FALSE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return colourAboutBox(reinterpret_cast<HDC>(wParam));
        default:
            return FALSE;
    }
}
