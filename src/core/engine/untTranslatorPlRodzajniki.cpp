// What French says with small words that Polish says with cases and nothing: the
// forms of the personal pronouns ("mi" is "me", "moi" or "à moi" by its place), the
// article of every nominal group, the prepositions of place ("w Polsce" → "en
// Pologne", "do Warszawy" → "à Varsovie"), and "à le" / "de les" assembled into
// "au" / "des".
#include <array>
#include <string_view>

#include "core/app/untUtils.h"
#include "core/engine/untTranslatorPl.h"

namespace velmar {

namespace {

// One Polish personal pronoun and its French forms, in the French code page.
struct TZaimekFr {
    std::string_view Lemma;
    std::string_view Subject, Stressed, DirectObject, AfterPreposition, Imperative, Indirect;
};

constexpr std::array<TZaimekFr, 9> kPronounTable = {{
    {"ja", "je", "moi", "me", "moi", "moi", "\340 moi"},
    {"ty", "tu", "toi", "te", "toi", "toi", "\340 toi"},
    {"on", "il", "lui", "le", "lui", "le", "\340 lui"},
    {"ono", "il", "lui", "le", "lui", "le", "lui"},
    {"ona", "elle", "elle", "la", "elle", "la", "elle"},
    {"my", "nous", "nous", "nous", "nous", "nous", "\340 nous"},
    {"wy", "vous", "vous", "vous", "vous", "vous", "\340 vous"},
    {"oni", "ils", "eux", "les", "eux", "les", "eux"},
    {"one", "elles", "elles", "les", "elles", "les", "elles"},
}};

const TZaimekFr* PronounRowOf(std::string_view lemma)
{
    const std::string bare = StripTrailingDigits(lemma);
    for (const TZaimekFr& row : kPronounTable)
        if (bare == row.Lemma)
            return &row;
    return nullptr;
}

// The dative forms that French says with "à" where no verb follows.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kDativeRows = {
    {{"mi", "ja"}, {"ci", "ty"}, {"mu", "on"}, {"jemu", "on"}, {"nam", "my"}, {"wam", "wy"}}};

constexpr std::string_view kCountries = "<Pologne><France><Espagne><Hongrie><Allemagne><Suisse><Chine><Russie>"
                                        "<Roumanie><Bulgarie><Hollande><Belgique><Inde><Turquie><Angleterre>";

bool IsImperativeForm(int forma)
{
    return OneOf(forma, {5, 52, 54, 55});
}

// "*2" and "2" alike: the codes of the French words carry the star.
std::string_view BareCode(std::string_view code)
{
    return !code.empty() && code.front() == '*' ? code.substr(1) : code;
}

bool StartsWithCodeDigit(std::string_view code, char low, char high)
{
    const std::string_view bare = BareCode(code);
    return !bare.empty() && bare.front() >= low && bare.front() <= high;
}

bool IsDeterminerCode(std::string_view code)
{
    return InTagList(BareCode(code), "<93><94><95>");
}

void AppendOnce(std::string& text, std::string_view addition)
{
    if (text.find(Trim(addition)) == std::string::npos)
        text += addition;
}

// "de les " is "des ": the first contraction the text holds.
void ContractLeadText(std::string& lead)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> contractions = {{{"de des", "de"},
                                                                                                   {"de les", "des"},
                                                                                                   {"de de", "de"},
                                                                                                   {"de le", "du"},
                                                                                                   {"\340 les", "aux"},
                                                                                                   {"\340 le", "au"}}};
    for (const auto& [key, value] : contractions) {
        const std::size_t at = lead.find(key);
        if (at == std::string::npos || (at > 0 && lead[at - 1] != ' ') ||
            (at + key.size() < lead.size() && lead[at + key.size()] != ' '))
            continue;
        lead.replace(at, key.size(), value);
        return;
    }
}

} // namespace

// ---------------------------------------------------------------- pronouns

