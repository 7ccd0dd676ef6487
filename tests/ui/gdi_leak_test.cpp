// Nothing the user repeats makes the program hold more GDI objects. Wine counts them in its
// +gdi trace (see harness/gdi_trace.h).
#include <sstream>

#include "harness/gdi_trace.h"
#include "harness/ui_test.h"

namespace {

// The kinds of object the program makes itself. Device contexts, with their regions and Wine's
// own objects behind them, come from Wine's cache of window DCs, which grows to the most that
// were ever in use at once and is left out.
const char* const ownKinds[] = {"NTGDI_OBJ_BRUSH", "NTGDI_OBJ_FONT", "NTGDI_OBJ_PEN",
                                "NTGDI_OBJ_BITMAP", "NTGDI_OBJ_PAL"};

class GdiLeak : public UiTest {
protected:
    // The live objects once the program has drawn everything and stopped allocating.
    std::map<std::string, long> settledObjects() {
        settle(main);
        int quiet = 0;
        waitUntil([&] { return (quiet = trace.update() ? 0 : quiet + 1) >= 10; }, 10s);
        return trace.liveByKind();
    }

    static long ownObjects(const std::map<std::string, long>& live) {
        long count = 0;
        for (const char* kind : ownKinds) {
            const auto found = live.find(kind);
            count += found == live.end() ? 0 : found->second;
        }
        return count;
    }

    static std::string describe(const std::map<std::string, long>& live) {
        std::ostringstream text;
        for (const auto& [kind, count] : live) {
            text << ' ' << kind.substr(kind.rfind('_') + 1) << ' ' << count;
        }
        return text.str();
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

    // As when another window has lain over the whole MainWindow.
    void repaint() {
        const RECT area = clientOnScreen(main);
        coverOnScreen(area, RGB(0, 0, 255));
        uncover(main);
        waitUntil([&] { return Pixels(area).count(RGB(0, 0, 255)) == 0; });
    }

    void minimiseAndRestore() {
        PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        waitUntil([&] { return IsIconic(main) != FALSE; });
        PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        waitUntil([&] { return IsIconic(main) == FALSE; });
    }

    GdiTrace trace;
};

struct Repeated {
    const char* name;
    std::function<void()> action;
    int rounds;
    bool inATest;
};

TEST_F(GdiLeak, RepeatedActionsHoldNoMoreObjects) {
    ASSERT_TRUE(GdiTrace::available())
        << "run under tests/ui/run-test-program.sh, which keeps Wine's trace readable";
    putVerbs();
    putSettings("5001");  // 50 verbs, no re-asking
    start({L"WINEDEBUG=+gdi"});
    ASSERT_GT(ownObjects(settledObjects()), 0) << "no GDI trace from kalvena.exe";

    const std::vector<Repeated> actions = {
        {"the AboutBox opened and closed", [&] { openAndCloseAboutBox(); }, 10, false},
        {"the MainWindow minimised and restored", [&] { minimiseAndRestore(); }, 10, false},
        {"the MainWindow painted again", [&] { repaint(); }, 10, false},
        {"the SettingsPanel opened and closed", [&] { openAndCloseSettings(); }, 10, false},
        {"a wrong answer and its WrongPopup", [&] { answerWrong(); }, 10, true},
        {"a right answer and its CorrectPopup", [&] { answerRight(); }, 4, true},
    };
    for (const auto& repeated : actions) {
        SCOPED_TRACE(repeated.name);
        if (repeated.inATest && !enabled(IDC_END_TEST)) {
            startTest();
        }
        // Rounds first: what Wine and the program make once and keep is made then.
        for (int round = 0; round < 3; ++round) {
            repeated.action();
        }
        const auto before = settledObjects();
        const auto started = std::chrono::steady_clock::now();
        for (int round = 0; round < repeated.rounds; ++round) {
            repeated.action();
        }
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        const auto after = settledObjects();
        std::cout << repeated.name << ", " << repeated.rounds << " times in " << took.count()
                  << " ms. Before:" << describe(before) << ". After:" << describe(after) << "\n";
        // One object kept per round would add as many as there were rounds. A little room is
        // left for Wine's own bitmaps, which follow its cache of DCs.
        EXPECT_LE(ownObjects(after), ownObjects(before) + 2)
            << "brushes, fonts, pens or bitmaps pile up: before" << describe(before) << "; after"
            << describe(after);
    }
    quit();
}

}  // namespace
