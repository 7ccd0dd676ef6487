#include <optional>
#include <string_view>

#include "commands.h"
#include "cp1250.h"
#include "file_io.h"
#include "verb_source.h"

namespace {

// The trainer's table opens with the rows of these verbs and the forms it has
// always accepted for them; their rows are not repeated.
constexpr std::string_view builtInKeys[] = {
    "sp\xE1lit se",    // "spálit se"
    "n\xE9st, rodit",  // "nést, rodit"
    "peskovat",
};

bool isHexDigit(char character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f') ||
           (character >= 'A' && character <= 'F');
}

// A C++ string literal of the bytes. A hex escape takes every hex digit after
// it, so a literal that goes on with one is closed and reopened: "\xE1" "b".
std::string literal(std::string_view bytes) {
    constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "\"";
    bool afterHexEscape = false;
    for (const char character : bytes) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte >= 0x7F) {
            text += "\\x";
            text += digits[byte >> 4];
            text += digits[byte & 0x0F];
            afterHexEscape = true;
            continue;
        }
        if (afterHexEscape && isHexDigit(character)) {
            text += "\" \"";
        }
        if (character == '"' || character == '\\') {
            text += '\\';
        }
        text += character;
        afterHexEscape = false;
    }
    return text + "\"";
}

std::string formPair(const std::vector<std::string>& forms) {
    return "{" + literal(forms.front()) + ", " + literal(forms.size() == 2 ? forms[1] : "") + "}";
}

bool isBuiltIn(const SourceVerb& verb) {
    for (const std::string_view key : builtInKeys) {
        if (verb.meaning == key) {
            return true;
        }
    }
    return false;
}

bool hasTwoForms(const SourceVerb& verb) {
    return verb.pastSimple.size() == 2 || verb.pastParticiple.size() == 2;
}

std::string alternativeFormsInclude(const std::vector<SourceVerb>& verbs) {
    std::string text =
        "// Made by \"verbtool forms\" from the verb list in data/: edit the list and\n"
        "// make this file again, never by hand. Keys and forms are Windows-1250.\n";
    for (const SourceVerb& verb : verbs) {
        if (!hasTwoForms(verb) || isBuiltIn(verb)) {
            continue;
        }
        if (displayText(verb.meaning) != verb.meaning) {
            text += "    // \"" + displayText(verb.meaning) + "\"\n";
        }
        text += "    {" + literal(verb.meaning) + ", " + literal(verb.infinitive) + ", " +
                formPair(verb.pastSimple) + ", " + formPair(verb.pastParticiple) + "},\n";
    }
    return text;
}

}  // namespace

int writeAlternativeForms(const std::string& sourcePath, const std::string& outPath,
                          std::ostream& err) {
    const std::optional<std::vector<SourceVerb>> verbs = loadVerbSource(sourcePath, err);
    if (!verbs || !writeFileBytes(outPath, alternativeFormsInclude(*verbs), err)) {
        return 1;
    }
    return 0;
}
