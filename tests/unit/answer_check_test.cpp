#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test.h"
#include "resource.h"
#include "test/answer_check.h"
#include "test/test_engine.h"
#include "verbs/verb_table.h"

namespace {

// Meanings as Windows-1250 bytes.
const std::string spalitSe = "sp\xE1lit se";     // "spálit se"
const std::string nestRodit = "n\xE9st, rodit";  // "nést, rodit"

enum Slot {
    go = 1,
    burnSlot,
    bearSlot,
    chideSlot,
    burnAlone,
    burnTrailingSpace,
    burnCapitalised,
    burnShouting,
    longForms,
    emptyForms,
    burnStoredOtherwise,
};

class AnswerCheck : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        loadVerbs({
            verbRecord("j\xEDt", "go", "went", "gone"),
            verbRecord(spalitSe, "burn", "burned", "burned"),
            verbRecord(nestRodit, "bear", "bore", "borne"),
            verbRecord("peskovat", "chide", "chided", "chided"),
            verbRecord("sp\xE1lit", "burn", "burned", "burned"),
            verbRecord(spalitSe + " ", "burn", "burned", "burned"),
            verbRecord("Sp\xE1lit se", "burn", "burned", "burned"),
            verbRecord("SP\xC1LIT SE", "burn", "burned", "burned"),
            // A 19-byte and a 20-byte form.
            verbRecord("dlouhy", "abcdefghijklmnopqrs", "abcdefghijklmnopqrst", "x"),
            verbRecord("prazdny", "", "", ""),
            verbRecord(spalitSe, "burn", "burnt", "burn"),
        });
        askedCount = 1;
        correctCount = 0;
    }

    int check(int slot, const std::string& infinitive, const std::string& pastSimple,
              const std::string& pastParticiple) {
        currentVerb = slot;
        fake.controls[IDC_INFINITIVE] = infinitive;
        fake.controls[IDC_PAST_SIMPLE] = pastSimple;
        fake.controls[IDC_PAST_PARTICIPLE] = pastParticiple;
        return checkAnswer();
    }
};

TEST_F(AnswerCheck, JudgesTypedFormsAgainstTheRecordAndTheAlternatives) {
    struct Case {
        int slot;
        std::string infinitive, pastSimple, pastParticiple;
        int result;  // 0 accepted, 1 wrong
    };
    const Case cases[] = {
        {go, "go", "went", "gone", 0},
        {go, "Go", "WENT", "gone", 0},
        {go, "go", " went", "gone", 1},
        {go, "go", "went ", "gone", 1},
        {go, "go", "went", "", 1},
        {go, "", "", "", 1},
        {go, "went", "go", "gone", 1},
        // Only 19 characters are read: what follows them is ignored, and a
        // stored form of 20 never matches.
        {longForms, "abcdefghijklmnopqrsXYZ", "abcdefghijklmnopqrst", "x", 1},
        {longForms, "abcdefghijklmnopqrs", "abcdefghijklmnopqrs", "x", 1},
        {emptyForms, "", "", "", 0},
        {emptyForms, " ", "", "", 1},
        // "spálit se": any mix of burnt and burned, in any case.
        {burnSlot, "burn", "burnt", "burnt", 0},
        {burnSlot, "burn", "burnt", "burned", 0},
        {burnSlot, "burn", "burned", "burnt", 0},
        {burnSlot, "burn", "burned", "burned", 0},
        {burnSlot, "BURN", "BURNT", "BURNED", 0},
        {burnSlot, "burn", "burnt", "burn", 1},
        {burnSlot, "burn", "burnt", "", 1},
        {burnStoredOtherwise, "burn", "burnt", "burn", 0},
        {burnStoredOtherwise, "burn", "burned", "burnt", 0},
        // "nést, rodit": bore, and born or borne; no second past simple.
        {bearSlot, "bear", "bore", "born", 0},
        {bearSlot, "bear", "bore", "borne", 0},
        {bearSlot, "bear", "bare", "born", 1},
        {bearSlot, "bear", "", "born", 1},
        {bearSlot, "bear", "bore", "", 1},
        // "peskovat": chid, and chid or chidden; the stored forms as well.
        {chideSlot, "chide", "chid", "chid", 0},
        {chideSlot, "chide", "chid", "chidden", 0},
        {chideSlot, "chide", "chided", "chided", 0},
        {chideSlot, "chide", "chided", "chid", 1},
        {chideSlot, "chid", "chid", "chid", 1},
        // Only a meaning equal to a key, after the loader's lowercasing,
        // brings the alternatives in.
        {burnAlone, "burn", "burnt", "burnt", 1},
        {burnTrailingSpace, "burn", "burnt", "burnt", 1},
        {burnCapitalised, "burn", "burnt", "burnt", 0},
        {burnShouting, "burn", "burnt", "burnt", 1},
        {burnShouting, "burn", "burned", "burned", 0},
        // The alternatives belong to their own row only.
        {bearSlot, "burn", "burnt", "burnt", 1},
    };
    for (const Case& c : cases) {
        const std::string typed = c.infinitive + " / " + c.pastSimple + " / " + c.pastParticiple;
        correctCount = 0;
        wrongList.fill(0);
        EXPECT_EQ(check(c.slot, c.infinitive, c.pastSimple, c.pastParticiple), c.result)
            << "slot " << c.slot << ": " << typed;
        EXPECT_EQ(correctCount, c.result == 0 ? 1 : 0) << typed;
        EXPECT_EQ(wrongList[0], c.result == 0 ? 0 : c.slot) << typed;
    }
}

