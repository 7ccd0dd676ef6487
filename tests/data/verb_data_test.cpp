// The shipped verb files, read with the trainer's own loader and judged by
// its own answer checking.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "platform/platform.h"
#include "resource.h"
#include "test/answer_check.h"
#include "test/test_engine.h"
#include "verb_source.h"
#include "verbs/verb_table.h"

namespace {

const std::filesystem::path dataDirectory = KALVENA_DATA_DIR;
constexpr const char* fileNames[] = {"easy.dat", "medium.dat", "hard.dat"};
constexpr int levels = 3;

struct LoadedVerb {
    std::string meaning;
    std::string infinitive;
    std::string pastSimple;
    std::string pastParticiple;

    auto operator<=>(const LoadedVerb&) const = default;
};

std::vector<LoadedVerb> loadShippedFile(int level) {
    EXPECT_EQ(loadVerbFile((dataDirectory / fileNames[level]).string()), 0);
    std::vector<LoadedVerb> verbs;
    for (int slot = 1; slot <= verbCount; ++slot) {
        verbs.push_back({verbText(slot, VerbField::meaning), verbText(slot, VerbField::infinitive),
                         verbText(slot, VerbField::pastSimple),
                         verbText(slot, VerbField::pastParticiple)});
    }
    return verbs;
}

std::vector<SourceVerb> verbList() {
    std::ifstream file(dataDirectory / "verbs.txt", std::ios::binary);
    VerbSource source = readVerbSource(file);
    EXPECT_EQ(source.errors, std::vector<std::string>{});
    return source.verbs;
}

TEST(ShippedVerbFiles, HoldEnoughVerbs) {
    const int least[levels] = {60, 120, 180};
    for (int level = 0; level < levels; ++level) {
        EXPECT_GE(loadShippedFile(level).size(), static_cast<std::size_t>(least[level]))
            << fileNames[level];
    }
}

TEST(ShippedVerbFiles, EachHoldsTheVerbsOfTheEasierOnes) {
    for (int level = 1; level < levels; ++level) {
        const std::vector<LoadedVerb> easier = loadShippedFile(level - 1);
        const std::vector<LoadedVerb> harder = loadShippedFile(level);
        const std::set<LoadedVerb> harderSet(harder.begin(), harder.end());
        for (const LoadedVerb& verb : easier) {
            EXPECT_TRUE(harderSet.contains(verb))
                << verb.infinitive << " of " << fileNames[level - 1] << " in " << fileNames[level];
        }
        EXPECT_GT(harder.size(), easier.size());
    }
}

TEST(ShippedVerbFiles, MeaningsAreUniqueWithinEachFile) {
    for (int level = 0; level < levels; ++level) {
        std::map<std::string, std::string> infinitives;
        for (const LoadedVerb& verb : loadShippedFile(level)) {
            const auto [first, isNew] = infinitives.emplace(verb.meaning, verb.infinitive);
            EXPECT_TRUE(isNew) << fileNames[level] << ": " << verb.infinitive << " and "
                               << first->second << " share a meaning";
        }
    }
}

// Meanings: lower-case Czech words, with commas and parentheses between them.
// Forms: lower-case English letters alone.
TEST(ShippedVerbFiles, ValuesAreShortLowerCaseWords) {
    const std::string czechLetters =
        "abcdefghijklmnopqrstuvwxyz\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E";
    const std::string meaningCharacters = czechLetters + " ,()";
    for (const LoadedVerb& verb : loadShippedFile(levels - 1)) {
        SCOPED_TRACE(verb.infinitive);
        EXPECT_LE(verb.meaning.size(), 19u);
        EXPECT_EQ(verb.meaning.find_first_not_of(meaningCharacters), std::string::npos);
        EXPECT_EQ(czechLetters.find(verb.meaning.front()) != std::string::npos &&
                      verb.meaning.back() != ' ' && verb.meaning.find("  ") == std::string::npos,
                  true);
        for (const std::string& form : {verb.infinitive, verb.pastSimple, verb.pastParticiple}) {
            EXPECT_FALSE(form.empty());
            EXPECT_LE(form.size(), 19u);
            EXPECT_EQ(form.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos)
                << form;
        }
    }
}

TEST(ShippedVerbFiles, HoldTheThreeVerbsWithBuiltInAlternativesWhereTheyBelong) {
    struct Placement {
        const char* key;
        const char* infinitive;
        bool inFile[levels];
    };
    const Placement placements[] = {
        {"sp\xE1lit se", "burn", {false, true, true}},    // "spálit se"
        {"n\xE9st, rodit", "bear", {false, true, true}},  // "nést, rodit"
        {"peskovat", "chide", {false, false, true}},
    };
    for (int level = 0; level < levels; ++level) {
        const std::vector<LoadedVerb> verbs = loadShippedFile(level);
        for (const Placement& placement : placements) {
            const auto verb = std::find_if(verbs.begin(), verbs.end(), [&](const LoadedVerb& v) {
                return v.meaning == placement.key;
            });
            EXPECT_EQ(verb != verbs.end(), placement.inFile[level])
                << placement.infinitive << " in " << fileNames[level];
            if (verb != verbs.end()) {
                EXPECT_EQ(verb->infinitive, placement.infinitive);
            }
        }
    }
}

// Types the answer into the three edit boxes; the popups only record the verdict.
class TypingPlatform : public Platform {
public:
    std::map<int, std::string> typed;

