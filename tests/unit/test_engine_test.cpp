#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core_test.h"
#include "resource.h"
#include "settings/settings.h"
#include "test/test_engine.h"
#include "verbs/verb_table.h"

namespace {

class TestEngine : public CoreTest {
protected:
    // Types the right forms of the verb being asked, or wrong ones, and
    // confirms them.
    void answer(bool right) {
        const std::string slot = std::to_string(currentVerb);
        fake.controls[IDC_INFINITIVE] = right ? "inf" + slot : "wrong";
        fake.controls[IDC_PAST_SIMPLE] = "past" + slot;
        fake.controls[IDC_PAST_PARTICIPLE] = "part" + slot;
        advanceTest(true);
    }

    // Runs a whole test; rightAnswer(k) says whether answer k (from 1) is
    // right. Returns the slots asked, in order.
    template <typename RightAnswer>
    std::vector<int> runTest(RightAnswer rightAnswer) {
        std::vector<int> asked;
        EXPECT_EQ(startTest(), 0);
        while (testRunning != 0) {
            asked.push_back(currentVerb);
            answer(rightAnswer(static_cast<int>(asked.size())));
        }
        return asked;
    }

    std::vector<std::string> callsSince(std::size_t start) const {
        return {fake.calls.begin() + static_cast<std::ptrdiff_t>(start), fake.calls.end()};
    }

