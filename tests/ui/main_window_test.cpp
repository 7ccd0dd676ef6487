// The MainWindow's frame and what it paints itself.
#include "harness/ui_test.h"

namespace {

class MainWindow : public UiTest {};

TEST_F(MainWindow, CanBeMinimisedButNeitherMaximisedNorResized) {
    putVerbs();
    start();
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    const RECT before = windowOnScreen(main);

    // A double click on the title bar maximises only a window that has a maximise box.
    PostMessageW(main, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    settle(main);
    EXPECT_FALSE(IsZoomed(main));
    const RECT afterDoubleClick = windowOnScreen(main);
    EXPECT_TRUE(EqualRect(&before, &afterDoubleClick));

    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(waitUntil([&] { return IsIconic(main) != FALSE; }));
    PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(waitUntil([&] { return IsIconic(main) == FALSE; }));
    const RECT after = windowOnScreen(main);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    quit();
}

TEST_F(MainWindow, PaintsItsGreyBackgroundSeparatorLineAndVersionLabel) {
    putVerbs();
    start();
    const COLORREF lineGrey = RGB(150, 150, 150);
    EXPECT_TRUE(waitUntil([&] {
        const Pixels line = captureClient(main, RECT{150, 65, 151, 350});
        return line.count(lineGrey) == 285;
    })) << "the separator line is not drawn from (150, 65) to (150, 349)";
    // Beside the line, and above the logo, the window is grey.
    const Pixels beside = captureClient(main, RECT{140, 65, 150, 350});
    EXPECT_EQ(beside.countOther(windowGrey, beside.area()), 0);
    const Pixels above = captureClient(main, RECT{160, 10, 280, 60});
    EXPECT_EQ(above.countOther(windowGrey, above.area()), 0);

    const RECT versionArea = windowOnScreen(control(IDC_VERSION));
    EXPECT_TRUE(waitUntil([&] { return Pixels(versionArea).count(RGB(170, 170, 170)) > 0; }, 3s))
        << "the version label is not drawn grey";
    EXPECT_EQ(Pixels(versionArea).count(black), 0);
    quit();
}

}  // namespace
