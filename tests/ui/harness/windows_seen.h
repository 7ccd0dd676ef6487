// What the user sees of the program's windows: texts, states, the focus, message boxes, popups
// and panels. Everything is read from outside the program's process.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "harness/wait.h"

class Program;

std::wstring classOf(HWND window);
// The window's text as WM_GETTEXT gives it (an edit's content, a static's text, a caption);
// empty for a window that no longer exists.
std::wstring textOf(HWND window);
std::wstring textOf(HWND dialog, int id);
// A control of a dialog; throws when the dialog has none with this id.
HWND controlOf(HWND dialog, int id);
// The texts of a dialog's static controls, in creation order.
std::vector<std::wstring> staticTextsOf(HWND dialog);
// Where a child window lies in its parent's client area.
RECT placeInParent(HWND child);
bool isShown(HWND window);
bool isEnabled(HWND window);
// The window that holds the keyboard focus in the program's thread.
HWND focusOf(const Program& program);
// Where the program's thread receives the keys that the user presses: the focus, or the active
// window when nothing has the focus.
HWND keyTargetOf(const Program& program);
// The window's client area, in screen coordinates.
RECT clientOnScreen(HWND window);

// A description of the program's shown windows and its focus, for messages of failed tests.
std::string describeWindows(const Program& program);

struct MessageBoxSeen {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
};

// The program's shown message box, if there is one.
std::optional<MessageBoxSeen> messageBoxOf(const Program& program);
// Throws when no message box has appeared within the timeout.
MessageBoxSeen waitForMessageBox(const Program& program, std::chrono::milliseconds timeout = 10s);

// The shown popup window whose static text is the word ("Správně" or "Chyba"), or nullptr.
HWND popupOf(const Program& program, const std::wstring& word);
HWND waitForPopup(const Program& program, const std::wstring& word,
                  std::chrono::milliseconds timeout = 10s);

// The shown modal dialog with this caption ("O programu"), or nullptr.
HWND dialogCaptioned(const Program& program, const std::wstring& caption);

// The shown panels inside the MainWindow, told apart by their titles ("Nastavení", "Výsledek
// testu"). A panel that waits hidden is not seen, nor is one that has ended.
std::vector<HWND> shownPanels(HWND main, const std::wstring& title);
// The one shown panel with this title, or nullptr.
HWND shownPanel(HWND main, const std::wstring& title);
