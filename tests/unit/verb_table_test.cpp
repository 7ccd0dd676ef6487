#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core_test.h"
#include "settings/settings.h"
#include "verbs/verb_table.h"

namespace {

using VerbTable = CoreTest;

bool isEmptySlot(int slot) {
    const VerbRecord& record = verbTable[slot];
    const char* bytes = record.meaning;
    return std::all_of(bytes, bytes + verbRecordSize, [](char byte) { return byte == '\0'; });
}

std::vector<std::string> slotTexts(int slot) {
    return {verbText(slot, VerbField::meaning), verbText(slot, VerbField::infinitive),
            verbText(slot, VerbField::pastSimple), verbText(slot, VerbField::pastParticiple)};
}

const std::string missingFileMessage =
    // "Databáze sloves pro tuto obtížnost nenalezena!|Chyba" in Windows-1250
    "error Datab\xE1ze sloves pro tuto obt\xED\x9Enost nenalezena!|Chyba";

TEST_F(VerbTable, LoadsRecordsIntoSlotsFromOneAndLeavesTheRestEmpty) {
    loadVerbs(
        {verbRecord("spat", "sleep", "slept", "slept"), verbRecord("jit", "go", "went", "gone")});
    EXPECT_EQ(verbCount, 2);
    EXPECT_EQ(slotTexts(1), (std::vector<std::string>{"spat", "sleep", "slept", "slept"}));
    EXPECT_EQ(slotTexts(2), (std::vector<std::string>{"jit", "go", "went", "gone"}));
    EXPECT_TRUE(isEmptySlot(0));
    for (int slot = 3; slot < verbTableSlots; ++slot) {
        ASSERT_TRUE(isEmptySlot(slot)) << "slot " << slot;
    }
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(VerbTable, LowercasesOnlyAToZAndIgnoresBytesAfterTheNul) {
    std::string padded = std::string("go\0QQ\xFFRST", 9);
    loadVerbs({
        // "ČEKAT": the Č (0xC8) keeps its case.
        verbRecord("\xC8"
                   "EKAT",
                   "Wait", "WAITED", "waited"),
        verbRecord("@AZ[`az{", padded, "went", "gone"),
    });
    EXPECT_EQ(slotTexts(1), (std::vector<std::string>{"\xC8"
                                                      "ekat",
                                                      "wait", "waited", "waited"}));
    EXPECT_EQ(verbText(2, VerbField::meaning), "@az[`az{");
    EXPECT_EQ(verbText(2, VerbField::infinitive), "go");
    // The padding is not kept: the rest of the field is zero.
    EXPECT_TRUE(std::all_of(verbTable[2].infinitive + 2, verbTable[2].infinitive + verbFieldSize,
                            [](char byte) { return byte == '\0'; }));
}

// The data length decides how many verbs a file yields: whole records, plus a
// last one whose first three fields are complete.
TEST_F(VerbTable, CountsVerbsFromTheDeliveredLength) {
    const std::string all = verbRecord("one", "a", "b", "c") + verbRecord("two", "a", "b", "c") +
                            verbRecord("three", "a", "b", "c") +
                            verbRecord("four", "a", "b", "abcdefghijklmnopqrst");
    struct Case {
        std::size_t length;
        int verbs;
        std::string lastParticiple;
    };
    const Case cases[] = {
        {0, 0, ""},
        {59, 0, ""},
        {60, 1, ""},
        {240, 3, "c"},
        {299, 3, "c"},
        {300, 4, ""},
        {315, 4, "abcdefghijklmno"},
        {320, 4, "abcdefghijklmnopqrst"},
    };
    for (const Case& c : cases) {
        loadVerbs({all.substr(0, c.length)});
        EXPECT_EQ(verbCount, c.verbs) << c.length << " bytes";
        if (c.verbs > 0) {
            EXPECT_EQ(verbText(c.verbs, VerbField::pastParticiple), c.lastParticiple)
                << c.length << " bytes";
        }
        // A trailing piece too short to count leaves nothing behind.
        for (int slot = c.verbs + 1; slot <= 5; ++slot) {
            EXPECT_TRUE(isEmptySlot(slot)) << c.length << " bytes, slot " << slot;
        }
    }
}

// The files were made for text reading: CR LF comes as LF, a lone CR as it
// is, and 0x1A ends the data. Byte offsets shift accordingly.
TEST_F(VerbTable, CountsBoundariesOnTheBytesTextReadingDelivers) {
    struct Case {
        const char* name;
        std::string firstMeaning;
        int verbs;
        std::string deliveredMeaning;
        std::string secondMeaning;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb", 3, "a\nb", "econd"},
        {"lone CR", "a\rb", 3, "a\rb", "second"},
        {"CR CR LF", "a\r\r\nb", 3, "a\r\nb", "econd"},
        {"LF CR", "a\n\rb", 3, "a\n\rb", "second"},
    };
    for (const Case& c : cases) {
        loadVerbs({verbRecord(c.firstMeaning, "x", "y", "z"), verbRecord("second", "x", "y", "z"),
                   verbRecord("third", "x", "y", "z")});
        EXPECT_EQ(verbCount, c.verbs) << c.name;
        EXPECT_EQ(verbText(1, VerbField::meaning), c.deliveredMeaning) << c.name;
        EXPECT_EQ(verbText(2, VerbField::meaning), c.secondMeaning) << c.name;
    }
}

TEST_F(VerbTable, EndOfFileByteEndsTheData) {
    struct Case {
        std::size_t offset;
        int verbs;
    };
    const Case cases[] = {{100, 1}, {30, 0}, {79, 1}, {80, 1}, {140, 2}};
    for (const Case& c : cases) {
        std::string bytes = verbRecord("one", "a", "b", "c") + verbRecord("two", "a", "b", "c") +
                            verbRecord("three", "a", "b", "c");
        bytes[c.offset] = '\x1A';
        loadVerbs({bytes});
        EXPECT_EQ(verbCount, c.verbs) << "0x1A at " << c.offset;
    }
}

TEST_F(VerbTable, TrailingCarriageReturnIsDelivered) {
    loadVerbs({verbRecord("one", "a", "b", "c").substr(0, 60) + "\r"});
    EXPECT_EQ(verbCount, 1);
    EXPECT_EQ(verbText(1, VerbField::pastParticiple), "\r");
}

TEST_F(VerbTable, TwentyByteValueRunsOnIntoTheNextField) {
    loadVerbs({verbRecord("abcdefghijklmnopqrst", "go", "went", "gone"),
               verbRecord("x", "y", "z", "01234567890123456789"), verbRecord("next", "", "", "")});
    EXPECT_EQ(verbText(1, VerbField::meaning), "abcdefghijklmnopqrstgo");
    EXPECT_EQ(verbText(1, VerbField::infinitive), "go");
    EXPECT_EQ(verbText(2, VerbField::pastParticiple), "01234567890123456789next");
}

TEST_F(VerbTable, KeepsTheFirst499RecordsAndNeverRunsPastTheTable) {
    std::vector<std::string> records;
    for (int i = 1; i <= 501; ++i) {
        const std::string name = std::to_string(i);
        records.push_back(verbRecord("m" + name, "i" + name,
                                     "PPPPPPPPPPPPPPPPPPP" + name.substr(0, 1),
                                     "QQQQQQQQQQQQQQQQQQQ" + name.substr(0, 1)));
    }
    loadVerbs(records);
    EXPECT_EQ(verbCount, verbCapacity);
    EXPECT_EQ(verbText(499, VerbField::meaning), "m499");
    // Lowercased 20-byte values: the past simple runs on into the past
    // participle, which ends with the table.
    const std::string pastParticiple = std::string(19, 'q') + "4";
    EXPECT_EQ(verbText(499, VerbField::pastSimple), std::string(19, 'p') + "4" + pastParticiple);
    EXPECT_EQ(verbText(499, VerbField::pastParticiple), pastParticiple);
    EXPECT_EQ(verbText(500, VerbField::meaning), "");
    EXPECT_EQ(verbText(-1, VerbField::meaning), "");
}

TEST_F(VerbTable, ChoosesTheFileOfTheDifficulty) {
    writeFile("easy.dat", verbRecord("lehke", "a", "b", "c"));
    writeFile("medium.dat", verbRecord("stredni", "a", "b", "c"));
    writeFile("hard.dat", verbRecord("tezke", "a", "b", "c"));
    const std::pair<std::uint8_t, std::string> cases[] = {
        {0, "lehke"}, {1, "stredni"}, {2, "tezke"}};
    for (const auto& [difficulty, meaning] : cases) {
        settings.difficulty = difficulty;
        EXPECT_EQ(loadVerbTable(), 0);
        EXPECT_EQ(verbText(1, VerbField::meaning), meaning);
    }
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(VerbTable, AReloadReplacesTheWholeTable) {
    loadNumberedVerbs(3);
    loadVerbs({verbRecord("only", "a", "b", "c")});
    EXPECT_EQ(verbCount, 1);
    EXPECT_EQ(verbText(1, VerbField::meaning), "only");
    EXPECT_TRUE(isEmptySlot(2));
    EXPECT_TRUE(isEmptySlot(3));
}

// A missing file, or a difficulty that names no file, shows the message and
// leaves the verbs loaded before.
TEST_F(VerbTable, FailedLoadShowsTheMessageAndKeepsTheTable) {
    loadNumberedVerbs(3);
    writeFile("easy.dat", verbRecord("lehke", "a", "b", "c"));
    writeFile("hard.dat", verbRecord("tezke", "a", "b", "c"));
    std::filesystem::remove("medium.dat");
    for (std::uint8_t difficulty : {std::uint8_t{1}, std::uint8_t{3}, std::uint8_t{255}}) {
        fake.calls.clear();
        settings.difficulty = difficulty;
        EXPECT_EQ(loadVerbTable(), 1) << int{difficulty};
        EXPECT_EQ(fake.calls, std::vector<std::string>{missingFileMessage}) << int{difficulty};
        EXPECT_EQ(verbCount, 3);
        EXPECT_EQ(verbText(3, VerbField::meaning), "verb3");
    }
}

TEST(VerbFileName, NamesTheThreeFilesAndNothingElse) {
    EXPECT_STREQ(verbFileName(0), "easy.dat");
    EXPECT_STREQ(verbFileName(1), "medium.dat");
    EXPECT_STREQ(verbFileName(2), "hard.dat");
    EXPECT_EQ(verbFileName(3), nullptr);
}

}  // namespace
