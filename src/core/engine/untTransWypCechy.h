#pragma once
// The grammatical features of a word's target form and the words that supply them.
//
// A word takes most of its features from the groups around it: an adjective the case,
// number and gender of its noun's group, a verb the person and number of its subject.
// The analysers say where with group roles (TRolaGrupy); the walks below follow them.
// All indices are word indices of one word list; −1 is "none".

#include "core/engine/untTransWypTypy.h"

namespace velmar {

// Word i, or, when its group is represented by a later group (role 16), the first
// word of the next group with role 16 or 17 when that group has role 17.
int GroupAnchor(const TCustomWypSlowa& words, int i);

// Following `role` from group to group: none when the group of word i lacks the role
// or there is no group of the type in the direction; otherwise the nearest such group,
// again and again while the group reached has the role; its anchor.
int FollowRole(const TCustomWypSlowa& words, int i, std::uint8_t type, int role, bool backwards);

// The words that supply gender, number, case, person and tense to word i.
struct TZrodlaCech {
    int Gender = -1, Number = -1, Case = -1, Person = -1, Tense = -1;
};
TZrodlaCech FeatureSources(const TCustomWypSlowa& words, int i);

// The subject that word i agrees with: the words giving its gender and its number.
struct TZrodloPodmiotu {
    int Gender = -1, Number = -1;
};
TZrodloPodmiotu SubjectOf(const TCustomWypSlowa& words, int i);

// The features word i is generated with. Values below 1 (below 0 for genders) are
// missing.
struct TCechyCelu {
    int SubjectGender = -1, SubjectNumber = 0;
    int Person = 0, Tense = 0, FormCode = 0;
    int Case = 0, Number = 0, Gender = -1, Degree = 0;
    bool AfterPreposition = false;
    bool Oblique = false; // a one-word pronoun group in an oblique case
};
TCechyCelu TargetFeatures(const TCustomWypSlowa& words, int i);

} // namespace velmar
