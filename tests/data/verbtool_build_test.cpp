#include <gtest/gtest.h>

#include "verbtool_run.h"

namespace {

constexpr char goodLine[] = "easy\tj\xC3\xADt\tgo\twent\tgone\n";  // "jít"

struct Refusal {
    const char* what;
    std::string line;  // the second line of the list, after goodLine
    std::string message;
};

// Every faulty line is a "hard" one and the "easy" file is built: the whole
// list is checked whatever the level.
const Refusal refusals[] = {
    {"meaning of 20 bytes", "hard\taaaaaaaaaaaaaaaaaaaa\tbe\twas\tbeen",
     "line 2: meaning \"aaaaaaaaaaaaaaaaaaaa\": is 20 bytes long in Windows-1250; a field holds "
     "at most 19"},
    {"Czech meaning of 20 letters, counted in Windows-1250 bytes",
     "hard\taaaaaaaaaa"
     "\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA"
     "\tbe\twas\tbeen",
     "line 2: meaning \"aaaaaaaaaa\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA\xC3\xBA"
     "\xC3\xBA\xC3\xBA\": is 20 bytes long"},
    {"infinitive of 20 bytes", "hard\tb\xC3\xBDt\tbbbbbbbbbbbbbbbbbbbb\twas\tbeen",
     "line 2: infinitive \"bbbbbbbbbbbbbbbbbbbb\": is 20 bytes long"},
    {"second form of 20 bytes", "hard\tb\xC3\xBDt\tbe\twas/wwwwwwwwwwwwwwwwwwww\tbeen",
     "line 2: past simple \"wwwwwwwwwwwwwwwwwwww\": is 20 bytes long"},
    {"character outside Windows-1250", "hard\tb\xC3\xBDt \xC3\xB1\tbe\twas\tbeen",
     "line 2: meaning \"b\xC3\xBDt \xC3\xB1\": \"\xC3\xB1\" (U+00F1) has no Windows-1250 byte"},
    {"empty meaning", "hard\t\tbe\twas\tbeen", "line 2: meaning \"\": is empty"},
    {"empty past participle", "hard\tb\xC3\xBDt\tbe\twas\t",
     "line 2: past participle \"\": is empty"},
    {"empty second form", "hard\tb\xC3\xBDt\tbe\twas/\tbeen", "line 2: past simple \"\": is empty"},
    {"meaning used twice", "hard\tj\xC3\xADt\twalk\twalked\twalked",
     "line 2: meaning \"j\xC3\xADt\" is also the meaning of line 1"},
    {"carriage return inside a value", "hard\tb\xC3\xBDt\tbe\twa\rs\tbeen",
     "line 2: past simple \"wa\\x0Ds\": holds the control character 0x0D"},
    {"byte 0x1A inside a value", "hard\tb\xC3\xBDt\tbe\twas\tbeen\x1A",
     "line 2: past participle \"been\\x1A\": holds the control character 0x1A"},
    {"capital letter", "hard\tB\xC3\xBDt\tbe\twas\tbeen",
     "line 2: meaning \"B\xC3\xBDt\": holds the capital letter \"B\""},
    {"capital letter with a diacritic",
     "hard\t\xC4\x8C"
     "ekat\twait\twaited\twaited",
     "line 2: meaning \"\xC4\x8C"
     "ekat\": holds the capital letter \"\xC4\x8C\""},
    {"space at an end", "hard\tb\xC3\xBDt\tbe \twas\tbeen",
     "line 2: infinitive \"be \": begins or ends with a space"},
    {"four fields", "hard\tb\xC3\xBDt\tbe\twas", "line 2: expected 5 fields"},
    {"six fields", "hard\tb\xC3\xBDt\tbe\twas\tbeen\t", "line 2: expected 5 fields"},
    {"unknown level", "simple\tb\xC3\xBDt\tbe\twas\tbeen",
     "line 2: level \"simple\": not easy, medium or hard"},
    {"malformed UTF-8", "hard\tb\xC3t\tbe\twas\tbeen", "line 2: meaning: not valid UTF-8"},
    {"three forms", "hard\tb\xC3\xBDt\tbe\twas/were/wast\tbeen",
     "line 2: past simple \"was/were/wast\": lists more than two forms"},
    {"two infinitives", "hard\tb\xC3\xBDt\tbe/are\twas\tbeen",
     "line 2: infinitive \"be/are\": has a single form"},
    {"a form twice", "hard\tb\xC3\xBDt\tbe\twas/was\tbeen",
     "line 2: past simple \"was/was\": lists a form twice"},
};

TEST(VerbtoolBuild, RefusesWhatTheTrainerWouldGetWrongNamingTheLine) {
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        const auto directory = testDirectory();
        writeBytes(directory / "verbs.txt", std::string(goodLine) + refusal.line + "\n");
        const ToolRun run = runTool({"build", (directory / "verbs.txt").string(), "easy",
                                     (directory / "easy.dat").string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(directory / "easy.dat"));
    }
}

TEST(VerbtoolBuild, WritesEachLevelWithTheEasierOnesInListOrder) {
    const auto directory = testDirectory();
    writeBytes(directory / "verbs.txt",
               "# comment\r\n"
               "\r\n"
               "hard\t\xC5\xA1\xC3\xADt\tsew\tsewed\tsewn/sewed\r\n"  // "šít"
               "easy\tj\xC3\xADt\tgo\twent\tgone\r\n"
               "   # indented comment\n"
               "medium\tu\xC4\x8Dit se\tlearn\tlearnt/learned\tlearnt/learned\n");  // "učit se"
    const std::string sew = record("\x9A\xEDt", "sew", "sewed", "sewn");
    const std::string go = record("j\xEDt", "go", "went", "gone");
    const std::string learn = record("u\xE8it se", "learn", "learnt", "learnt");
    struct Case {
        const char* level;
        std::string bytes;
        const char* report;
    };
    for (const Case& level :
         {Case{"easy", go, ": 1 verbs\n"}, Case{"medium", go + learn, ": 2 verbs\n"},
          Case{"hard", sew + go + learn, ": 3 verbs\n"}}) {
        SCOPED_TRACE(level.level);
        const std::string out = (directory / (std::string(level.level) + ".dat")).string();
        const ToolRun run =
            runTool({"build", (directory / "verbs.txt").string(), level.level, out});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, out + level.report);
        EXPECT_EQ(readBytes(out), level.bytes);
    }
}

