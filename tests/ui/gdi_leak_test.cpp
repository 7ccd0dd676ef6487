// Nothing the user repeats makes the program hold more GDI objects. Wine counts them in its
// +gdi trace (see harness/gdi_trace.h).
#include "harness/gdi_trace.h"
#include "harness/ui_test.h"

namespace {

class GdiLeak : public UiTest {
protected:
    // The live count once the program has drawn everything and stopped allocating.
    long settledCount() {
        settle(main);
        long last = -1;
        int steady = 0;
        waitUntil(
            [&] {
                const long now = liveGdiObjects().value_or(-1);
                steady = now == last ? steady + 1 : 0;
                last = now;
                return steady >= 10;
            },
            5s);
        return last;
    }

    void openAndCloseAboutBox() {
        click(control(IDC_ABOUT));
        HWND box = nullptr;
        if (!waitUntil(
                [&] { return (box = dialogCaptioned(*program, L"O programu")) != nullptr; })) {
            throw std::runtime_error("no AboutBox");
        }
        settle(main);
        click(controlOf(box, IDCANCEL));
        waitUntil([&] { return isEnabled(main); });
    }

    void openAndCloseSettings() {
        click(control(IDC_SETTINGS));
        HWND panel = nullptr;
        if (!waitUntil([&] { return (panel = shownPanel(main, L"Nastavení")) != nullptr; })) {
            throw std::runtime_error("no SettingsPanel");
        }
        settle(main);
        click(controlOf(panel, IDOK));
        waitUntil([&] { return shownPanel(main, L"Nastavení") == nullptr; });
    }

    void minimiseAndRestore() {
        PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        waitUntil([&] { return IsIconic(main) != FALSE; });
        PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        waitUntil([&] { return IsIconic(main) == FALSE; });
    }
};

TEST_F(GdiLeak, RepeatedAnswersPanelsAndRepaintsHoldNoMoreObjects) {
    ASSERT_TRUE(gdiTraceAvailable())
        << "run under tests/ui/wine-keeping-stderr.sh, which keeps Wine's trace readable";
    putVerbs();
    putSettings("5001");  // 50 verbs, no re-asking
    start({L"WINEDEBUG=+gdi"});

    // One round of everything first: Wine and the program make what they keep for good.
    openAndCloseAboutBox();
    openAndCloseSettings();
    minimiseAndRestore();
    startTest();
    answerWrong();
    answerRight();
    const long start = settledCount();
    ASSERT_GT(start, 0) << "no GDI trace from kalvena.exe";

    for (int round = 0; round < 20; ++round) {
        openAndCloseAboutBox();
        minimiseAndRestore();
    }
    const long afterWindows = settledCount();
    for (int round = 0; round < 30; ++round) {
        answerWrong();
    }
    answerRight();
    const long afterAnswers = settledCount();
    endTestEarly();
    click(controlOf(shownPanel(main, L"Výsledek testu"), IDOK));
    for (int round = 0; round < 20; ++round) {
        openAndCloseSettings();
        uncover(main);
    }
    const long afterPanels = settledCount();

    std::cout << "live GDI objects: " << start << " at the start, " << afterWindows
              << " after 20 AboutBoxes and minimisings, " << afterAnswers << " after 31 answers, "
              << afterPanels << " after 20 SettingsPanels\n";
    // A leak of one object per repetition would add 20 or more.
    EXPECT_LE(afterWindows, start + 5);
    EXPECT_LE(afterAnswers, start + 5);
    EXPECT_LE(afterPanels, start + 5);
    quit();
}

}  // namespace
