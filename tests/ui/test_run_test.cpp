// Taking a test: the verbs asked, the answers confirmed, the figures, the end.
#include <set>

#include "harness/ui_test.h"

namespace {

class TestRun : public UiTest {
protected:
    std::pair<LRESULT, LRESULT> progressRange() const {
        HWND bar = control(IDC_PROGRESS);
        return {SendMessageW(bar, PBM_GETRANGE, TRUE, 0),
                SendMessageW(bar, PBM_GETRANGE, FALSE, 0)};
    }
    LRESULT progressPosition() const {
        return SendMessageW(control(IDC_PROGRESS), PBM_GETPOS, 0, 0);
    }

    // A verb is being asked: its meaning shown, the edit boxes empty, the focus in 1002.
    void expectVerbAsked() {
        EXPECT_NO_THROW(askedVerb());
        EXPECT_TRUE(waitUntil([&] { return focus() == control(IDC_INFINITIVE); }, 2s))
            << "the focus is not in the infinitive's edit box";
        EXPECT_EQ(text(IDC_INFINITIVE), L"");
        EXPECT_EQ(text(IDC_PAST_SIMPLE), L"");
        EXPECT_EQ(text(IDC_PAST_PARTICIPLE), L"");
    }

    // The wrong answers' figure as it is painted now, while the next verb waits. (Right after an
    // answer it was painted at once, before that verb was drawn.)
    Pixels repaintedWrongCount() const {
        const RECT area = windowOnScreen(control(IDC_WRONG_COUNT));
        const COLORREF blue = RGB(0, 0, 255);
        coverOnScreen(area, blue);
        uncover(control(IDC_WRONG_COUNT));
        if (!waitUntil([&] { return Pixels(area).count(blue) == 0; }, 3s)) {
            throw std::runtime_error("the wrong answers' figure was not painted again");
        }
        return Pixels(area);
    }
};

constexpr COLORREF manyWrongOrange = RGB(188, 75, 7);

TEST_F(TestRun, AWholeTestOfTwentyWithFifteenRightAnswers) {
    putVerbs();
    start();  // no settings.cfg: 20 verbs, re-asking on, medium
    startTest();

    EXPECT_EQ(shownTestControls(), testControlIds());
    EXPECT_FALSE(enabled(IDC_NEW_TEST));
    EXPECT_TRUE(enabled(IDC_END_TEST));
    EXPECT_TRUE(enabled(IDC_CONFIRM));
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"0", L"0", L"20", L"0", L"0"}));
    EXPECT_EQ(progressRange(), (std::pair<LRESULT, LRESULT>{0, 20}));
    EXPECT_EQ(progressPosition(), 20);
    expectVerbAsked();
    std::vector<std::wstring> meanings = {text(IDC_MEANING)};

    answerRight();
    expectVerbAsked();
    meanings.push_back(text(IDC_MEANING));
    answerRight();
    expectVerbAsked();
    meanings.push_back(text(IDC_MEANING));
    answerWrong();
    expectVerbAsked();
    meanings.push_back(text(IDC_MEANING));
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"2", L"1", L"17", L"66", L"34"}));
    EXPECT_EQ(progressRange(), (std::pair<LRESULT, LRESULT>{0, 20}));
    EXPECT_EQ(progressPosition(), 17);
    // Painted with 4 verbs asked and 2 right answers, the figure is black.
    const Pixels oneWrong = repaintedWrongCount();
    EXPECT_GT(oneWrong.count(black), 0);
    EXPECT_EQ(oneWrong.count(manyWrongOrange), 0);
    // The percentages in large figures: green for right, red for wrong.
    for (int id : {IDC_CORRECT_PERCENT, IDC_CORRECT_PERCENT_SIGN}) {
        EXPECT_GT(Pixels(windowOnScreen(control(id))).count(RGB(0, 200, 0)), 0) << id;
    }
    for (int id : {IDC_WRONG_PERCENT, IDC_WRONG_PERCENT_SIGN}) {
        EXPECT_GT(Pixels(windowOnScreen(control(id))).count(RGB(200, 0, 0)), 0) << id;
    }
    // In a large font, while the counts keep the small one.
    const RECT percent =
        Pixels(windowOnScreen(control(IDC_CORRECT_PERCENT))).bounds(RGB(0, 200, 0));
    EXPECT_GE(percent.bottom - percent.top, 16) << "the percentage is not drawn large";
    const RECT count = Pixels(windowOnScreen(control(IDC_CORRECT_COUNT))).bounds(black);
    EXPECT_GT(count.bottom - count.top, 0);
    EXPECT_LE(count.bottom - count.top, 12) << "the count is not drawn in the small font";

    answerWrong();
    meanings.push_back(text(IDC_MEANING));
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"2", L"2", L"16", L"50", L"50"}));
    // Painted with 5 verbs asked and 2 right answers, more than two apart: orange.
    const Pixels twoWrong = repaintedWrongCount();
    EXPECT_GT(twoWrong.count(manyWrongOrange), 0)
        << "the wrong answers' figure is not drawn in RGB(188, 75, 7)";
    EXPECT_EQ(twoWrong.count(black), 0);

    for (int answered = 4; answered < 20; ++answered) {
        SCOPED_TRACE(answered);
        if (answered < 17) {
            answerRight();
        } else {
            answerWrong();
        }
        if (answered < 19) {
            expectVerbAsked();
            meanings.push_back(text(IDC_MEANING));
        }
    }
    // No verb comes twice while the file still has verbs not asked. (The twelfth verb waits for
    // the rarest draw of all, so the check stops short of it.)
    EXPECT_EQ(std::set<std::wstring>(meanings.begin(), meanings.begin() + 11).size(), 11u);

    HWND results = shownPanel(main, L"Výsledek testu");
    ASSERT_TRUE(results);
    EXPECT_EQ(resultFigures(results),
              (std::vector<std::wstring>{L"20", L"15", L"5", L"75", L"25"}));
    EXPECT_EQ(text(IDC_REMAINING), L"0");
    EXPECT_EQ(progressPosition(), 0);
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_TRUE(enabled(IDC_NEW_TEST));
    EXPECT_FALSE(enabled(IDC_END_TEST));
    EXPECT_FALSE(enabled(IDC_CONFIRM));

    click(controlOf(results, IDOK));
    EXPECT_TRUE(waitUntil([&] { return shownPanel(main, L"Výsledek testu") == nullptr; }));
    quit();
}

