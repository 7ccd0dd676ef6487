#include "test/answer_check.h"

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "resource.h"
#include "test/test_engine.h"
#include "verbs/verb_table.h"

namespace {

struct TypedAnswer {
    std::string infinitive;
    std::string pastSimple;
    std::string pastParticiple;
};

// What WM_GETTEXT gives with a buffer of typedFormBuffer characters, with
// 'A'..'Z' folded; everything else, spaces included, counts as typed.
std::string readTypedForm(int id) {
    std::string text = platform().controlText(id, typedFormBuffer);
    text.resize(std::min<std::size_t>(text.size(), typedFormBuffer - 1));
    lowercaseAscii(text);
    return text;
}

TypedAnswer readTypedAnswer() {
    TypedAnswer typed;
    typed.infinitive = readTypedForm(IDC_INFINITIVE);
    typed.pastSimple = readTypedForm(IDC_PAST_SIMPLE);
    typed.pastParticiple = readTypedForm(IDC_PAST_PARTICIPLE);
    return typed;
}

// A stored form of 20 bytes reads as more than 20 characters, so it never
// equals a typed form.
bool matchesRecord(const TypedAnswer& typed, int slot) {
    return typed.infinitive == verbText(slot, VerbField::infinitive) &&
           typed.pastSimple == verbText(slot, VerbField::pastSimple) &&
           typed.pastParticiple == verbText(slot, VerbField::pastParticiple);
}

// An empty form in the table stands for "no second form", never for an empty
// typed text.
bool matchesOneOf(const std::string& typed, const std::string_view (&forms)[2]) {
    for (std::string_view form : forms) {
        if (!form.empty() && typed == form) {
            return true;
        }
    }
    return false;
}

bool matchesAlternative(const TypedAnswer& typed, int slot) {
    const std::string meaning = verbText(slot, VerbField::meaning);
    for (int row = 0; row < alternativeFormCount; ++row) {
        const AlternativeForm& forms = alternativeForms[row];
        if (meaning == forms.key && typed.infinitive == forms.infinitive &&
            matchesOneOf(typed.pastSimple, forms.pastSimple) &&
            matchesOneOf(typed.pastParticiple, forms.pastParticiple)) {
            return true;
        }
    }
    return false;
}

}  // namespace

int checkAnswer() {
    const TypedAnswer typed = readTypedAnswer();
    if (matchesRecord(typed, currentVerb) || matchesAlternative(typed, currentVerb)) {
        // Counted before the popup shows, so the popup already sees it.
        ++correctCount;
        platform().showCorrectPopup();
        return 0;
    }
    platform().showWrongPopup();
    // Recorded only once the popup has closed; the position is the number of
    // wrong answers so far, this one included.
    const int position = askedCount - correctCount;
    if (position >= 1 && position <= testListSize) {
        wrongList[position - 1] = currentVerb;
    }
    return 1;
}
