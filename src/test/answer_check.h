// Judging one typed answer against the verb being asked.
#pragma once

#include <string_view>

constexpr int typedFormBuffer = 20;  // so at most 19 characters are read

struct AlternativeForm {
    std::string_view key;  // the record's meaning, Windows-1250
    std::string_view infinitive;
    std::string_view pastSimple[2];  // an empty second form: none
    std::string_view pastParticiple[2];
};

// 0: accepted (after the CorrectPopup), 1: wrong (after the WrongPopup).
int checkAnswer();

// The verbs that accept more than one standard form, tried in this order.
extern const AlternativeForm alternativeForms[];
extern const int alternativeFormCount;
