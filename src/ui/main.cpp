// The entry point: runs the MainWindow, whose modal loop is the program's
// message loop. The program ends when the MainWindow ends.
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include "platform/platform.h"
#include "resource.h"
#include "ui/ui_state.h"
#include "ui/win32_platform.h"

int WINAPI wWinMain(HINSTANCE thisInstance, HINSTANCE, PWSTR, int) {
    instance = thisInstance;
    Win32Platform windows;
    setPlatform(&windows);

    // Template 101 holds a progress bar, so its class must be registered before
    // the dialog is created; the dialog's own initialisation comes too late.
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);

    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, mainWindowProc, 0);
    return 0;
}
