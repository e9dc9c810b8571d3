// Generation of one translation of a word: its forms through the generator of the
// target language with the features the groups give, the fixed words the analysis
// asked for ("proszę", "w sposób", " pas"), and the texts around the form.
#include <string>
#include <vector>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypCechy.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

struct TSlowaSkladania {
    std::string Sie = FromUtf8("się");
    std::string Prosze = FromUtf8("proszę ");
    std::string WSposob = FromUtf8("w sposób ");
    std::string OCharakterze = "o charakterze ";
    // The second-person forms written with a capital when "FrTyWyZWielkiej" is on.
    std::string DrugaOsoba =
        FromUtf8("<ty><ciebie><tobą><tobie><ci><cię><twój><twojego><twojemu><twoim><twoje><twoich><wy><was><wam><wami>"
                 "<wasz><waszego><waszemu><waszym><wasze><waszych><waszymi>");
};

const TSlowaSkladania& Slowa()
{
    static const TSlowaSkladania words;
    return words;
}

std::string Lemma(const std::string& form)
{
    std::string lemma, code;
    SplitAtStar(form, lemma, code, true);
    return Trim(lemma);
}

// What stands before a generated Polish form and the features it takes instead of
// the word's own: "proszę " + infinitive, "w sposób " + the masculine accusative of
// an adjective or participle, "o charakterze " + its masculine locative.
struct TPolskaForma {
    std::string Lead;
    TCechyPl Features;
};

TPolskaForma PolishForm(const TCustomWypSlowo& word, const TCechyCelu& f, bool first, const TOpcjeSkladania& options)
{
    TPolskaForma form;
    form.Features = {.Case = f.Case,
                     .Number = f.Number,
                     .Gender = f.Gender,
                     .Degree = f.Degree,
                     .Person = f.Person,
                     .FormCode = f.FormCode,
                     .SubjectNumber = f.SubjectNumber,
                     .SubjectGender = f.SubjectGender,
                     .NormaliseOblique = f.Oblique,
                     .AdverbFlag = word.WordClass == kwPrzyslowek,
                     .AfterPreposition = f.AfterPreposition};
    TCechyPl& features = form.Features;
    if (first && options.ImperativProsze && f.FormCode == fpRozkazujacy && f.Person == 5) {
        features.FormCode = fpBezokolicznik;
        if (!word.HasAnyMarker(Znaczniki({znBezProsze, znDrugiRozkazujacy})))
            form.Lead = Slowa().Prosze;
    }
    if (word.HasMarker(znWSposob) || word.HasMarker(znOCharakterze)) {
        const bool wSposob = word.HasMarker(znWSposob);
        features.Case = wSposob ? 4 : 6;
        features.Number = 1;
        features.Gender = rdzMeskorzeczowy;
        features.AdverbFlag = false;
        if (wSposob)
            features.FormCode = f.FormCode == fpImieslowBierny ? fpImieslowBierny : fpImieslowCzynny;
        if (first)
            form.Lead = wSposob ? Slowa().WSposob : Slowa().OCharakterze;
    }
    return form;
}

// Form k of the translation; a verb followed by "się" borrows its code, which the
// dictionary writes after the last word ("myć się */01").
std::string WithCodeOfSie(const std::vector<std::string>& forms, std::size_t k)
{
    const std::string& form = forms[k];
    if (k + 1 >= forms.size() || form.find(" *") != std::string::npos)
        return form;
    std::string lemma, code;
    SplitAtStar(forms[k + 1], lemma, code, true);
    if (Trim(lemma) != Slowa().Sie || Trim(code).empty())
        return form;
    return form + " *" + Trim(code);
}

// The features the first generated form was asked with, as the word records them.
void RecordUsedPolish(const TCechyPl& asked, TCechyCelu& used)
{
    used.Case = asked.Case;
    used.Number = asked.Number;
    used.Gender = asked.Gender;
    used.FormCode = asked.FormCode;
}

std::string GeneratePolish(const TCustomWypSlowa& words, const TCustomWypSlowo& word, const TTlumaczenie& translation,
                           TCechyCelu& features)
{
    const TOpcjeSkladania& options = words.Context().Assembly;
    const bool capitalSecondPerson = options.FrTyWyZWielkiej && words.Language() == jezFrancuski;
    const TCechyCelu resolved = features;
    std::string text;
    bool recorded = false;
    for (std::size_t k = 0; k < translation.Forms.size(); ++k) {
        const std::string& form = translation.Forms[k];
        const std::string lemma = Lemma(form);
        std::string generated;
        if (lemma == Slowa().Sie && translation.Forms.size() > 1) {
            generated = lemma;
        } else {
            const TPolskaForma polish = PolishForm(word, resolved, k == 0, options);
            if (!recorded)
                RecordUsedPolish(polish.Features, features);
            recorded = true;
            generated = GenFormPl(WithCodeOfSie(translation.Forms, k), polish.Features);
            if (generated.empty())
                generated = lemma;
            if (capitalSecondPerson && InTagList(LowerStr(generated), Slowa().DrugaOsoba))
                generated = Capitalize(generated);
            generated = polish.Lead + generated;
        }
        text += (text.empty() ? "" : " ") + generated;
    }
    return Trim(text);
}

// A relative "que" standing as the subject of its clause is "qui".
bool IsSubjectWord(const TCustomWypSlowa& words, int i)
{
    const TCustomWypGrupa* group = words.GroupOfWord(i);
    return group != nullptr && group->IsSubject();
}

