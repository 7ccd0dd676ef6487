#include "verb_source.h"

#include <fstream>

#include "cp1250.h"
#include "record_check.h"
#include "verbs/verb_table.h"

namespace {

constexpr char levelNames[3][7] = {"easy", "medium", "hard"};
constexpr int fieldsPerLine = 5;

bool isComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string codePointName(char32_t codePoint) {
    constexpr char digits[] = "0123456789ABCDEF";
    std::string name = "U+";
    for (int shift = codePoint > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) {
        name += digits[(codePoint >> shift) & 0x0F];
    }
    return name;
}

// Collects the errors of one line, each naming the line.
class LineErrors {
public:
    LineErrors(int line, std::vector<std::string>& errors) : line_(line), errors_(errors) {}

    void add(const std::string& text) {
        errors_.push_back("line " + std::to_string(line_) + ": " + text);
    }

private:
    int line_;
    std::vector<std::string>& errors_;
};

// The Windows-1250 bytes of a UTF-8 field, or none after reporting why not.
std::optional<std::string> encodeField(std::string_view utf8, const char* field,
                                       LineErrors& errors) {
    const std::optional<std::u32string> codePoints = decodeUtf8(utf8);
    if (!codePoints) {
        errors.add(std::string(field) + ": not valid UTF-8");
        return std::nullopt;
    }
    std::string bytes;
    for (const char32_t codePoint : *codePoints) {
        const std::optional<unsigned char> byte = unicodeToCp1250(codePoint);
        if (!byte) {
            std::string character;
            appendUtf8(character, codePoint);
            errors.add(std::string(field) + " \"" + std::string(utf8) + "\": \"" + character +
                       "\" (" + codePointName(codePoint) + ") has no Windows-1250 byte");
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

bool checkValue(const std::string& value, const char* field, LineErrors& errors) {
    const std::vector<std::string> problems = valueProblems(value);
    for (const std::string& problem : problems) {
        errors.add(std::string(field) + " \"" + displayText(value) + "\": " + problem);
    }
    return problems.empty();
}

// A field of one or, with a '/', two forms.
std::optional<std::vector<std::string>> parseForms(std::string_view utf8, const char* field,
                                                   bool mayHaveTwo, LineErrors& errors) {
    const std::optional<std::string> bytes = encodeField(utf8, field, errors);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> forms;
    for (const std::string_view form : split(*bytes, '/')) {
        forms.emplace_back(form);
    }
    if (forms.size() > (mayHaveTwo ? 2u : 1u)) {
        errors.add(std::string(field) + " \"" + std::string(utf8) + "\": " +
                   (mayHaveTwo ? "lists more than two forms" : "has a single form, without '/'"));
        return std::nullopt;
    }
    bool sound = true;
    for (const std::string& form : forms) {
        sound = checkValue(form, field, errors) && sound;
    }
    if (forms.size() == 2 && forms[0] == forms[1]) {
        errors.add(std::string(field) + " \"" + std::string(utf8) + "\": lists a form twice");
        sound = false;
    }
    return sound ? std::optional(forms) : std::nullopt;
}

void parseLine(std::string_view line, int number, VerbSource& source) {
    LineErrors errors(number, source.errors);
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() != fieldsPerLine) {
        errors.add(
            "expected 5 fields separated by tabs (level, meaning, infinitive, past "
            "simple, past participle), found " +
            std::to_string(fields.size()));
        return;
    }
    SourceVerb verb;
    verb.line = number;
    const std::optional<Level> level = levelNamed(fields[0]);
    if (!level) {
        errors.add("level \"" + std::string(fields[0]) + "\": not easy, medium or hard");
    }
    const std::optional<std::string> meaning = encodeField(fields[1], verbFieldNames[0], errors);
    const bool meaningSound = meaning && checkValue(*meaning, verbFieldNames[0], errors);
    const auto infinitive = parseForms(fields[2], verbFieldNames[1], false, errors);
    const auto pastSimple = parseForms(fields[3], verbFieldNames[2], true, errors);
    const auto pastParticiple = parseForms(fields[4], verbFieldNames[3], true, errors);
    if (level && meaningSound && infinitive && pastSimple && pastParticiple) {
        source.verbs.push_back(
            {number, *level, *meaning, infinitive->front(), *pastSimple, *pastParticiple});
    }
}

}  // namespace

std::optional<Level> levelNamed(std::string_view name) {
    for (int level = 0; level < 3; ++level) {
        if (name == levelNames[level]) {
            return static_cast<Level>(level);
        }
    }
    return std::nullopt;
}

VerbSource readVerbSource(std::istream& in) {
    VerbSource source;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        // A list saved with Windows line ends reads the same.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!isComment(line)) {
            parseLine(line, number, source);
        }
    }
    if (source.errors.empty()) {
        // The hardest file holds every verb: what it would get wrong is wrong
        // in the list, whichever level is built.
        const auto lineOf = [&source](int record) {
            return "line " + std::to_string(source.verbs[static_cast<std::size_t>(record)].line);
        };
        source.errors = verbFileProblems(verbFileBytes(source.verbs), lineOf);
    }
    if (!source.errors.empty()) {
        source.verbs.clear();
    }
    return source;
}

std::optional<std::vector<SourceVerb>> loadVerbSource(const std::string& path, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        err << "verbtool: cannot open " << path << '\n';
        return std::nullopt;
    }
    VerbSource source = readVerbSource(file);
    if (file.bad()) {
        err << "verbtool: cannot read " << path << '\n';
        return std::nullopt;
    }
    for (const std::string& error : source.errors) {
        err << path << ": " << error << '\n';
    }
    if (!source.errors.empty()) {
        return std::nullopt;
    }
    return std::move(source.verbs);
}

std::vector<SourceVerb> verbsOfLevel(const std::vector<SourceVerb>& verbs, Level level) {
    std::vector<SourceVerb> selected;
    for (const SourceVerb& verb : verbs) {
        if (verb.level <= level) {
            selected.push_back(verb);
        }
    }
    return selected;
}

std::string verbFileBytes(const std::vector<SourceVerb>& verbs) {
    std::string bytes;
    for (const SourceVerb& verb : verbs) {
        for (const std::string* value : {&verb.meaning, &verb.infinitive, &verb.pastSimple.front(),
                                         &verb.pastParticiple.front()}) {
            // A longer value has been refused already; cutting it keeps every
            // record 80 bytes long.
            std::string field = value->substr(0, verbFieldSize);
            field.resize(verbFieldSize, '\0');
            bytes += field;
        }
    }
    return bytes;
}
