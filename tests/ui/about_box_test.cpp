// The AboutBox and the LinkButtons.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness/ui_test.h"
#include "harness/wrapper_files.h"

namespace {

constexpr COLORREF linkRed = RGB(180, 0, 0);
constexpr COLORREF pressedLinkRed = RGB(240, 0, 0);

class AboutBox : public UiTest {
protected:
    // Whether run-under-xvfb.sh has put the address recorder in the browser's place, so that a
    // click on a LinkButton starts no real browser.
    static bool addressRecorderInstalled() {
        wchar_t browsers[1024] = L"";
        DWORD size = sizeof browsers;
        return RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers",
                            RRF_RT_REG_SZ, nullptr, browsers, &size) == ERROR_SUCCESS &&
               std::wstring(browsers).find(L"record-opened-address") != std::wstring::npos;
    }

    // The addresses opened so far, one a line.
    std::vector<std::string> openedAddresses() const {
        std::vector<std::string> lines;
        std::ifstream file(std::filesystem::path(wrapperFile(L"KALVENA_OPENED_ADDRESSES")));
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    // Where the mouse pointer is, the cursor that the program shows.
    static HCURSOR cursorAt(POINT screen) {
        SetCursorPos(screen.x, screen.y);
        pause(300ms);
        CURSORINFO info{};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        return info.hCursor;
    }

    static POINT centreOf(HWND window) {
        const RECT area = windowOnScreen(window);
        return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }

    HWND openAboutBox() {
        click(control(IDC_ABOUT));
        HWND box = nullptr;
        if (!waitUntil(
                [&] { return (box = dialogCaptioned(*program, L"O programu")) != nullptr; })) {
            throw std::runtime_error("\"O programu\" opened no AboutBox");
        }
        settle(main);
        return box;
    }
};

// The pixels of a LinkButton that differ from the background, cut to their bounding box: the
// drawn text, whatever the button's size.
std::vector<std::vector<bool>> drawnText(HWND button) {
    const Pixels pixels(windowOnScreen(button));
    const RECT& area = pixels.area();
    RECT box{area.right, area.bottom, area.left, area.top};
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (pixels.at(x, y) != windowGrey) {
                box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
            }
        }
    }
    std::vector<std::vector<bool>> mask;
    for (LONG y = box.top; y < box.bottom; ++y) {
        mask.emplace_back();
        for (LONG x = box.left; x < box.right; ++x) {
            mask.back().push_back(pixels.at(x, y) != windowGrey);
        }
    }
    return mask;
}

TEST_F(AboutBox, OpensOverTheMainWindowAndClosesByOkEnterEscapeCloseBoxAndAltF4) {
    putVerbs();
    start();
    struct Closer {
        const char* name;
        std::function<void(HWND box)> act;
    };
    const std::vector<Closer> closers = {
        {"OK", [](HWND box) { click(controlOf(box, IDCANCEL)); }},
        {"Enter", [&](HWND) { pressKey(keyTargetOf(*program), VK_RETURN); }},
        {"Escape", [&](HWND) { pressKey(keyTargetOf(*program), VK_ESCAPE); }},
        {"close box", [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [&](HWND) { pressAltF4(keyTargetOf(*program)); }},
    };
    std::wstring credits;
    std::wstring thanks;
    for (const auto& closer : closers) {
        SCOPED_TRACE(closer.name);
        HWND box = openAboutBox();
        EXPECT_EQ(GetWindow(box, GW_OWNER), main);
        EXPECT_FALSE(isEnabled(main)) << "the MainWindow takes input under the AboutBox";
        EXPECT_EQ(textOf(box, IDCANCEL), L"OK");
        const LONG style = GetWindowLongW(box, GWL_STYLE);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        // The two paragraphs, the same at every opening.
        if (credits.empty()) {
            credits = textOf(box, IDC_CREDITS);
            thanks = textOf(box, IDC_THANKS);
            EXPECT_GT(credits.size(), 40u);
            EXPECT_GT(thanks.size(), 40u);
        }
        EXPECT_EQ(textOf(box, IDC_CREDITS), credits);
        EXPECT_EQ(textOf(box, IDC_THANKS), thanks);

        closer.act(box);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
            << "the AboutBox stays open";
        EXPECT_TRUE(waitUntil([&] { return isEnabled(main); }));
    }
    EXPECT_FALSE(program->hasExited());
    quit();
}

TEST_F(AboutBox, BothLinkButtonsDrawTheSameAddressInRed) {
    putVerbs();
    start();
    HWND mainLink = control(IDC_MAIN_LINK);
    ASSERT_TRUE(waitUntil([&] { return Pixels(windowOnScreen(mainLink)).count(linkRed) > 0; }))
        << "the MainWindow's LinkButton is not drawn in RGB(180, 0, 0)";
    const auto mainText = drawnText(mainLink);

    HWND box = openAboutBox();
    HWND aboutLink = controlOf(box, IDC_ABOUT_LINK);
    ASSERT_TRUE(waitUntil([&] { return Pixels(windowOnScreen(aboutLink)).count(linkRed) > 0; }))
        << "the AboutBox's LinkButton is not drawn in RGB(180, 0, 0)";
    // The same text in the same font: the same pixels, rather than "Stránky projektu".
    EXPECT_EQ(drawnText(aboutLink), mainText);
    click(controlOf(box, IDCANCEL));
    EXPECT_TRUE(waitUntil([&] { return isEnabled(main); }));
    quit();
}

TEST_F(AboutBox, ClickingALinkButtonOpensTheAddressAndKeepsTheWindowsOpen) {
    ASSERT_TRUE(addressRecorderInstalled() && !wrapperFile(L"KALVENA_OPENED_ADDRESSES").empty())
        << "run under tests/ui/run-under-xvfb.sh, which keeps the web browser out";
    putVerbs();
    start();

    click(control(IDC_MAIN_LINK));
    EXPECT_TRUE(waitUntil([&] { return openedAddresses().size() == 1; }))
        << "the MainWindow's LinkButton opened no address";
    settle(main);
    EXPECT_TRUE(isShown(main));
    EXPECT_FALSE(messageBoxOf(*program).has_value());
    EXPECT_TRUE(enabled(IDC_NEW_TEST));

    HWND box = openAboutBox();
    click(controlOf(box, IDC_ABOUT_LINK));
    EXPECT_TRUE(waitUntil([&] { return openedAddresses().size() == 2; }))
        << "the AboutBox's LinkButton opened no address";
    settle(main);
    EXPECT_TRUE(IsWindow(box) && isShown(box)) << "the AboutBox's LinkButton closed it";
    click(controlOf(box, IDCANCEL));
    EXPECT_TRUE(waitUntil([&] { return isEnabled(main); }));

    const auto opened = openedAddresses();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].rfind("http", 0), 0u) << opened[0];
    EXPECT_EQ(opened[1], opened[0]) << "the two LinkButtons open different addresses";
    quit();
}

