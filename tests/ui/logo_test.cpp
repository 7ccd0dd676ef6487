// The logo picture, drawn exactly while no test runs and no panel is open.
#include "harness/ui_test.h"

namespace {

class Logo : public UiTest {
protected:
    // The pixels of the logo's place (300 x 274 pixels at (285, 80) of the client area) that
    // are not the window's grey, leaving out the controls and panels shown over that place.
    int logoPixels() const {
        const Pixels pixels(onScreen(main, RECT{285, 80, 585, 354}));
        std::vector<RECT> shownChildren;
        for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child)) {
                shownChildren.push_back(windowOnScreen(child));
            }
        }
        const RECT& area = pixels.area();
        int found = 0;
        for (LONG y = area.top; y < area.bottom; ++y) {
            for (LONG x = area.left; x < area.right; ++x) {
                bool covered = false;
                for (const RECT& child : shownChildren) {
                    covered = covered || PtInRect(&child, POINT{x, y});
                }
                found += !covered && pixels.at(x, y) != windowGrey ? 1 : 0;
            }
        }
        return found;
    }

    void expectLogo(bool drawn, const char* state) {
        SCOPED_TRACE(state);
        settle(main);
        if (drawn) {
            EXPECT_TRUE(waitUntil([&] { return logoPixels() > 100; }, 3s))
                << "the logo is not drawn";
        } else {
            EXPECT_TRUE(waitUntil([&] { return logoPixels() == 0; }, 3s))
                << "the logo shows (" << logoPixels() << " pixels)";
        }
    }

    HWND waitForPanel(const std::wstring& title) {
        HWND panel = nullptr;
        if (!waitUntil([&] { return (panel = shownPanel(main, title)) != nullptr; })) {
            throw std::runtime_error("the panel did not show");
        }
        return panel;
    }
};

TEST_F(Logo, IsDrawnOnlyWhileNoTestRunsAndNoPanelIsOpen) {
    putVerbs();
    putSettings("1011");
    start();
    expectLogo(true, "at the start");

    startTest();
    expectLogo(false, "while a test runs");
    endTestEarly();
    expectLogo(false, "with the results open");
    click(controlOf(shownPanel(main, L"Výsledek testu"), IDOK));
    waitUntil([&] { return shownPanel(main, L"Výsledek testu") == nullptr; });
    expectLogo(true, "after the results");

    click(control(IDC_SETTINGS));
    HWND settings = waitForPanel(L"Nastavení");
    expectLogo(false, "with the settings shown");
    click(controlOf(settings, IDOK));
    waitUntil([&] { return shownPanel(main, L"Nastavení") == nullptr; });
    expectLogo(true, "after the settings");

    startTest();
    answer(commandAsking(IDC_SETTINGS), IDYES);
    HWND results = waitForPanel(L"Výsledek testu");
    expectLogo(false, "with the results shown and the settings waiting behind them");
    click(controlOf(results, IDOK));
    settings = waitForPanel(L"Nastavení");
    expectLogo(false, "with the settings shown after the results");
    click(controlOf(settings, IDOK));
    waitUntil([&] { return shownPanel(main, L"Nastavení") == nullptr; });
    expectLogo(true, "after both panels");

    // Covered by another window and uncovered: the picture is painted again.
    coverOnScreen(clientOnScreen(main), windowGrey);
    uncover(main);
    expectLogo(true, "uncovered");
    quit();
}

}  // namespace
