// The user's actions, delivered to the program's windows as the input they would cause. Every
// action that may open something modal is posted, so the test stays free to look at what opens.
#pragma once

#include <windows.h>

#include <string>

#include "harness/windows_seen.h"

// Clicks a button; throws when the user could not click it (hidden, disabled, or in a window
// that a modal window disables).
void click(HWND button);
// A left or right click at a point of the window's client area.
void leftClickAt(HWND window, POINT client);
void rightClickAt(HWND window, POINT client);
// A key pressed and released while the window has the keyboard focus.
void pressKey(HWND focus, UINT virtualKey);
// Alt+F4 pressed while the window has the keyboard focus.
void pressAltF4(HWND focus);
// Characters typed into the window that has the focus, one by one.
void typeText(HWND focus, const std::wstring& text);
// Selects everything in an edit box and types the text over it (an empty text deletes it);
// returns once the edit box shows the result.
void retype(HWND edit, const std::wstring& text);
// Clicks the button of a message box and waits until the box has closed.
void answer(const MessageBoxSeen& box, int buttonId);
// Returns once the program's thread answers a message again, that is once the work it was doing
// has finished or has reached a modal window's message loop. (Posted input still waiting in its
// queue may come after; wait for its effect instead.)
void settle(HWND window);