TEST_F(AboutBox, TheHandCursorShowsOverBothLinkButtons) {
    putVerbs();
    start();
    // A place of the MainWindow with nothing on it.
    const RECT client = clientOnScreen(main);
    const POINT plain{client.left + 200, client.top + 30};
    const HCURSOR windowCursor = cursorAt(plain);
    const HCURSOR overMainLink = cursorAt(centreOf(control(IDC_MAIN_LINK)));
    EXPECT_NE(overMainLink, windowCursor) << "no other cursor over the MainWindow's LinkButton";
    EXPECT_EQ(cursorAt(plain), windowCursor);

    HWND box = openAboutBox();
    EXPECT_EQ(cursorAt(centreOf(controlOf(box, IDC_ABOUT_LINK))), overMainLink)
        << "the AboutBox's LinkButton shows another cursor than the MainWindow's";
    click(controlOf(box, IDCANCEL));
    EXPECT_TRUE(waitUntil([&] { return isEnabled(main); }));
    // After an AboutBox, the MainWindow's LinkButton keeps its cursor.
    EXPECT_EQ(cursorAt(centreOf(control(IDC_MAIN_LINK))), overMainLink);
    SetCursorPos(0, 0);
    quit();
}

TEST_F(AboutBox, TheLinkButtonIsBrighterWhilePressed) {
    putVerbs();
    start();
    HWND link = control(IDC_MAIN_LINK);
    auto colours = [&] {
        const Pixels pixels(windowOnScreen(link));
        return std::pair{pixels.count(linkRed), pixels.count(pressedLinkRed)};
    };
    ASSERT_TRUE(waitUntil([&] { return colours().first > 0; }));
    EXPECT_EQ(colours().second, 0);

    RECT client{};
    GetClientRect(link, &client);
    const POINT centre{client.right / 2, client.bottom / 2};
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_TRUE(waitUntil([&] { return colours().second > 0 && colours().first == 0; }, 3s))
        << "while pressed the address is not drawn in RGB(240, 0, 0)";

    // Let go outside the button, so that it is not a click that opens the web page.
    const LPARAM outside = MAKELPARAM(client.right + 40, client.bottom + 40);
    PostMessageW(link, WM_MOUSEMOVE, MK_LBUTTON, outside);
    PostMessageW(link, WM_LBUTTONUP, 0, outside);
    EXPECT_TRUE(waitUntil([&] { return colours().first > 0 && colours().second == 0; }, 3s))
        << "after release the address is not drawn in RGB(180, 0, 0) again";
    quit();
}

}  // namespace