void TWypowiedzeniePl::PronounFormsFr()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (word.FixedTarget == "se")
            word.FixedTarget = ReflexiveOfPerson(i);
        const TZaimekFr* row = PronounRowOf(word.Lemma);
        switch (word.PronounRole) {
        case 0: break;
        case 1:
        case 2:
        case 3:
            if (row != nullptr)
                word.FixedTarget = word.PronounRole == 1
                                       ? row->Subject
                                       : (word.PronounRole == 2 ? row->Stressed : row->AfterPreposition);
            break;
        default: ObjectPronounFormFr(i);
        }
    }
}

// "Nazywam się Anna": the clitic takes its verb's person, "je m'appelle".
std::string TWypowiedzeniePl::ReflexiveOfPerson(int i)
{
    const int verb = FindClassIn(i + 1, KlasaBit(kwCzasownik));
    switch (InVerbalGroup(verb) ? Word(verb).Group()->pn : 3) {
    case 1: return "me";
    case 2: return "te";
    case 4: return "nous";
    case 5: return "vous";
    default: return "se";
    }
}

int TWypowiedzeniePl::ObjectPronounPosition(int i) const
{
    // "ne me le donne pas": the pronouns before a verb stand together.
    int next = i + 1;
    while (InRange(next) && Words().Word(next).PronounRole == 4)
        ++next;
    if (ClassIs(next, kwCzasownik))
        return 1;
    if (InVerbalGroup(i - 1) && IsImperativeForm(Words().Word(i - 1).Group()->forma))
        return HasRole(i - 1, rpPrzeczona) ? 1 : 2;
    return 0;
}

void TWypowiedzeniePl::ObjectPronounFormFr(int i)
{
    TWypSlowoPl& word = Word(i);
    const TZaimekFr* row = PronounRowOf(word.Lemma);
    const int position = ObjectPronounPosition(i);
    if (position > 0) {
        if (TextIn(i, "<mu><jemu>") || (TextIs(i, "jej") && !HasRole(i, rpPrzeczona))) {
            word.FixedTarget = "lui";
            return;
        }
        if (TextIs(i, "im")) {
            word.FixedTarget = "leur";
            return;
        }
    } else {
        for (const auto& [form, lemma] : kDativeRows)
            if (TextIs(i, form)) {
                word.FixedTarget = PronounRowOf(lemma)->Indirect;
                return;
            }
    }
    if (row == nullptr)
        return;
    if (position == 1) {
        word.FixedTarget = row->DirectObject;
    } else if (position == 2) {
        // "Donne-moi": the hyphen goes on the verb; the transfer joins the two.
        word.FixedTarget = row->Imperative;
        Words().Word(i - 1).TailText += "-";
    } else {
        word.FixedTarget = row->AfterPreposition;
    }
}

// ---------------------------------------------------------------- articles

bool TWypowiedzeniePl::IsCountryFr(int i)
{
    return InTagList(FrenchWord(i), kCountries);
}

void TWypowiedzeniePl::ArticlesFr()
{
    TCustomWypSlowa& words = Words();
    const std::string quantityWords = FromUtf8("<dużo><za dużo><zbyt dużo><mało><za mało><zbyt mało><wiele><za "
                                               "wiele><zbyt wiele>");
    for (int g = 0; g < words.GroupCount(); ++g) {
        TCustomWypGrupa& group = words.Group(g);
        if (group.Type != tgNominalna || group.First < 0)
            continue;
        TCustomWypSlowo& first = words.Word(group.First);
        if (LemmaIn(group.First - 1, quantityWords) && group.CaseCodes.find_first_of("2B") != std::string::npos) {
            // "dużo czasu": "beaucoup de temps".
            if (first.LeadText.find("de") == std::string::npos)
                first.LeadText = "de " + first.LeadText;
            group.ArticleKind = 0;
            continue;
        }
        if (LemmaIn(group.First, quantityWords)) {
            std::string& lead = words.Word(group.First + 1).LeadText;
            if (lead.find("de") == std::string::npos)
                lead = "de " + lead;
            group.ArticleKind = 0;
            continue;
        }
        if (!group.Roles.test(rpZGlowa))
            continue;
        group.ArticleKind = ArticleKindOf(group);
        AppendOnce(first.LeadText, ArticleText(group));
    }
}

