#include <gtest/gtest.h>

#include "verbtool_run.h"

namespace {

const std::string go = record("j\xEDt", "go", "went", "gone");           // "jít"
const std::string sleep = record("sp\xE1t", "sleep", "slept", "slept");  // "spát"

std::string withBytes(std::string bytes, std::size_t offset, const std::string& replacement) {
    return bytes.replace(offset, replacement.size(), replacement);
}

struct Reading {
    const char* what;
    std::string bytes;
    std::string printed;
};

// The trainer's loader reads the file as a text stream would deliver it.
const Reading readings[] = {
    {"empty file", "", "verbs: 0\n"},
    {"values lowercased from A to Z only, padding after the NUL ignored",
     record("\xC8"
            "EKAT",
            "Wait", "WAITED", "waited") +
         withBytes(sleep, 5, "xyz"),
     "verbs: 2\n1\t\xC4\x8C"
     "ekat\twait\twaited\twaited\n2\tsp\xC3\xA1t\tsleep\tslept\tslept\n"},
    {"control characters, undefined bytes and backslashes escaped",
     record("a\tb", "c\\d", "e\x81", "f"), "verbs: 1\n1\ta\\x09b\tc\\\\d\te\\x81\tf\n"},
    {"CR LF in the first record: the rest is read one byte off", withBytes(go + go, 5, "\r\n"),
     "verbs: 2\n1\tj\xC3\xADt\to\tent\tone\n2\t\xC3\xADt\to\tent\tone\n"},
    {"a lone CR is read as it is", withBytes(go, 5, "\r"),
     "verbs: 1\n1\tj\xC3\xADt\tgo\twent\tgone\n"},
    {"0x1A at byte 100 ends the data", withBytes(go + sleep + go, 100, "\x1A"),
     "verbs: 1\n1\tj\xC3\xADt\tgo\twent\tgone\n"},
    {"a 20-byte meaning runs on into the infinitive",
     record(std::string(20, 'a'), "go", "went", "gone"),
     "verbs: 1\n1\taaaaaaaaaaaaaaaaaaaago\tgo\twent\tgone\n"},
    {"a 20-byte past participle runs on into the next slot's meaning",
     record("j\xEDt", "go", "went", std::string(20, 'g')) + sleep,
     "verbs: 2\n1\tj\xC3\xADt\tgo\twent\t" + std::string(20, 'g') +
         "sp\xC3\xA1t\n2\tsp\xC3\xA1t\tsleep\tslept\tslept\n"},
    {"a trailing record of 60 bytes has an empty past participle", go + sleep.substr(0, 60),
     "verbs: 2\n1\tj\xC3\xADt\tgo\twent\tgone\n2\tsp\xC3\xA1t\tsleep\tslept\t\n"},
    {"a trailing record of 75 bytes has the past participle present",
     go + record("sp\xE1t", "sleep", "slept", "abcdefghijklmnopq").substr(0, 75),
     "verbs: 2\n1\tj\xC3\xADt\tgo\twent\tgone\n2\tsp\xC3\xA1t\tsleep\tslept\tabcdefghijklmno\n"},
    {"a trailing piece of 59 bytes is no verb", go + sleep.substr(0, 59),
     "verbs: 1\n1\tj\xC3\xADt\tgo\twent\tgone\n"},
};

TEST(VerbtoolDump, PrintsWhatTheTrainerLoads) {
    for (const Reading& reading : readings) {
        SCOPED_TRACE(reading.what);
        const auto file = testDirectory() / "verbs.dat";
        writeBytes(file, reading.bytes);
        const ToolRun run = runTool({"dump", file.string()});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, reading.printed);
        EXPECT_EQ(run.err, "");
    }
}

TEST(VerbtoolDump, ShowsTheLoadersMessageForAFileThatCannotBeOpened) {
    const ToolRun run = runTool({"dump", (testDirectory() / "missing.dat").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Chyba: Datab\xC3\xA1ze sloves pro tuto obt\xC3\xAD\xC5\xBEnost nenalezena!\n");
}

}  // namespace
