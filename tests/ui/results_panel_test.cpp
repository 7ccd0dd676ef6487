// The ResultsPanel after a test that ended early; the normal end is part of the whole test.
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

}  // namespace
