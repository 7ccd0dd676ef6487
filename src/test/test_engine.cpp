#include "test/test_engine.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "resource.h"
#include "settings/settings.h"
#include "test/answer_check.h"
#include "test/random.h"
#include "verbs/verb_table.h"

int askedCount = 0;
int correctCount = 0;
int currentVerb = 0;
int testRunning = 0;
std::array<int, testListSize> usedList = {};
std::array<int, testListSize> wrongList = {};

namespace {

// After this many fresh draws without a verb new to the test, the test
// forgets which verbs it has asked.
constexpr int freshDrawTries = 30000;

constexpr int generatorRange = 32767;

bool isReaskDue() {
    return settings.reaskWrong != 0 && askedCount - correctCount > settings.testLength / 2;
}

// A WrongList entry that can still be asked again.
bool isReaskable(int entry) {
    return entry != 0 && entry != reaskedMark;
}

// True when one of the wrong answers 1..wrongAnswers has not been asked again.
bool hasReaskableEntry(int wrongAnswers) {
    const auto end = wrongList.begin() + std::clamp(wrongAnswers, 0, testListSize);
    return std::any_of(wrongList.begin(), end, isReaskable);
}

void reaskDraw(int wrongAnswers) {
    for (;;) {
        const int position = 1 + lcg::rand() / (generatorRange / wrongAnswers);
        // Position wrongAnswers + 1 is not written yet and is drawn again.
        if (position > wrongAnswers) {
            continue;
        }
        int& entry = wrongList[position - 1];
        if (isReaskable(entry)) {
            currentVerb = entry;
            entry = reaskedMark;
            return;
        }
    }
}

void freshDraw() {
    for (int tries = 1;; ++tries) {
        if (tries > freshDrawTries) {
            usedList.fill(0);
        }
        currentVerb = lcg::rand() / (generatorRange / verbCount);
        if (currentVerb >= 1 && currentVerb <= verbCount && isVerbNew() == 1) {
            return;
        }
    }
}

void setNumber(int id, int value) {
    platform().setControlText(id, std::to_string(value));
}

void clearAnswerEdits() {
    platform().setControlText(IDC_INFINITIVE, "");
    platform().setControlText(IDC_PAST_SIMPLE, "");
    platform().setControlText(IDC_PAST_PARTICIPLE, "");
}

}  // namespace

void showTestControls(bool show) {
    platform().switchTestControls(show);
    // Only the low 32 bits of the clock seed the generator.
    lcg::srand(static_cast<std::uint32_t>(platform().currentTime()));
}

int startTest() {
    // The fresh draw divides by verbCount: with no verb loaded there is
    // nothing to ask.
    if (verbCount <= 0) {
        return 1;
    }
    wrongList.fill(0);
    usedList.fill(0);
    askedCount = 0;
    correctCount = 0;
    testRunning = 1;
    currentVerb = 0;
    showTestControls(true);
    advanceTest(false);
    return 0;
}

void advanceTest(bool check) {
    if (check) {
        checkAnswer();
    }
    platform().setProgressRange(settings.testLength);
    setNumber(IDC_CORRECT_COUNT, correctCount);
    setNumber(IDC_WRONG_COUNT, askedCount - correctCount);
    setNumber(IDC_REMAINING, settings.testLength - askedCount);
    setNumber(IDC_CORRECT_PERCENT, percentCorrect());
    setNumber(IDC_WRONG_PERCENT, percentWrong());
    platform().setProgressPosition(settings.testLength - askedCount);
    if (askedCount == settings.testLength) {
        endTest();
    } else {
        drawNextVerb();
    }
}

void drawNextVerb() {
    ++askedCount;
    const int wrongAnswers = askedCount - correctCount - 1;
    // Once every wrong answer has been asked again (possible only in a test of
    // odd length), there is nothing left to re-ask: the verb is drawn fresh.
    if (isReaskDue() && hasReaskableEntry(wrongAnswers)) {
        reaskDraw(wrongAnswers);
    } else {
        freshDraw();
    }
    usedList[askedCount - 1] = currentVerb;
    platform().setControlText(IDC_MEANING, verbText(currentVerb, VerbField::meaning));
    platform().setFocus(IDC_INFINITIVE);
    clearAnswerEdits();
}

int isVerbNew() {
    const auto end = usedList.begin() + std::clamp(askedCount, 0, testListSize);
    return std::find(usedList.begin(), end, currentVerb) == end ? 1 : 0;
}

void endTest() {
    platform().setControlText(IDC_MEANING, "");
    clearAnswerEdits();
    platform().setFocus(IDC_CORRECT_COUNT);
    testRunning = 0;
    showTestControls(false);
    platform().openResultsPanel();
}

void abortTest() {
    // The verb being asked was never answered.
    --askedCount;
    endTest();
}

int percentCorrect() {
    if (askedCount == 0) {
        return 0;
    }
    // The division comes first, then the multiplication, both in double, and
    // the result is truncated: 29 of 50 gives 57, not 58.
    const double share = static_cast<double>(correctCount) / static_cast<double>(askedCount);
    return static_cast<int>(share * 100.0);
}

int percentWrong() {
    return askedCount == 0 ? 0 : 100 - percentCorrect();
}
