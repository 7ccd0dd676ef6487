// The ResultsPanel after a test that ended early; the normal end is part of the whole test.
#include <algorithm>

#include "harness/ui_test.h"

namespace {

class ResultsPanel : public UiTest {};

TEST_F(ResultsPanel, ATestEndedBeforeAnyAnswerShowsZerosEverywhere) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    endTestEarly();
    HWND results = shownPanel(main, L"Výsledek testu");
    EXPECT_EQ(resultFigures(results), (std::vector<std::wstring>{L"0", L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(textOf(results, IDC_PANEL_TITLE), L"Výsledek testu");
    EXPECT_EQ(textOf(results, IDC_RESULTS_CORRECT_PERCENT_SIGN), L"%");
    EXPECT_EQ(textOf(results, IDC_RESULTS_WRONG_PERCENT_SIGN), L"%");
    EXPECT_EQ(textOf(results, IDC_RESULTS_SPARE), L"");
    EXPECT_EQ(textOf(results, IDOK), L"OK");
    const auto texts = staticTextsOf(results);
    for (const wchar_t* label :
         {L"Celkem sloves:", L"Počet správných odpovědí:", L"Počet špatných odpovědí:"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end())
            << testing::PrintToString(std::wstring(label));
    }
    // Inside the MainWindow, at (280, 60) and 250 x 250 pixels.
    const RECT place = placeInParent(results);
    EXPECT_EQ(GetParent(results), main);
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right - place.left,
                                 place.bottom - place.top}),
              (std::vector<LONG>{280, 60, 250, 250}));
    const RECT title = Pixels(windowOnScreen(controlOf(results, IDC_PANEL_TITLE))).bounds(black);
    EXPECT_GE(title.bottom - title.top, 16) << "the title is not drawn large";
    quit();
}

TEST_F(ResultsPanel, ATestEndedAfterThreeAnswersCountsOnlyThoseThree) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    answerWrong();
    answerRight();
    answerWrong();
    endTestEarly();
    HWND results = shownPanel(main, L"Výsledek testu");
    // 1 of 3 right: 33 % truncated, and the wrong share makes up the rest.
    EXPECT_EQ(resultFigures(results), (std::vector<std::wstring>{L"3", L"1", L"2", L"33", L"67"}));
    quit();
}

TEST_F(ResultsPanel, OkClosesOnlyThisPanelAndReturnsToTheStart) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    endTestEarly();
    HWND results = shownPanel(main, L"Výsledek testu");
    click(controlOf(results, IDOK));
    EXPECT_TRUE(waitUntil([&] { return shownPanel(main, L"Výsledek testu") == nullptr; }));
    settle(main);
    EXPECT_EQ(shownPanel(main, L"Nastavení"), nullptr);
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_TRUE(enabled(IDC_NEW_TEST));
    EXPECT_FALSE(enabled(IDC_END_TEST));
    quit();
}

TEST_F(ResultsPanel, NastaveniClosesTheResultsAndShowsTheSettingsAtOnce) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    endTestEarly();
    click(control(IDC_SETTINGS));
    EXPECT_TRUE(waitUntil([&] { return shownPanel(main, L"Nastavení") != nullptr; }));
    settle(main);
    EXPECT_FALSE(messageBoxOf(*program).has_value()) << "asked although no test runs";
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);
    quit();
}

}  // namespace