std::string GenerateFrench(const TCustomWypSlowa& words, int i, const TTlumaczenie& translation, const TCechyCelu& f)
{
    const TCustomWypSlowo& word = words.Word(i);
    const TCechyFr features{.Number = f.Number,
                            .Gender = f.Gender,
                            .SubjectNumber = f.SubjectNumber,
                            .SubjectGender = f.SubjectGender,
                            .FormCode = f.FormCode,
                            .Person = f.Person,
                            .QueToQui = IsSubjectWord(words, i)};
    std::string text;
    for (const std::string& form : translation.Forms) {
        const std::string lemma = Lemma(form);
        // "se" agrees with the person only as the object of a reflexive verb.
        const std::string request = lemma == "se" ? (word.HasMarker(znZwrotny) ? "se *94" : "se *99") : form;
        std::string generated = GenFormFr(request, features);
        text += (text.empty() ? "" : " ") + (generated.empty() ? lemma : generated);
    }
    return Trim(text);
}

void StoreUsedFeatures(TCustomWypSlowo& word, const TCechyCelu& f)
{
    word.UsedCase = f.Case;
    word.UsedNumber = f.Number;
    word.UsedGender = f.Gender;
    word.UsedPerson = f.Person;
    word.UsedTense = f.Tense;
    word.UsedFormCode = f.FormCode;
}

std::string WithTextsAround(const TCustomWypSlowo& word, std::string text)
{
    text = word.LeadText + text + word.TailText;
    for (auto line = word.RuleBefore.rbegin(); line != word.RuleBefore.rend(); ++line)
        text = *line + text;
    for (const std::string& line : word.RuleAfter)
        text += line;
    return text;
}

std::string WithFrenchNegation(std::string text)
{
    const std::size_t space = text.find(' ');
    if (space == std::string::npos)
        return text + " pas";
    return text.insert(space, " pas");
}

// What the head word's generation tells an attached word about its own form.
void GiveAttachedFeatures(TCustomWypSlowo& attached, const TCechyCelu& head)
{
    const int code = attached.Code;
    auto in = [code](int first, int last) { return code >= first && code <= last; };
    if (in(1, 49)) {
        attached.FormCase = 2;
        attached.FormGender = attached.TranslationGender();
        if (attached.FormGender == 5 || attached.FormGender == 6) {
            attached.FormGender = attached.FormGender == 5 ? 1 : 0;
            attached.FormNumber = 2;
        }
    } else if (in(98, 150)) {
        attached.FormCase = 2;
        attached.vt = 50;
    } else if (in(50, 90) || in(160, 169) || in(171, 179) || in(191, 195)) {
        attached.FormCase = head.Case;
        attached.FormGender = head.Gender;
        attached.FormNumber = head.Number;
    }
}

std::string JoinedTexts(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : " ") + text;
    return Trim(joined);
}

void RenderAttachedWords(TCustomWypSlowo& word, const TCechyCelu& features)
{
    if (!word.Attached)
        return;
    TCustomWypSlowa& attached = *word.Attached;
    std::vector<std::string> renderings;
    for (int j = 0; j < attached.Count(); ++j) {
        TCustomWypSlowo& other = attached.Word(j);
        GiveAttachedFeatures(other, features);
        other.Transfer();
        other.CollectTranslations();
        renderings.push_back(attached.TargetTextOf(j));
    }
    (word.AttachAfter ? word.Suffix : word.Prefix) = JoinedTexts(renderings);
}

int FirstRenderedOfGroup(const TCustomWypSlowa& words, const TCustomWypGrupa& group, bool fromEnd)
{
    for (int k = 0; k <= group.Last - group.First; ++k) {
        const int j = fromEnd ? group.Last - k : group.First + k;
        if (words.Word(j).Translate)
            return j;
    }
    return -1;
}

void SetOuterTexts(const TCustomWypSlowa& words, int i, TCustomWypSlowo& word)
{
    word.OuterPrefix.clear();
    word.OuterSuffix.clear();
    const TCustomWypGrupa* group = words.GroupOfWord(i);
    if (group == nullptr)
        return;
    if (FirstRenderedOfGroup(words, *group, false) == i)
        word.OuterPrefix = JoinedTexts(group->LeadTexts);
    if (FirstRenderedOfGroup(words, *group, true) == i)
        word.OuterSuffix = JoinedTexts(group->TailTexts);
}

} // namespace

std::string TCustomWypSlowa::Generate(int wordIndex, int translationIndex)
{
    TCustomWypSlowo& word = Word(wordIndex);
    const TTlumaczenie& translation = word.Translations.Item(translationIndex);
    if (translation.Text.empty() && translation.Forms.empty())
        return {};
    const std::uint8_t target = Context().TargetLanguage;
    TCechyCelu features = TargetFeatures(*this, wordIndex);
    std::string text = translation.Text;
    if (text.empty()) {
        text = target == jezPolski ? GeneratePolish(*this, word, translation, features)
                                   : GenerateFrench(*this, wordIndex, translation, features);
        StoreUsedFeatures(word, features);
        if (word.Capitalised)
            text = ApplyCasePattern(text, MakeCasePattern(word.Capitalised, word.AllCaps, word.TitleCase));
    }
    text = WithTextsAround(word, text);
    RenderAttachedWords(word, features);
    if (target == jezFrancuski && word.HasMarker(znPrzeczenieFr))
        text = WithFrenchNegation(text);
    if (translationIndex == word.ChosenTranslation) {
        word.TranslationPrefix = translation.Prefix;
        word.Chosen = translation.Extra;
    }
    SetOuterTexts(*this, wordIndex, word);
    return text;
}

} // namespace velmar