    void expectFigures(const std::vector<std::string>& figures) {
        const int ids[] = {IDC_CORRECT_COUNT, IDC_WRONG_COUNT, IDC_REMAINING, IDC_CORRECT_PERCENT,
                           IDC_WRONG_PERCENT};
        std::vector<std::string> shown;
        for (int id : ids) {
            shown.push_back(fake.controls[id]);
        }
        EXPECT_EQ(shown, figures);
    }
};

TEST_F(TestEngine, RefusesToStartWithoutVerbs) {
    loadVerbs({});
    EXPECT_EQ(startTest(), 1);
    EXPECT_EQ(testRunning, 0);
    EXPECT_EQ(askedCount, 0);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TestEngine, StartShowsTheControlsFiguresAndFirstVerb) {
    loadNumberedVerbs(30);
    settings.testLength = 20;
    EXPECT_EQ(startTest(), 0);
    EXPECT_EQ(fake.calls,
              (std::vector<std::string>{"show controls", "time", "range 20", "set 1010 0",
                                        "set 1015 0", "set 1012 20", "set 1033 0", "set 1035 0",
                                        "position 20", "set 1011 verb26", "focus 1002", "set 1002 ",
                                        "set 1003 ", "set 1004 "}));
    EXPECT_EQ(testRunning, 1);
    EXPECT_EQ(askedCount, 1);
    EXPECT_EQ(currentVerb, 26);
    EXPECT_EQ(usedList[0], 26);
}

TEST_F(TestEngine, ConfirmingJudgesThenWritesFiguresThenDrawsTheNextVerb) {
    loadNumberedVerbs(30);
    settings.testLength = 20;
    startTest();
    const std::size_t start = fake.calls.size();
    answer(true);
    EXPECT_EQ(callsSince(start), (std::vector<std::string>{
                                     "get 1002 20", "get 1003 20", "get 1004 20", "correct popup",
                                     "range 20", "set 1010 1", "set 1015 0", "set 1012 19",
                                     "set 1033 100", "set 1035 0", "position 19", "set 1011 verb20",
                                     "focus 1002", "set 1002 ", "set 1003 ", "set 1004 "}));
}

TEST_F(TestEngine, FiguresFollowTheAnswers) {
    loadNumberedVerbs(30);
    settings.testLength = 20;
    startTest();
    answer(true);
    answer(false);
    answer(true);
    expectFigures({"2", "1", "17", "66", "34"});
}

TEST_F(TestEngine, PercentagesDivideFirstAndTruncate) {
    for (askedCount = 1; askedCount <= testListSize; ++askedCount) {
        for (correctCount = 0; correctCount <= askedCount; ++correctCount) {
            // Exact integer arithmetic, except for 29 of 50.
            const int expected =
                askedCount == 50 && correctCount == 29 ? 57 : 100 * correctCount / askedCount;
            ASSERT_EQ(percentCorrect(), expected) << correctCount << " of " << askedCount;
            ASSERT_EQ(percentWrong(), 100 - expected) << correctCount << " of " << askedCount;
        }
    }
    askedCount = 0;
    correctCount = 0;
    EXPECT_EQ(percentCorrect(), 0);
    EXPECT_EQ(percentWrong(), 0);
}

TEST_F(TestEngine, TheLastAnswerEndsTheTest) {
    loadNumberedVerbs(30);
    settings.testLength = 10;
    startTest();
    for (int k = 1; k < 10; ++k) {
        answer(true);
    }
    int runningAtResults = -1;
    fake.onResultsPanel = [&] { runningAtResults = testRunning; };
    const std::size_t start = fake.calls.size();
    answer(true);
    EXPECT_EQ(callsSince(start),
              (std::vector<std::string>{"get 1002 20", "get 1003 20", "get 1004 20",
                                        "correct popup", "range 10", "set 1010 10", "set 1015 0",
                                        "set 1012 0", "set 1033 100", "set 1035 0", "position 0",
                                        "set 1011 ", "set 1002 ", "set 1003 ", "set 1004 ",
                                        "focus 1010", "hide controls", "time", "results"}));
    EXPECT_EQ(runningAtResults, 0);
    EXPECT_EQ(askedCount, 10);
    EXPECT_EQ(correctCount, 10);
}

// Whole tests with the clock fixed at one second: the draws follow from the
// generator alone.
TEST_F(TestEngine, DrawsFollowTheClockSecond) {
    struct Case {
        const char* name;
        int verbs;
        int testLength;
        int reaskWrong;
        int rightFrom;  // answers from this one on are right
        std::vector<int> asked;
        std::vector<int> wrongList;
    };
    const Case cases[] = {
        {"all right", 30, 10, 0, 1, {26, 20, 23, 8, 1, 18, 12, 11, 6, 7}, {}},
        // From the 6th verb on, every verb is a re-ask; verb 8 is answered
        // wrongly each time, entered again and asked a third and fourth time.
        {"all wrong, re-asking",
         30,
         10,
         1,
         11,
         {26, 20, 23, 8, 1, 8, 8, 23, 20, 8},
         {26, reaskedMark, reaskedMark, reaskedMark, 1, reaskedMark, reaskedMark, 23, 20, 8}},
        // Every wrong answer has been asked again when the 11th is due to be a
        // re-ask: it is drawn fresh instead.
        {"nothing left to re-ask",
         30,
         11,
         1,
         6,
         {26, 20, 23, 8, 1, 8, 1, 23, 20, 26, 25},
         {reaskedMark, reaskedMark, reaskedMark, reaskedMark, reaskedMark, 0}},
        // After the 12 verbs, 30000 failed tries clear the UsedList and verbs
        // repeat.
        {"more questions than verbs",
         12,
         20,
         0,
         1,
         {10, 8, 9, 3, 7, 5, 4, 2, 6, 1, 11, 12, 6, 7, 1, 5, 8, 2, 9, 10},
         {}},
    };
    for (const Case& c : cases) {
        loadNumberedVerbs(c.verbs);
        settings.testLength = c.testLength;
        settings.reaskWrong = c.reaskWrong;
        fake.clock = 1700000000;
        EXPECT_EQ(runTest([&](int k) { return k >= c.rightFrom; }), c.asked) << c.name;
        for (std::size_t k = 0; k < c.wrongList.size(); ++k) {
            EXPECT_EQ(wrongList[k], c.wrongList[k]) << c.name << ", position " << k + 1;
        }
    }
}

TEST_F(TestEngine, TheUsedListIsForgottenOnlyAfterThirtyThousandTries) {
    loadNumberedVerbs(12);
    settings.testLength = 20;
    settings.reaskWrong = 0;
    runTest([](int) { return true; });
    const std::vector<int> expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 7, 1, 5, 8, 2, 9, 10};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), usedList.begin()));
}

TEST_F(TestEngine, TestsStartedInTheSameSecondAskTheSameVerbs) {
    loadNumberedVerbs(40);
    settings.testLength = 15;
    const auto rightAnswer = [](int k) { return k % 3 != 0; };
    fake.clock = 1234567890;
    const std::vector<int> first = runTest(rightAnswer);
    const std::vector<int> second = runTest(rightAnswer);
    fake.clock = 1234567891;
    const std::vector<int> later = runTest(rightAnswer);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, later);
}

