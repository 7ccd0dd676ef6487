#include "test/answer_check.h"

#include <iterator>

// Keys are Windows-1250 bytes, compared with the meaning as stored.
const AlternativeForm alternativeForms[] = {
    // "spálit se"
    {"sp\xE1lit se", "burn", {"burnt", "burned"}, {"burnt", "burned"}},
    // "nést, rodit"
    {"n\xE9st, rodit", "bear", {"bore", ""}, {"born", "borne"}},
    {"peskovat", "chide", {"chid", ""}, {"chid", "chidden"}},
// Further verbs with two standard forms, made from the verb data.
#include "test/alternative_forms_extra.inc"
};

const int alternativeFormCount = static_cast<int>(std::size(alternativeForms));
