// The readable verb list in data/: UTF-8 text, one verb a line, with the
// level, the Czech meaning, the infinitive, the past simple and the past
// participle separated by tabs. A form with two standard variants is written
// "first/second". Blank lines and lines starting with '#' are comments.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Each level's file also holds the verbs of the easier levels.
enum class Level { easy, medium, hard };

std::optional<Level> levelNamed(std::string_view name);

struct SourceVerb {
    int line = 0;
    Level level = Level::easy;
    // Windows-1250 bytes.
    std::string meaning;
    std::string infinitive;
    // One or two forms each; the verb files store the first.
    std::vector<std::string> pastSimple;
    std::vector<std::string> pastParticiple;
};

struct VerbSource {
    std::vector<SourceVerb> verbs;
    std::vector<std::string> errors;  // "line N: ..."
};

// Reads and checks the whole list, whatever the level of a line: every verb
// must make a record that the trainer reads right, with sound alternative
// forms, and no two verbs may share a meaning. The verbs are kept only when
// there is no error.
VerbSource readVerbSource(std::istream& in);

// The list in the file at path; on any error, each is written to err as
// "<path>: line N: ..." and there is no list.
std::optional<std::vector<SourceVerb>> loadVerbSource(const std::string& path, std::ostream& err);

// The verbs of the list that the file of the given level holds, in list order.
std::vector<SourceVerb> verbsOfLevel(const std::vector<SourceVerb>& verbs, Level level);

// The verb file of a checked list: one 80-byte record a verb, each field
// padded with NUL bytes.
std::string verbFileBytes(const std::vector<SourceVerb>& verbs);