TEST_F(TestRun, EnterInAnyEditBoxConfirmsAsPotvrditDoes) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    int right = 0;
    for (int id : {IDC_INFINITIVE, IDC_PAST_SIMPLE, IDC_PAST_PARTICIPLE, IDC_CONFIRM}) {
        SCOPED_TRACE(id);
        const Verb& verb = askedVerb();
        const std::wstring remaining = text(IDC_REMAINING);
        typeForms(verb.infinitive, verb.pastSimple, verb.pastParticiple);
        HWND popup = nullptr;
        if (id == IDC_CONFIRM) {
            click(control(IDC_CONFIRM));
            popup = waitForPopup(*program, L"Správně");
        } else {
            leftClickAt(control(id), POINT{5, 5});
            ASSERT_TRUE(waitUntil([&] { return focus() == control(id); }, 3s));
            std::wstring word;
            popup = confirmWithEnter(word);
            EXPECT_EQ(word, L"Správně");
        }
        ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(popup); }, 5s));
        waitForNextStep(remaining);
        ++right;
        EXPECT_EQ(text(IDC_CORRECT_COUNT), std::to_wstring(right));
        EXPECT_EQ(text(IDC_WRONG_COUNT), L"0");
    }
    quit();
}

TEST_F(TestRun, TabGoesRoundTheEditBoxesAndTheLinkButton) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    ASSERT_TRUE(waitUntil([&] { return focus() == control(IDC_INFINITIVE); }, 2s));
    for (int next : {IDC_PAST_SIMPLE, IDC_PAST_PARTICIPLE, IDC_MAIN_LINK, IDC_INFINITIVE}) {
        pressKey(focus(), VK_TAB);
        EXPECT_TRUE(waitUntil([&] { return focus() == control(next); }, 3s))
            << "Tab did not reach " << next;
    }
    quit();
}