TEST(VerbtoolBuild, TakesValuesOfNineteenWindows1250Bytes) {
    const auto directory = testDirectory();
    std::string nineteenLetters;  // "ú" nineteen times: 38 bytes of UTF-8, 19 of Windows-1250
    for (int letter = 0; letter < 19; ++letter) {
        nineteenLetters += "\xC3\xBA";
    }
    const std::string nineteen(19, 'a');
    writeBytes(directory / "verbs.txt", "easy\t" + nineteenLetters + "\t" + nineteen + "\t" +
                                            nineteen + "\t" + nineteen + "/b\n");
    const ToolRun run = runTool(
        {"build", (directory / "verbs.txt").string(), "easy", (directory / "easy.dat").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(directory / "easy.dat"),
              record(std::string(19, '\xFA'), nineteen, nineteen, nineteen));
}

TEST(VerbtoolBuild, RefusesALevelWithoutVerbsAndUnknownLevels) {
    const auto directory = testDirectory();
    writeBytes(directory / "verbs.txt", "hard\tj\xC3\xADt\tgo\twent\tgone\n");
    const std::string out = (directory / "easy.dat").string();

    const ToolRun empty = runTool({"build", (directory / "verbs.txt").string(), "easy", out});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("holds no verb"), std::string::npos) << empty.err;

    const ToolRun unknown = runTool({"build", (directory / "verbs.txt").string(), "Easy", out});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("level \"Easy\": not easy, medium or hard"), std::string::npos);

    const ToolRun missing = runTool({"build", (directory / "none.txt").string(), "easy", out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(VerbtoolForms, WritesARowForEachVerbWithTwoFormsButTheBuiltInOnes) {
    const auto directory = testDirectory();
    writeBytes(directory / "verbs.txt",
               "easy\tu\xC4\x8Dit se\tlearn\tlearnt/learned\tlearnt/learned\n"
               "easy\tj\xC3\xADt\tgo\twent\tgone\n"
               "medium\tsp\xC3\xA1lit se\tburn\tburnt/burned\tburnt/burned\n"
               "medium\tn\xC3\xA9st, rodit\tbear\tbore\tborne/born\n"
               "hard\tpeskovat\tchide\tchid\tchidden/chid\n"
               "hard\t\xC5\xA1\xC3\xADt\tsew\tsewed\tsewn/sewed\n"
               "hard\tp\xC5\x99"
               "eb\xC3\xBDvat\tdwell\tdwelt/dwelled\tdwelt/dwelled\n"
               "hard\tsezdat, oddat\twed\twed/wedded\twed/wedded\n");
    const auto out = directory / "extra.inc";
    const ToolRun run = runTool({"forms", (directory / "verbs.txt").string(), out.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    // A hex escape is closed before a following hex digit: "\xF8" "eb".
    EXPECT_EQ(
        readBytes(out),
        "// Made by \"verbtool forms\" from the verb list in data/: edit the list and\n"
        "// make this file again, never by hand. Keys and forms are Windows-1250.\n"
        "    // \"u\xC4\x8Dit se\"\n"
        "    {\"u\\xE8it se\", \"learn\", {\"learnt\", \"learned\"}, {\"learnt\", \"learned\"}},\n"
        "    // \"\xC5\xA1\xC3\xADt\"\n"
        "    {\"\\x9A\\xEDt\", \"sew\", {\"sewed\", \"\"}, {\"sewn\", \"sewed\"}},\n"
        "    // \"p\xC5\x99"
        "eb\xC3\xBDvat\"\n"
        "    {\"p\\xF8\" \"eb\\xFDvat\", \"dwell\", {\"dwelt\", \"dwelled\"}, "
        "{\"dwelt\", \"dwelled\"}},\n"
        "    {\"sezdat, oddat\", \"wed\", {\"wed\", \"wedded\"}, {\"wed\", \"wedded\"}},\n");
}

TEST(VerbtoolForms, RefusesAFaultyList) {
    const auto directory = testDirectory();
    writeBytes(directory / "verbs.txt", "easy\tu\xC4\x8Dit se\tlearn\tlearnt/\tlearnt\n");
    const auto out = directory / "extra.inc";
    const ToolRun run = runTool({"forms", (directory / "verbs.txt").string(), out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 1: past simple \"\": is empty"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Verbtool, ShowsItsUsageOnWrongArguments) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"build", "verbs.txt", "easy.dat"},
                                                 {"dump"},
                                                 {"list", "x"}}) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("usage:\n", 0), 0u) << run.err;
    }
}

}  // namespace
