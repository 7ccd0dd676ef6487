#include "harness/user.h"

#include <stdexcept>

#include "harness/wait.h"

namespace {

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(window, message, wParam, lParam)) {
        throw std::runtime_error("cannot post to the program's window");
    }
}

LPARAM pointParameter(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

// The lParam of a key message: repeat count 1 and the key's scan code, with the given flags.
LPARAM keyParameter(UINT virtualKey, LPARAM flags) {
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    return 1 | (scanCode << 16) | flags;
}

constexpr LPARAM altDown = LPARAM{1} << 29;
constexpr LPARAM keyWasDown = LPARAM{1} << 30;
constexpr LPARAM keyReleased = LPARAM{1} << 31;

}  // namespace

void click(HWND button) {
    HWND root = GetAncestor(button, GA_ROOT);
    if (!IsWindowVisible(button) || !IsWindowEnabled(button) || !IsWindowEnabled(root)) {
        throw std::runtime_error("the button cannot be clicked: it is hidden or disabled");
    }
    post(button, BM_CLICK, 0, 0);
}

void leftClickAt(HWND window, POINT client) {
    post(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParameter(client));
    post(window, WM_LBUTTONUP, 0, pointParameter(client));
}

void rightClickAt(HWND window, POINT client) {
    post(window, WM_RBUTTONDOWN, MK_RBUTTON, pointParameter(client));
    post(window, WM_RBUTTONUP, 0, pointParameter(client));
}

void pressKey(HWND focus, UINT virtualKey) {
    post(focus, WM_KEYDOWN, virtualKey, keyParameter(virtualKey, 0));
    post(focus, WM_KEYUP, virtualKey, keyParameter(virtualKey, keyWasDown | keyReleased));
}

void pressAltF4(HWND focus) {
    post(focus, WM_SYSKEYDOWN, VK_F4, keyParameter(VK_F4, altDown));
    post(focus, WM_SYSKEYUP, VK_F4, keyParameter(VK_F4, altDown | keyWasDown | keyReleased));
}

void typeText(HWND focus, const std::wstring& text) {
    for (wchar_t c : text) {
        post(focus, WM_CHAR, c, 1);
    }
}

void retype(HWND edit, const std::wstring& text) {
    post(edit, EM_SETSEL, 0, -1);
    post(edit, WM_CHAR, VK_BACK, 1);
    typeText(edit, text);
    if (!waitUntil([&] { return textOf(edit) == text; }, 5s)) {
        throw std::runtime_error("the edit box does not show what was typed");
    }
}

void answer(const MessageBoxSeen& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button) {
        throw std::runtime_error("the message box has no such button");
    }
    click(button);
    if (!waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); })) {
        throw std::runtime_error("the message box did not close");
    }
}

void settle(HWND window) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored)) {
        throw std::runtime_error("the program does not answer");
    }
}