// Properties of the draws over many clock seconds.
TEST_F(TestEngine, ReaskingStartsWhenWrongAnswersReachHalfTheLength) {
    loadNumberedVerbs(60);
    settings.reaskWrong = 1;
    struct Case {
        int testLength;
        int wrongAmongFirstTen;
        bool reask;
    };
    const Case cases[] = {{20, 10, true}, {21, 10, true}, {20, 9, false}, {21, 9, false}};
    for (const Case& c : cases) {
        settings.testLength = c.testLength;
        for (std::int64_t second = 0; second < 50; ++second) {
            fake.clock = 1600000000 + second;
            startTest();
            for (int k = 1; k <= 10; ++k) {
                answer(k > c.wrongAmongFirstTen);
            }
            const auto firstTen = usedList.begin() + 10;
            const bool wasAsked = std::find(usedList.begin(), firstTen, currentVerb) != firstTen;
            const bool marked = std::count(wrongList.begin(), wrongList.end(), reaskedMark) == 1;
            ASSERT_EQ(wasAsked, c.reask) << c.testLength << "/" << c.wrongAmongFirstTen;
            ASSERT_EQ(marked, c.reask) << c.testLength << "/" << c.wrongAmongFirstTen;
            if (c.reask) {
                // Every later verb is a re-ask as well.
                answer(true);
                ASSERT_EQ(std::count(wrongList.begin(), wrongList.end(), reaskedMark), 2);
            }
            abortTest();
        }
    }
}

TEST_F(TestEngine, WithoutReaskingAFullTestNeverRepeatsAVerb) {
    loadNumberedVerbs(50);
    settings.testLength = 50;
    settings.reaskWrong = 0;
    for (std::int64_t second = 0; second < 20; ++second) {
        fake.clock = 1600000000 + second;
        std::vector<int> asked = runTest([](int) { return false; });
        std::sort(asked.begin(), asked.end());
        std::vector<int> all(50);
        for (int slot = 1; slot <= 50; ++slot) {
            all[slot - 1] = slot;
        }
        ASSERT_EQ(asked, all) << "second " << second;
        ASSERT_EQ(std::count(wrongList.begin(), wrongList.end(), reaskedMark), 0);
    }
}

TEST_F(TestEngine, AbortingDoesNotCountTheVerbBeingAsked) {
    loadNumberedVerbs(30);
    settings.testLength = 20;
    struct Case {
        int answered;
        int askedAtResults;
    };
    for (const Case& c : {Case{5, 5}, Case{0, 0}}) {
        startTest();
        for (int k = 0; k < c.answered; ++k) {
            answer(k % 2 == 0);
        }
        int askedAtResults = -1;
        fake.onResultsPanel = [&] { askedAtResults = askedCount; };
        const std::size_t start = fake.calls.size();
        abortTest();
        EXPECT_EQ(callsSince(start),
                  (std::vector<std::string>{"set 1011 ", "set 1002 ", "set 1003 ", "set 1004 ",
                                            "focus 1010", "hide controls", "time", "results"}));
        EXPECT_EQ(askedAtResults, c.askedAtResults);
        EXPECT_EQ(testRunning, 0);
    }
    EXPECT_EQ(percentCorrect(), 0);
    EXPECT_EQ(percentWrong(), 0);
}

TEST_F(TestEngine, StartClearsThePreviousTest) {
    loadNumberedVerbs(30);
    settings.testLength = 10;
    runTest([](int) { return false; });
    startTest();
    EXPECT_EQ(askedCount, 1);
    EXPECT_EQ(correctCount, 0);
    EXPECT_EQ(std::count(usedList.begin(), usedList.end(), 0), testListSize - 1);
    EXPECT_EQ(std::count(wrongList.begin(), wrongList.end(), 0), testListSize);
}

TEST_F(TestEngine, IsVerbNewLooksAtTheFirstAskedEntries) {
    usedList[0] = 4;
    usedList[1] = 5;
    usedList[2] = 6;
    struct Case {
        int asked;
        int verb;
        int isNew;
    };
    const Case cases[] = {{0, 4, 1}, {-1, 4, 1}, {3, 6, 0}, {2, 6, 1}, {3, 7, 1}, {3, 4, 0}};
    for (const Case& c : cases) {
        askedCount = c.asked;
        currentVerb = c.verb;
        EXPECT_EQ(isVerbNew(), c.isNew) << c.verb << " among " << c.asked;
    }
}

}  // namespace