int TWypowiedzeniePl::ArticleKindOf(const TCustomWypGrupa& group)
{
    const int head = GroupHead(group.First);
    if (head < 0)
        return 0;
    if (const int decided = ArticleByWords(group, head); decided >= 0)
        return decided;
    // "To jest piękne drzewo": "c'est un bel arbre".
    if (HasMarker(head, znOrzecznik) || AfterCopula(group))
        return 2;
    // "Nie mamy pieniędzy": after a negation French has "de" whatever the number.
    if (group.Roles.test(rpPrzeczona))
        return 3;
    if (group.ResolvedCase == "B" && NumberOf(group) == 2)
        return ClassIs(group.First - 1, kwPrzyimek) ? 1 : 2;
    return 1;
}

int TWypowiedzeniePl::ArticleByWords(const TCustomWypGrupa& group, int head)
{
    const int before = group.First - 1;
    const int firstProper = ClassIs(group.First, kwPrzyslowek) ? group.First + 1 : group.First;
    const std::string headCode = FrenchCode(head);
    std::string grammarCode;
    const TCustomWypSlowo& headWord = Words().Word(head);
    const bool hasGrammarCode = headWord.Readings.GrammarCodeFor(headWord.WordClass, jezPolski, grammarCode);
    const bool nominalCode =
        hasGrammarCode && (grammarCode == "98" || StartsWithAny(grammarCode, "0,1,2,3,4,<,>,%0,%1,%2,%3,%4"));
    const std::string headFrench = FrenchWord(head);
    const bool country = IsCountryFr(head);
    if (IsDeterminerCode(FrenchCode(before)) || IsDeterminerCode(FrenchCode(firstProper)) ||
        LemmaIn(group.First, "<kilku><kilka><wielu><wiele>") || !StartsWithCodeDigit(headCode, '0', '3') ||
        !nominalCode || ClassIs(head, kwZaimek) || headWord.Readings.Count() == 0 || ClassIs(before, kwLiczebnik) ||
        InTagList(headFrench, "<monsieur><madame><messieurs><mesdames>") || (country && ClassIs(before, kwPrzyimek)) ||
        LemmaIn(before, "<jako><bez>"))
        return 0;
    if (TextIn(before, "<przed><po>", true, true) && LemmaIn(head, FromUtf8("<tydzień><miesiąc><dzień>")))
        return 2;
    if (!headFrench.empty() && StartsUpper(headFrench) && !country && group.First == group.Last)
        return BareCode(headCode).find('$') != std::string::npos ? 1 : 0;
    if (group.First == group.Last && HasMarker(head, znOrzecznik))
        return 0;
    if (head != group.First) {
        std::string code;
        const TCustomWypSlowo& previous = Words().Word(head - 1);
        const bool determiner = !previous.Readings.GrammarCodeFor(previous.WordClass, jezPolski, code) ||
                                InTagList(code, "<90><93><94><95>") || IsNumeral(previous.Text);
        if (determiner)
            return 0;
    }
    return -1;
}

// A nominative group right after a form of "być" names what the subject is.
bool TWypowiedzeniePl::AfterCopula(const TCustomWypGrupa& group) const
{
    const int before = SkipClassIn(group.First - 1, KlasaBit(kwPrzyslowek), true);
    return LemmaIs(before, FromUtf8("być")) && CodeIn(before, KodyOdDo(101, 149)) &&
           group.CaseCodes.find_first_of("1A") != std::string::npos;
}

int TWypowiedzeniePl::NumberOf(const TCustomWypGrupa& group)
{
    if (group.num == 1 || group.num == 2)
        return group.num;
    const std::string& cases = group.ResolvedCase.empty() ? group.CaseCodes : group.ResolvedCase;
    return !cases.empty() && cases.front() >= 'A' && cases.front() <= 'G' ? 2 : 1;
}