    std::string controlText(int id, int bufferSize) override {
        return typed[id].substr(0, static_cast<std::size_t>(bufferSize - 1));
    }
    std::int64_t currentTime() override { return 0; }
    void showError(const std::string&, const std::string&) override {}
    void setControlText(int, const std::string&) override {}
    void setProgressRange(int) override {}
    void setProgressPosition(int) override {}
    void setFocus(int) override {}
    void switchTestControls(bool) override {}
    void openResultsPanel() override {}
    void showCorrectPopup() override {}
    void showWrongPopup() override {}
};

// 0 accepted, 1 wrong: the trainer's verdict on the typed forms for a slot.
int verdict(TypingPlatform& typing, int slot, const std::string& infinitive,
            const std::string& pastSimple, const std::string& pastParticiple) {
    typing.typed = {{IDC_INFINITIVE, infinitive},
                    {IDC_PAST_SIMPLE, pastSimple},
                    {IDC_PAST_PARTICIPLE, pastParticiple}};
    currentVerb = slot;
    askedCount = 1;
    correctCount = 0;
    return checkAnswer();
}

// Every combination of the standard forms that the list gives a verb is
// accepted in every file that holds it: judging a standard form wrong would
// teach something false.
TEST(ShippedVerbFiles, EveryStandardFormIsAccepted) {
    TypingPlatform typing;
    setPlatform(&typing);
    const std::vector<SourceVerb> list = verbList();
    for (int level = 0; level < levels; ++level) {
        const std::vector<LoadedVerb> loaded = loadShippedFile(level);
        for (const SourceVerb& verb : verbsOfLevel(list, static_cast<Level>(level))) {
            const auto found = std::find_if(loaded.begin(), loaded.end(), [&](const LoadedVerb& v) {
                return v.meaning == verb.meaning;
            });
            ASSERT_NE(found, loaded.end()) << verb.infinitive << " in " << fileNames[level];
            const int slot = static_cast<int>(found - loaded.begin()) + 1;
            for (const std::string& pastSimple : verb.pastSimple) {
                for (const std::string& pastParticiple : verb.pastParticiple) {
                    EXPECT_EQ(verdict(typing, slot, verb.infinitive, pastSimple, pastParticiple), 0)
                        << fileNames[level] << ": " << verb.infinitive << " " << pastSimple << " "
                        << pastParticiple;
                }
            }
            // The verdict is not acceptance whatever is typed.
            EXPECT_EQ(verdict(typing, slot, verb.infinitive, verb.pastSimple.front() + "x",
                              verb.pastParticiple.front()),
                      1)
                << verb.infinitive;
        }
    }
    setPlatform(nullptr);
}

}  // namespace
