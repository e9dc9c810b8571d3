// The French order of a Polish sentence: object pronouns before their verb ("widzę
// go" → "je le vois"), and adjectives behind their noun unless French puts them
// before it ("czerwony samochód" → "une voiture rouge", "piękne drzewo" → "un bel
// arbre").
#include <string_view>

#include "core/app/untUtils.h"
#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"
#include "core/generators/untGenFrFunkcje.h"

namespace velmar {

namespace {

constexpr std::string_view kPrenominalAdjectives =
    "<beau><bon><grand><gros><haut><joli><long><mauvais><petit><vilain><pauvre><digne><jeune>";
constexpr std::string_view kDeterminers = "<ce><c'><cette><ces><mon><ton><son><notre><votre><leur>";

bool IsImperativeForm(int forma)
{
    return OneOf(forma, {5, 52, 54, 55});
}

bool IsDeterminerGrammarCode(const TCustomWypSlowo& word)
{
    std::string code;
    return word.Readings.GrammarCodeFor(word.WordClass, jezPolski, code) && InTagList(code, "<93><94><95>");
}

} // namespace

// ---------------------------------------------------------------- object pronouns

void TWypowiedzeniePl::ObjectPronounPlacement()
{
    TCustomWypSlowa& words = Words();
    const std::string oblique =
        FromUtf8("<mnie><mi><mię><ci><ciebie><cię><tobie><go><jemu><mu><ją><nas><nam><was><wam><im><je1><panstwo00>");
    for (int i = 1; i < words.Count(); ++i) {
        const int pronounRole = Word(i).PronounRole;
        // "Patrzę na nią, myśląc": the preposition and its pronoun follow the second verb.
        if (pronounRole == 3 && TextIn(i, FromUtf8("<nim><mną><tobą><nią><nami><wami>")) &&
            ClassIs(i - 1, kwPrzyimek) && ClassIs(i - 2, kwCzasownik) && ClassIs(i + 1, kwCzasownik)) {
            const int verb = i + 1;
            MoveGroupedWord(verb, i - 1);
            continue;
        }
        int verb = i - 1;
        while (verb > 0 && Word(verb).PronounRole == 4)
            --verb;
        if (!ClassIs(verb, kwCzasownik))
            continue;
        // "Możesz mi to dać": the pronouns belong to the infinitive after them, where they
        // already stand, "peux me le donner".
        int after = i + 1;
        while (InRange(after) && (Word(after).PronounRole == 4 || IsObjectTo(after, verb)))
            ++after;
        if (CodeIs(after, 100)) {
            if (IsObjectTo(i, verb)) {
                Word(i).FixedTarget = "le";
                Word(i).PronounRole = 4;
            }
            continue;
        }
        const bool imperative = InVerbalGroup(verb) && IsImperativeForm(words.Word(verb).Group()->forma);
        const bool deniedImperative = imperative && HasRole(verb, rpPrzeczona);
        if (IsObjectTo(i, verb))
            ObjectToBeforeVerb(i, verb, imperative && !deniedImperative);
        else if (verb == i - 1 && ((TextIn(i, oblique) && !imperative) || (pronounRole == 4 && deniedImperative)))
            MoveGroupedWord(i, i - 1);
    }
}

// "to" alone as the object of a verb other than "być": "zrobiłbym to".
bool TWypowiedzeniePl::IsObjectTo(int i, int verb) const
{
    return TextIn(i, "<to><tego>", true) && LemmaIn(i, "<to><to1><to2>") && IsSingleWordGroup(i, tgNominalna) &&
           !LemmaIs(verb, FromUtf8("być"));
}

// French says it with the object pronoun before the verb ("je le ferais", "ne me le
// donne pas"); after an affirmative imperative it stays behind it ("donne-moi ça").
void TWypowiedzeniePl::ObjectToBeforeVerb(int i, int verb, bool affirmativeImperative)
{
    TWypSlowoPl& word = Word(i);
    if (affirmativeImperative) {
        word.FixedTarget = "\347a";
        return;
    }
    word.FixedTarget = "le";
    word.PronounRole = 4;
    MoveGroupedWord(i, verb);
}

// ---------------------------------------------------------------- negative words

// "Nic nie wiem": French puts the negative word after its verb, "je ne sais rien".
void TWypowiedzeniePl::NegativeWordPlacementFr()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (!TextIn(i, VELMAR_PL(kNegativeObjects)))
            continue;
        int verb = i + 1;
        bool negated = false;
        while (InRange(verb) && !ClassIs(verb, kwCzasownik) &&
               (TextIn(verb, kNegations) || Word(verb).PronounRole == 1 || Word(verb).PronounRole == 4 ||
                TextIn(verb, VELMAR_PL("<się1><sobie1>")))) {
            negated = negated || TextIn(verb, kNegations);
            ++verb;
        }
        if (!negated || !ClassIs(verb, kwCzasownik))
            continue;
        MoveGroupedWord(i, InVerbalGroup(verb) ? GroupLast(verb) : verb);
        --i; // the word now at i has not been looked at
    }
}