std::string TWypowiedzeniePl::ArticleText(const TCustomWypGrupa& group)
{
    const bool plural = NumberOf(group) == 2;
    const bool feminine = IsFeminineFr(group);
    switch (group.ArticleKind) {
    case 1: return plural ? "les " : feminine ? "la " : "le ";
    case 2:
        if (plural)
            return ClassIs(group.First, kwPrzymiotnik) ? "de " : "des ";
        return feminine ? "une " : "un ";
    case 3: return "de ";
    default: return {};
    }
}

bool TWypowiedzeniePl::IsFeminineFr(const TCustomWypGrupa& group)
{
    if (group.genus >= 0)
        return group.genus == 2;
    const int head = GroupHead(group.First);
    return head >= 0 && StartsWithCodeDigit(FrenchCode(head), '2', '2');
}

// ---------------------------------------------------------------- prepositions of place

void TWypowiedzeniePl::PlacePrepositionsFr()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 1 < words.Count(); ++i) {
        const int noun = i + 1;
        const bool oneNoun = IsSingleWordGroup(noun, tgNominalna) && ClassIs(noun, kwRzeczownik);
        if (!oneNoun)
            continue;
        const std::string french = FrenchWord(noun);
        if (TextIn(i, "<w><we><w1><w2><we1><we2>") && words.Word(noun).Group()->ArticleKind <= 0)
            words.Word(i).FixedTarget = !french.empty() && StartsUpper(french) ? "en" : "dans";
        else if (TextIs(i, "do"))
            words.Word(i).FixedTarget = IsCountryFr(noun) ? "en" : "\340";
    }
}

// ---------------------------------------------------------------- assembly

void TWypowiedzeniePl::ArticleAssembly()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i)
        if (ClassIs(i, kwCzasownik) && !words.Word(i).LeadText.empty())
            LeadTextBeforeClitics(i);
    for (int i = 0; i < words.Count(); ++i)
        if (words.Word(i).st > 0)
            DegreeTexts(i);
    for (int i = 0; i < words.Count(); ++i)
        ContractLeadText(words.Word(i).LeadText);
    for (int i = 0; i + 1 < words.Count(); ++i)
        PrepositionWithArticle(i);
}

void TWypowiedzeniePl::LeadTextBeforeClitics(int verb)
{
    TCustomWypSlowa& words = Words();
    std::string& lead = words.Word(verb).LeadText;
    int first = verb;
    while (first > 0 && (InTagList(words.Word(first - 1).FixedTarget, "<ne><n'>") || Word(first - 1).PronounRole == 4))
        --first;
    const bool echoed = words.Word(first - 1).FixedTarget == Trim(lead);
    if (first < verb) {
        if (!echoed)
            words.Word(first).LeadText += lead;
        lead.clear();
    } else if (echoed) {
        lead.clear();
    }
}

void TWypowiedzeniePl::DegreeTexts(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    const TCustomWypGrupa* group = HasGroup(i) ? word.Group() : nullptr;
    if (word.st == 2) {
        const bool groupArticle = group != nullptr && group->First == i && group->ArticleKind > 0;
        if (group == nullptr)
            word.LeadText += "le ";
        else if (!groupArticle)
            word.LeadText += NumberOf(*group) == 2 ? "les " : IsFeminineFr(*group) ? "la " : "le ";
    }
    const bool correlative = TextIn(i - 1, "<im2><tym2>"); // "plus … plus" already compares
    if ((word.st == 1 || word.st == 2) && !correlative && !StartsWith(FrenchWord(i), "plus "))
        word.LeadText += "plus ";
}

void TWypowiedzeniePl::PrepositionWithArticle(int i)
{
    TCustomWypSlowo& preposition = Words().Word(i);
    std::string& lead = Words().Word(i + 1).LeadText;
    const auto take = [&](std::string_view article, std::string_view contracted) {
        if (!StartsWith(lead, article))
            return false;
        lead.erase(0, article.size());
        preposition.FixedTarget = contracted;
        return true;
    };
    if (preposition.FixedTarget == "\340")
        take("les ", "aux") || take("le ", "au");
    else if (preposition.FixedTarget == "de")
        take("des ", "de") || take("les ", "des") || take("le ", "du");
}

} // namespace velmar