TEST_F(TestRun, OnlyTheFirstNineteenTypedCharactersAreJudged) {
    const std::wstring longest = L"abcdefghijklmnopqrs";  // the longest form a record holds
    putVerbs(L"medium.dat", std::vector<Verb>(12, Verb{L"dlouhé", longest, longest, longest}));
    putSettings("1011");
    start();
    startTest();
    const std::wstring typed = longest + L"XYZ";
    typeForms(typed, typed, typed);
    EXPECT_EQ(text(IDC_INFINITIVE), typed) << "the edit box limits what is typed";
    std::wstring word;
    HWND popup = confirmWithEnter(word);
    EXPECT_EQ(word, L"Správně");
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, 5s));
    quit();
}

TEST_F(TestRun, UkoncitTestAsksAndNoLeavesTheTestAsItWas) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    answerWrong();
    const std::wstring meaning = text(IDC_MEANING);
    retype(control(IDC_INFINITIVE), L"half");

    auto box = commandAsking(IDC_END_TEST);
    EXPECT_EQ(box.text, L"Určitě chcete test ukončit?");
    EXPECT_EQ(box.caption, L"Ukončení");
    EXPECT_EQ(box.owner, main);
    EXPECT_FALSE(isEnabled(main)) << "the MainWindow takes input while its message box is open";
    answer(box, IDNO);
    settle(main);
    EXPECT_EQ(text(IDC_MEANING), meaning);
    EXPECT_EQ(text(IDC_INFINITIVE), L"half");
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"0", L"1", L"9", L"0", L"100"}));
    EXPECT_EQ(shownTestControls(), testControlIds());
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);

    // Back in the edit box, Enter still confirms the answer, whichever button was clicked.
    leftClickAt(control(IDC_PAST_PARTICIPLE), POINT{5, 5});
    ASSERT_TRUE(waitUntil([&] { return focus() == control(IDC_PAST_PARTICIPLE); }, 3s));
    std::wstring word;
    HWND popup = confirmWithEnter(word);
    EXPECT_EQ(word, L"Chyba");
    pressKey(keyTargetOf(*program), VK_ESCAPE);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }));
    waitForNextStep(L"9");

    endTestEarly();
    HWND results = shownPanel(main, L"Výsledek testu");
    EXPECT_EQ(resultFigures(results), (std::vector<std::wstring>{L"2", L"0", L"2", L"0", L"100"}));
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_TRUE(enabled(IDC_NEW_TEST));
    EXPECT_FALSE(enabled(IDC_END_TEST));
    EXPECT_FALSE(enabled(IDC_CONFIRM));
    quit();
}

TEST_F(TestRun, NovyTestWhileTheResultsAreOpenClosesThemAndAsksAtOnce) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    endTestEarly();

    startTest();
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);
    EXPECT_EQ(shownTestControls(), testControlIds());
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"0", L"0", L"10", L"0", L"0"}));
    expectVerbAsked();
    quit();
}

TEST_F(TestRun, AnEmptyVerbFileStartsNoTestButSaysWhy) {
    dir.write(L"medium.dat", "");
    start();
    click(control(IDC_NEW_TEST));
    const auto box = waitForMessageBox(*program);
    EXPECT_EQ(box.owner, main);
    EXPECT_FALSE(box.text.empty());
    answer(box, IDOK);
    settle(main);
    EXPECT_FALSE(program->hasExited());
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_TRUE(enabled(IDC_NEW_TEST));
    EXPECT_FALSE(enabled(IDC_END_TEST));
    quit();
}

}  // namespace