TEST_F(AnswerCheck, ReadsTheThreeEditsThenShowsOnePopup) {
    check(go, "go", "went", "gone");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"get 1002 20", "get 1003 20", "get 1004 20",
                                                    "correct popup"}));
    fake.calls.clear();
    check(go, "go", "went", "went");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"get 1002 20", "get 1003 20", "get 1004 20",
                                                    "wrong popup"}));
    // The typed texts stay for the WrongPopup to show.
    EXPECT_EQ(fake.controls[IDC_PAST_PARTICIPLE], "went");
}

TEST_F(AnswerCheck, CountsBeforeTheCorrectPopupAndRecordsAfterTheWrongPopup) {
    int correctDuringPopup = -1;
    int entryDuringPopup = -1;
    fake.onCorrectPopup = [&] { correctDuringPopup = correctCount; };
    fake.onWrongPopup = [&] { entryDuringPopup = wrongList[0]; };
    check(go, "go", "went", "gone");
    EXPECT_EQ(correctDuringPopup, 1);
    askedCount = 2;
    check(bearSlot, "bear", "bore", "bored");
    EXPECT_EQ(entryDuringPopup, 0);
    EXPECT_EQ(wrongList[0], bearSlot);
}

// A right first answer, then two wrong ones: the wrong verbs fill the
// WrongList from position 1.
TEST_F(AnswerCheck, WrongAnswersFillTheWrongListInOrder) {
    askedCount = 1;
    check(go, "go", "went", "gone");
    askedCount = 2;
    check(bearSlot, "bear", "bear", "bear");
    askedCount = 3;
    check(chideSlot, "", "", "");
    EXPECT_EQ(correctCount, 1);
    EXPECT_EQ(wrongList[0], bearSlot);
    EXPECT_EQ(wrongList[1], chideSlot);
    EXPECT_EQ(wrongList[2], 0);
    EXPECT_EQ(askedCount, 3);
    EXPECT_EQ(currentVerb, chideSlot);
}

TEST(AlternativeForms, StartWithTheThreeVerbsInOrder) {
    ASSERT_GE(alternativeFormCount, 3);
    EXPECT_EQ(alternativeForms[0].key, "\x73\x70\xE1\x6C\x69\x74\x20\x73\x65");
    EXPECT_EQ(alternativeForms[1].key, "\x6E\xE9\x73\x74\x2C\x20\x72\x6F\x64\x69\x74");
    EXPECT_EQ(alternativeForms[2].key, "\x70\x65\x73\x6B\x6F\x76\x61\x74");
}

}  // namespace
