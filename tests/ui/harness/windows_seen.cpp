#include "harness/windows_seen.h"

#include <cstdio>
#include <stdexcept>

#include "harness/program.h"

namespace {

std::string narrowForMessage(const std::wstring& text) {
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace

std::wstring classOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        if (!IsWindow(window)) {
            return {};  // closed meanwhile: a window that is gone shows nothing
        }
        throw std::runtime_error("the program does not answer WM_GETTEXTLENGTH (error " +
                                 std::to_string(GetLastError()) + ", window of class " +
                                 narrowForMessage(classOf(window)) + " id " +
                                 std::to_string(GetDlgCtrlID(window)) + ")");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        if (!IsWindow(window)) {
            return {};
        }
        throw std::runtime_error("the program does not answer WM_GETTEXT");
    }
    text.resize(copied);
    return text;
}

HWND controlOf(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        throw std::runtime_error("no control " + std::to_string(id));
    }
    return control;
}

std::wstring textOf(HWND dialog, int id) {
    return textOf(controlOf(dialog, id));
}

std::vector<std::wstring> staticTextsOf(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (classOf(child) == L"Static") {
            texts.push_back(textOf(child));
        }
    }
    return texts;
}

RECT placeInParent(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool isShown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool isEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

HWND focusOf(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(program.threadId(), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

HWND keyTargetOf(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(program.threadId(), &info)) {
        return nullptr;
    }
    return info.hwndFocus ? info.hwndFocus : info.hwndActive;
}

RECT clientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

namespace {

std::string describeWindow(HWND window) {
    if (!window) {
        return "none";
    }
    char handle[32];
    snprintf(handle, sizeof handle, "%p", static_cast<void*>(window));
    DWORD_PTR length = 0;
    std::wstring text = L"?";
    if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) {
        text = textOf(window);
    }
    return std::string(handle) + " " + narrowForMessage(classOf(window)) + " id " +
           std::to_string(GetDlgCtrlID(window)) + " \"" + narrowForMessage(text) + "\"";
}

}  // namespace

std::string describeWindows(const Program& program) {
    std::string description = "shown windows:";
    for (HWND window : program.shownTopLevelWindows()) {
        description += " [" + describeWindow(window) + ", owner " +
                       describeWindow(GetWindow(window, GW_OWNER)) +
                       (IsWindowEnabled(window) ? "" : ", disabled") + "]";
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.threadId(), &info);
    description +=
        "; focus " + describeWindow(info.hwndFocus) + "; active " + describeWindow(info.hwndActive);
    return description;
}

namespace {

// Message boxes keep their text in a static that Windows numbers 0xFFFF and Wine 100.
HWND messageTextOf(HWND box) {
    for (int id : {0xFFFF, 100}) {
        HWND text = GetDlgItem(box, id);
        if (text && classOf(text) == L"Static") {
            return text;
        }
    }
    return nullptr;
}

bool hasAnswerButton(HWND box) {
    for (int id : {IDOK, IDYES, IDNO}) {
        if (GetDlgItem(box, id)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<MessageBoxSeen> messageBoxOf(const Program& program) {
    for (HWND window : program.shownTopLevelWindows()) {
        if (classOf(window) != L"#32770") {
            continue;
        }
        HWND text = messageTextOf(window);
        if (text && hasAnswerButton(window)) {
            return MessageBoxSeen{window, GetWindow(window, GW_OWNER), textOf(window),
                                  textOf(text)};
        }
    }
    return std::nullopt;
}

MessageBoxSeen waitForMessageBox(const Program& program, std::chrono::milliseconds timeout) {
    std::optional<MessageBoxSeen> box;
    waitUntil(
        [&] {
            box = messageBoxOf(program);
            return box.has_value();
        },
        timeout);
    if (!box) {
        throw std::runtime_error("no message box appeared");
    }
    return *box;
}

namespace {

struct ChildSearch {
    std::wstring text;
    bool found = false;
};

BOOL CALLBACK findStaticWithText(HWND child, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<ChildSearch*>(searchAddress);
    if (classOf(child) == L"Static" && textOf(child) == search.text) {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND popupOf(const Program& program, const std::wstring& word) {
    for (HWND window : program.shownTopLevelWindows()) {
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        // The popups have a border but no title bar (WS_CAPTION includes WS_BORDER).
        if (classOf(window) != L"#32770" || (style & WS_CAPTION) == WS_CAPTION) {
            continue;
        }
        ChildSearch search{word};
        EnumChildWindows(window, findStaticWithText, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            return window;
        }
    }
    return nullptr;
}

HWND waitForPopup(const Program& program, const std::wstring& word,
                  std::chrono::milliseconds timeout) {
    HWND popup = nullptr;
    waitUntil(
        [&] {
            popup = popupOf(program, word);
            return popup != nullptr;
        },
        timeout);
    if (!popup) {
        throw std::runtime_error("the popup did not appear");
    }
    return popup;
}

HWND dialogCaptioned(const Program& program, const std::wstring& caption) {
    for (HWND window : program.shownTopLevelWindows()) {
        if (classOf(window) == L"#32770" && textOf(window) == caption) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> shownPanels(HWND main, const std::wstring& title) {
    std::vector<HWND> panels;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HWND titleControl = GetDlgItem(child, 1027);
        if (classOf(child) == L"#32770" && isShown(child) && titleControl &&
            textOf(titleControl) == title) {
            panels.push_back(child);
        }
    }
    return panels;
}

HWND shownPanel(HWND main, const std::wstring& title) {
    const auto panels = shownPanels(main, title);
    return panels.empty() ? nullptr : panels.front();
}
