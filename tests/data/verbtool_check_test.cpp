#include <gtest/gtest.h>

#include "verbtool_run.h"

namespace {

const std::string go = record("j\xEDt", "go", "went", "gone");           // "jít"
const std::string sleep = record("sp\xE1t", "sleep", "slept", "slept");  // "spát"

std::string withByte(std::string bytes, std::size_t offset, char byte) {
    bytes[offset] = byte;
    return bytes;
}

std::string repeated(const std::string& bytes, int times) {
    std::string result;
    for (int time = 0; time < times; ++time) {
        result += bytes;
    }
    return result;
}

struct Finding {
    const char* what;
    std::string bytes;
    std::string message;
};

const Finding findings[] = {
    {"CR LF in padding", withByte(withByte(go + sleep, 5, '\r'), 6, '\n'),
     "record 1 (bytes 0-79): CR LF at byte 5: the trainer reads the pair as one byte"},
    {"CR LF across a field boundary", withByte(withByte(go + sleep, 19, '\r'), 20, '\n'),
     "record 1 (bytes 0-79): CR LF at byte 19"},
    {"CR LF across a record boundary", withByte(withByte(go + sleep, 79, '\r'), 80, '\n'),
     "record 1 (bytes 0-79): CR LF at byte 79"},
    {"0x1A in padding", withByte(go + sleep + go, 100, '\x1A'),
     "record 2 (bytes 80-159): byte 0x1A at byte 100: the trainer's data end there"},
    {"20-byte meaning", record(std::string(20, 'a'), "go", "went", "gone"),
     "record 1 (bytes 0-79): meaning \"aaaaaaaaaaaaaaaaaaaa\": fills all 20 bytes with no NUL"},
    {"empty infinitive", go + record("b\xFDt", "", "was", "been"),
     "record 2 (bytes 80-159): infinitive \"\": is empty"},
    {"undefined byte", record("j\x81t", "go", "went", "gone"),
     "record 1 (bytes 0-79): meaning \"j\\x81t\": holds the byte 0x81, which Windows-1250 leaves "
     "undefined"},
    {"control character", record("j\xEDt", "go", "we\tnt", "gone"),
     "record 1 (bytes 0-79): past simple \"we\\x09nt\": holds the control character 0x09"},
    {"capital letter", record("j\xEDt", "go", "went", "GONE"),
     "record 1 (bytes 0-79): past participle \"GONE\": holds the capital letter \"G\""},
    {"meaning used twice", go + sleep + record("j\xEDt", "walk", "walked", "walked"),
     "record 3 (bytes 160-239): meaning \"j\xC3\xADt\" is also the meaning of record 1 (bytes "
     "0-79)"},
    {"trailing piece of 60 bytes", go + sleep.substr(0, 60),
     "record 2 (bytes 80-139): the file ends with 60 bytes, not a whole 80-byte record (the "
     "trainer reads them as a verb with a cut past participle)"},
    {"trailing piece of 59 bytes", go + sleep.substr(0, 59),
     "record 2 (bytes 80-138): the file ends with 59 bytes, not a whole 80-byte record (the "
     "trainer ignores them)"},
    {"empty file", "", "holds no verb"},
    {"more verbs than the table holds", repeated(go, 500),
     "holds 500 verbs; the trainer loads only 499"},
};

TEST(VerbtoolCheck, ReportsWhatBuildWouldHaveRefused) {
    for (const Finding& finding : findings) {
        SCOPED_TRACE(finding.what);
        const auto file = testDirectory() / "teacher.dat";
        writeBytes(file, finding.bytes);
        const ToolRun run = runTool({"check", file.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find(file.string() + ": " + finding.message), std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find(" problems\n"), std::string::npos);
    }
}

TEST(VerbtoolCheck, PassesASoundFileWhateverItsPadding) {
    const auto file = testDirectory() / "teacher.dat";
    // The loader ignores what follows a value's NUL, so padding is free.
    writeBytes(file, go + withByte(sleep, 30, 'x'));
    const ToolRun run = runTool({"check", file.string()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, file.string() + ": 2 verbs, no problems\n");
}

TEST(VerbtoolCheck, FailsOnAFileThatCannotBeRead) {
    const auto file = testDirectory() / "missing.dat";
    const ToolRun run = runTool({"check", file.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "verbtool: cannot read " + file.string() + "\n");
}

}  // namespace
