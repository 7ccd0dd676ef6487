#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core_test.h"
#include "settings/settings.h"

namespace {

using SettingsFile = CoreTest;

struct Expected {
    std::int32_t testLength;
    std::int32_t reaskWrong;
    int difficulty;
};

void expectSettings(const Expected& expected, const std::string& context) {
    EXPECT_EQ(settings.testLength, expected.testLength) << context;
    EXPECT_EQ(settings.reaskWrong, expected.reaskWrong) << context;
    EXPECT_EQ(int{settings.difficulty}, expected.difficulty) << context;
}

TEST_F(SettingsFile, MissingFileIsCreatedWithTheDefaults) {
    settings = {33, 0, 2};
    loadSettings();
    expectSettings({20, 1, 1}, "defaults");
    EXPECT_EQ(readFile("settings.cfg"), "2011");
    EXPECT_FALSE(std::filesystem::exists("settings.cfg.new"));
    EXPECT_TRUE(fake.calls.empty());
}

// Only the first four bytes count; a field that is missing or out of range
// takes its default (20, on, medium), so the engine and the loader only ever
// see usable values.
TEST_F(SettingsFile, ReadsTheFourBytesAndHoldsBackWhatIsOutOfRange) {
    struct Case {
        std::string bytes;
        Expected expected;
    };
    const Case cases[] = {
        {"1500", {15, 0, 0}},
        {"2500", {25, 0, 0}},
        {"1511", {15, 1, 1}},
        {"5012", {50, 1, 2}},
        {"1000", {10, 0, 0}},
        {"2011\r\n", {20, 1, 1}},
        {"3502garbage", {35, 0, 2}},
        // Any digit but 0 is on, anything else off.
        {"1571", {15, 1, 1}},
        {"15x1", {15, 0, 1}},
        // Lengths outside 10..50.
        {"0912", {20, 1, 2}},
        {"5112", {20, 1, 2}},
        {"9912", {20, 1, 2}},
        {"-512", {20, 1, 2}},
        {" 912", {20, 1, 2}},
        {"1x12", {20, 1, 2}},
        // Difficulties outside "0".."2".
        {"1513", {15, 1, 1}},
        {"151/", {15, 1, 1}},
        {std::string("151\xB2", 4), {15, 1, 1}},
        // Files cut short.
        {"", {20, 1, 1}},
        {"1", {20, 1, 1}},
        {"15", {15, 1, 1}},
        {"150", {15, 0, 1}},
    };
    for (const Case& c : cases) {
        writeFile("settings.cfg", c.bytes);
        loadSettings();
        expectSettings(c.expected, "file \"" + c.bytes + "\"");
        // An existing file is only read.
        EXPECT_EQ(readFile("settings.cfg"), c.bytes);
    }
}

TEST_F(SettingsFile, SaveWritesExactlyFourBytesAndTheRecord) {
    struct Case {
        std::int32_t testLength;
        std::int32_t reaskWrong;
        std::uint8_t difficulty;
        std::string bytes;
        Expected expected;
    };
    const Case cases[] = {
        {10, 0, 0, "1000", {10, 0, 0}},
        {35, 1, 2, "3512", {35, 1, 2}},
        {50, 1, 1, "5011", {50, 1, 1}},
        // Values the panel never passes are held back like a bad file.
        {9, 5, 3, "2011", {20, 1, 1}},
        {51, 0, 255, "2001", {20, 0, 1}},
    };
    for (const Case& c : cases) {
        writeFile("settings.cfg", "4911 and more\r\n");
        EXPECT_EQ(saveSettings(c.testLength, c.reaskWrong, c.difficulty), 0);
        EXPECT_EQ(readFile("settings.cfg"), c.bytes);
        expectSettings(c.expected, "saved " + c.bytes);
        EXPECT_FALSE(std::filesystem::exists("settings.cfg.new"));
        loadSettings();
        expectSettings(c.expected, "read back " + c.bytes);
    }
}

TEST_F(SettingsFile, SaveCreatesAMissingFile) {
    EXPECT_EQ(saveSettings(12, 0, 0), 0);
    EXPECT_EQ(readFile("settings.cfg"), "1200");
}

// When the new content cannot be written, the old file stays whole and the
// caller learns of it; the record holds the new values anyway.
TEST_F(SettingsFile, FailedSaveLeavesTheOldFileIntact) {
    writeFile("settings.cfg", "3000");
    std::filesystem::create_directory("settings.cfg.new");
    EXPECT_EQ(saveSettings(45, 1, 2), 1);
    EXPECT_EQ(readFile("settings.cfg"), "3000");
    expectSettings({45, 1, 2}, "after failed save");
}

TEST_F(SettingsFile, FileThatCanBeNeitherReadNorCreatedGivesTheDefaults) {
    settings = {33, 0, 2};
    std::filesystem::create_directory("settings.cfg.new");
    loadSettings();
    expectSettings({20, 1, 1}, "no file");
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
}

}  // namespace