// ---------------------------------------------------------------- adjectives

void TWypowiedzeniePl::AdjectivePlacementFr()
{
    TCustomWypSlowa& words = Words();
    for (int g = 0; g < words.GroupCount(); ++g) {
        TCustomWypGrupa& group = words.Group(g);
        if (group.Type != tgNominalna || !group.Roles.test(rpZGlowa))
            continue;
        int noun = group.First;
        while (noun <= group.Last && !ClassIs(noun, kwRzeczownik))
            ++noun;
        if (noun > group.Last || Words().Word(noun).Readings.Count() == 0)
            continue;
        if (WordsBeforeNoun(group, noun) > 0)
            continue;
        if (group.Contains(noun - 1) && StaysBeforeNoun(noun - 1))
            continue;
        AdjectivesAfterNoun(group, noun);
    }
}

bool TWypowiedzeniePl::StaysBeforeNoun(int i)
{
    const std::string french = FrenchWord(i);
    return InTagList(french, kPrenominalAdjectives) || InTagList(french, kDeterminers) ||
           IsDeterminerGrammarCode(Words().Word(i));
}

int TWypowiedzeniePl::WordsBeforeNoun(TCustomWypGrupa& group, int& noun)
{
    int moved = 0;
    for (int next = noun + 1; group.Contains(next); next = noun + 1) {
        const bool adjective =
            ClassIs(next, kwPrzymiotnik) && next == group.Last && InTagList(FrenchWord(next), kPrenominalAdjectives);
        const bool determiner =
            IsDeterminerGrammarCode(Words().Word(next)) || InTagList(FrenchWord(next), kDeterminers);
        if (!adjective && !determiner)
            break;
        MoveGroupedWord(next, noun);
        ++noun;
        ++moved;
    }
    return moved;
}

void TWypowiedzeniePl::AdjectivesAfterNoun(TCustomWypGrupa& group, int noun)
{
    const std::string nounFrench = FrenchWord(noun);
    const bool shortNoun = IsOneSyllableFr(nounFrench);
    while (group.Contains(noun - 1) && ClassIs(noun - 1, kwPrzymiotnik)) {
        const int adjective = noun - 1;
        const std::string french = FrenchWord(adjective);
        const std::string code = FrenchCode(adjective);
        const bool phrase =
            french.find(' ') != std::string::npos && !StartsWith(french, "un ") && !StartsWith(french, "plus ");
        const bool behindShortNoun = shortNoun && (LemmaIn(adjective, FromUtf8("<czyj><czyjś><jakikolwiek>")) ||
                                                   code == "*7" || code == "*79" || code == "7" || code == "79");
        if (!phrase && !behindShortNoun && !HasMarker(adjective, znPrzymiotnikRelacyjny))
            break;
        MoveGroupedWord(adjective, noun);
        --noun;
    }
}

} // namespace velmar
