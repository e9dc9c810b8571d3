// The features of Polish verbs and groups: transitivity, person and form of every
// verbal group, the polite "pan"/"pani"/"państwo", predicatives, the reading of a
// group head by its case, the French number and gender, and the prepositions the
// valency of the governing word asks for.
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

int PersonOfCode(int code)
{
    if (IsOneOf(code, {101, 110, 111, 123, 124, 136}))
        return 1;
    if (IsOneOf(code, {102, 107, 112, 113, 125, 126, 137}))
        return 2;
    if (IsOneOf(code, {104, 108, 117, 118, 130, 131, 139}))
        return 4;
    if (IsOneOf(code, {105, 109, 119, 120, 132, 133, 140}))
        return 5;
    if (IsOneOf(code, {106, 121, 122, 134, 135, 141}))
        return 6;
    return code >= 101 && code <= 141 ? 3 : 0;
}

int FormOfCode(int code)
{
    if (code >= 101 && code <= 106)
        return 1;
    if (code >= 107 && code <= 109)
        return code == 107 ? 52 : code == 108 ? 54 : 55;
    if (code >= 110 && code <= 122)
        return 2;
    if (code >= 123 && code <= 135)
        return 4;
    if (code >= 136 && code <= 141)
        return 3;
    return 0;
}

// The French number and gender of the first meaning of the reading ("maison *2":
// feminine).
TLiczbaRodzaj FrenchFeaturesOf(const TZnaczenie& reading)
{
    const TTransSlownikPodrekord* sub = reading.Entry->SubRecords.Item(std::max(reading.SubRecord, 0));
    if (sub == nullptr || sub->Meanings.Count() == 0)
        return {};
    std::string code = sub->Meanings.Item(0)->WordCode(0);
    if (!code.empty() && code.front() == '*')
        code.erase(0, 1);
    return NumberAndGenderOfCode(code, jezFrancuski);
}

} // namespace

void TWypowiedzeniePl::NalezyConstruction()
{
    ForEachClause([this](int first, int last) {
        bool infinitive = false;
        for (int j = first; j <= last; ++j)
            infinitive = infinitive || Word(j).Code == 100;
        if (!infinitive || ClauseHasSubject(first, last))
            return;
        for (int j = first; j <= last; ++j) {
            if (!TextIn(j, VELMAR_PL("<należy><należało>")) || HasMarker(j, znZwrotny))
                continue;
            for (TCustomWypGrupa* group : NominalGroupsIn(first, last))
                if (group->Kind() == rgpPodmiotMozliwy)
                    group->SetKind(rgpDopelnienie);
            Word(j).SetText(Word(j).Text + "1");
            ChooseReadingAt(j);
            Word(j).SetCode(146);
        }
    });
}

void TWypowiedzeniePl::VerbTransitivity()
{
    for (int i = 0; i < Words().Count(); ++i) {
        std::string code;
        if (Word(i).Code >= 100 && Word(i).Code <= 188 &&
            Word(i).Readings.GrammarCodeFor(kwCzasownik, jezPolski, code) && !code.empty() &&
            (code.front() == '!' || code.front() == '$'))
            Word(i).SetMarker(znPrzeszloscDokonana);
    }
    ForEachClause([this](int first, int) {
        const int v = ClauseVerb(first);
        if (v < 0)
            return;
        TWypSlowoPl& verb = Word(v);
        verb.RemoveMarkers(Znaczniki({41, 42}));
        for (int r = 0; r < verb.Readings.Count(); ++r) {
            const std::string& notes = verb.Readings.Item(r)->Entry->BraceNotes;
            const int transitivity = notes.find("VT") != std::string::npos   ? 5
                                     : notes.find("TV") != std::string::npos ? 4
                                     : notes.find('V') != std::string::npos  ? 2
                                                                             : 0;
            if (transitivity == 0)
                continue;
            verb.Transitivity = transitivity;
            verb.SetMarker(42);
            if (transitivity >= 4)
                verb.SetMarker(41);
            return;
        }
        verb.Transitivity = 1;
        verb.SetMarker(41);
    });
}

void TWypowiedzeniePl::VerbGroupFeatures()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (!HasGroup(i) || GroupFirst(i) != i)
            continue;
        TCustomWypGrupa& group = *Word(i).Group();
        int v = i;
        while (InRange(v) && Word(v).Code == 0)
            ++v;
        if (!group.Contains(v))
            continue;
        int code = Word(v).Code;
        if (group.Type == tgNominalna && !CodeInSet(code, ParticipleCodes)) {
            const int verbal = Word(v).Readings.FirstCodeIn(KodyOdDo(100, 149));
            code = verbal >= 0 ? verbal : code;
        }
        if (group.pn <= 0)
            group.pn = PersonOfCode(code);
        if (group.forma == 0)
            group.forma = FormOfCode(code);
        switch (code) {
        case 142:
            group.forma = 6;
            Word(v).LeadText = "en ";
            break;
        case 143: group.forma = 8; break;
        case 144:
            group.pn = 3;
            group.forma = 22;
            Word(v).SetMarker(znBezosobowy);
            if (TextIs(v + 1, "by")) {
                group.forma = 24;
                Word(v + 1).Translate = false;
            }
            break;
        case 146:
            group.pn = 3;
            group.forma = 21;
            break;
        default: break;
        }
        if (group.forma == 0)
            group.forma = code >= 150 && code <= 160 ? 7 : code >= 161 && code <= 170 ? 61 : 0;
        if (group.Type == tgNominalna)
            for (int k = group.First; k <= group.Last; ++k) {
                const int c = Word(k).Code;
                if (c >= 161 && c <= 170)
                    group.forma = 61;
                else if (c >= 150 && c <= 160)
                    group.forma = 7;
                else if (c >= 181 && c <= 189)
                    group.forma = 9;
            }
    }
}

void TWypowiedzeniePl::FormsOfAddress()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (!InNominalGroup(i) || GroupHead(i) != i)
            continue;
        const std::string lower = LowerStr(word.Text);
        const bool pan = lower == "pan" || (lower == "panie" && CodeIn(i - 1, Kody({51, 62})));
        if (pan || lower == "pani") {
            const std::string base = pan ? "pan" : "pani";
            std::string homograph;
            if (GroupFirst(i) != GroupLast(i))
                homograph = base + "1";
            else if (InRange(i + 1) && StartsUpper(Word(i + 1).Text) && Word(i + 1).Readings.Count() == 0)
                homograph = base + "2";
            else if (word.Text.front() == 'P' || Words().Context().Analysis.PlPanPaniPolite)
                homograph = base + "3";
            else
                homograph = base + "4";
            word.SetText(homograph);
            ChooseReadingAt(i);
            if (EndsWith(homograph, "3")) {
                word.Capitalised = false;
                AddressedAsVous(i);
            }
            continue;
        }
        if (LowerStr(word.Lemma) == VELMAR_PL("państwo"))
            PanstwoAt(i);
    }
}

// "państwo" is "the state" unless it addresses people: written with a capital inside
// the sentence, or as the subject of a plural verb in the form "państwo" ("Państwo
// mają rację"), since the state's own plural is "państwa".
void TWypowiedzeniePl::PanstwoAt(int i)
{
    TWypSlowoPl& word = Word(i);
    const std::string lower = LowerStr(word.Text);
    const bool capital = word.Capitalised || (i > 0 && StartsUpper(word.Text));
    const int v = ClauseVerb(i);
    const int person = v >= 0 && HasGroup(v) ? Word(v).Group()->pn : 0;
    std::string homograph;
    if (lower != VELMAR_PL("państwo")) {
        if (!capital)
            return;
        homograph = ClassIs(i - 1, kwPrzyimek) ? "panstwo01" : "panstwo00";
    } else if (GroupFirst(i) != GroupLast(i) || (i > 0 && IsPlAdjectiveCode(Word(i - 1).Code))) {
        homograph = "Panstwo1"; // "Szanowni Państwo"
    } else if (InRange(i + 1) && StartsUpper(Word(i + 1).Text) && Word(i + 1).Readings.Count() == 0) {
        homograph = "Panstwo2"; // "państwo Kowalscy"
    } else if (person == 5 || person == 6) {
        homograph = "Panstwo3";
    } else if (capital) {
        homograph = "Panstwo4";
    } else {
        return;
    }
    Rename(i, homograph);
    Word(i).Capitalised = false; // the capital of respect is Polish: "vous", "messieurs dames"
    if (homograph == "Panstwo3")
        AddressedAsVous(i);
    if (StartsWith(homograph, "panstwo"))
        Word(i).Group()->CaseCodes = lower == VELMAR_PL("państwa")    ? "2"
                                     : lower == VELMAR_PL("państwu")  ? "3"
                                     : lower == VELMAR_PL("państwem") ? "5"
                                                                      : "147";
}

void TWypowiedzeniePl::AddressedAsVous(int i)
{
    // "Pan ma rację": the verb of the polite address is in the 2nd plural in French.
    Word(i).Group()->pn = 5;
    Word(i).Group()->Person = 5;
    const int v = ClauseVerb(i);
    if (v >= 0 && HasGroup(v)) {
        Word(v).Group()->Person = 5;
        Word(v).SetMarker(znPanstwoOsoba);
    }
}

void TWypowiedzeniePl::PredicativeMarkers()
{
    const std::string copulas = VELMAR_PL("<być><bywać><nazywać><nazwać><zostać><zostawać><pozostać><pozostawać>"
                                          "<wydawać><okazać><okazywać><stawać><stać><stać1>");
    const std::string modals = VELMAR_PL("<musieć><powinien><móc><potrafić>");
    const auto finiteOf = [this](int v, const std::string& lemmas) {
        return InRange(v) && IsPlFiniteCode(Word(v).Code) && LemmaIn(v, lemmas);
    };
    for (int i = 0; i < Words().Count(); ++i) {
        const int code = Word(i).Code;
        const bool nominal = IsOneOf(code, {5, 12, 37, 38, 184, 187});
        const bool adjective =
            IsPlAdjectiveCode(code) && IsSingleWordGroup(i, tgNominalna) && Meets(Word(i).Group()->CaseCodes, "1A");
        if (!nominal && !adjective)
            continue;
        const int v = FindCodeIn(i - 1, KodyOdDo(100, 149), true);
        const bool afterModal =
            LemmaIs(v, VELMAR_PL("być")) && finiteOf(FindCodeIn(v - 1, KodyOdDo(100, 149), true), modals);
        if (finiteOf(v, copulas) || afterModal)
            Word(i).SetMarker(znOrzecznik);
    }
}

void TWypowiedzeniePl::HeadReadingByCase()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (!word.HasMarker(znGlowaGrupy) || !IsPlNounCode(word.Code) || word.Readings.Count() < 2 ||
            word.Readings.Item(0)->DictKind == kRodzajUzytkownika || !HasGroup(i))
            continue;
        TCustomWypGrupa& group = *word.Group();
        for (int r = 0; r < word.Readings.Count(); ++r) {
            TZnaczenie& reading = *word.Readings.Item(r);
            if (!Meets(reading.CaseCodes, group.CaseCodes))
                continue;
            if (r > 0) {
                reading.Score = std::max(reading.Score, word.Readings.Item(0)->Score);
                word.ReadingCommitted = false;
                word.ChooseReading(r, false);
            }
            break;
        }
        word.Gender = word.Readings.Item(0)->Gender;
        if (word.Gender >= 5) {
            word.SetMarker(znLiczbaMnoga);
            word.GrammaticalNumber = 2;
            word.Gender = word.Gender == 6 ? rdzMeskoosobowy : rdzMeskorzeczowy;
        } else {
            word.RemoveMarkers(Znaczniki({znLiczbaMnoga}));
        }
        group.rdz = word.Gender;
    }
}

void TWypowiedzeniePl::TargetAgreement()
{
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type != tgNominalna)
            continue;
        group.num = 0;
        group.genus = -1;
        int from = -1;
        for (int k = group.First; k <= group.Last && from < 0; ++k)
            if (IsPlNounCode(Word(k).Code))
                from = k;
        if (from < 0 && group.First == group.Last &&
            (IsPlAdjectiveCode(Word(group.First).Code) || IsPlParticipleCode(Word(group.First).Code)))
            from = group.First;
        if (from < 0 || Word(from).Readings.Count() == 0)
            continue;
        const TLiczbaRodzaj french = FrenchFeaturesOf(*Word(from).Readings.Item(0));
        group.num = french.Number;
        group.genus = french.Gender;
    }
}

void TWypowiedzeniePl::PrzezAgent()
{
    TZbiorKodow passive = KodyOdDo(150, 160);
    for (int i = 0; i < Words().Count(); ++i) {
        if (Word(i).Text != "przez")
            continue;
        int first = 0, last = -1;
        ClauseBounds(i, first, last);
        bool agent = CodeIn(i - 1, passive);
        for (int j = first; j <= last && !agent; ++j)
            agent = HasMarker(j, 183);
        if (agent) {
            Word(i).SetText("przez1");
            ChooseReadingAt(i);
        }
    }
}

const TTransSlownikZnaczenie* TWypowiedzeniePl::ChosenMeaningOf(int i)
{
    TWypSlowoPl& word = Word(i);
    const TZnaczenie* reading = word.Readings.Item(0);
    if (reading == nullptr)
        return nullptr;
    const int sub = word.SelectSubRecord(*reading, true, true);
    const TTransSlownikPodrekord* subRecord = reading->Entry->SubRecords.Item(sub);
    if (subRecord == nullptr)
        return nullptr;
    return subRecord->Meanings.Item(subRecord->Meanings.FirstPreferred(false, false));
}

void TWypowiedzeniePl::ValencyPrepositions()
{
    ForEachClause([this](int first, int last) {
        const int v = FindCodeIn(first, KodyOdDo(100, 149));
        for (TCustomWypGrupa* group : NominalGroupsIn(first, last)) {
            const int j = group->First;
            const int p = ClassIs(j - 1, kwPrzyimek) ? j - 1 : -1;
            const int before = (p >= 0 ? p : j) - 1;
            const int governor = IsPlNounCode(Word(before).Code) || IsPlAdjectiveCode(Word(before).Code) ? before
                                 : v >= first && v <= last                                               ? v
                                                                                                         : -1;
            if (governor < 0 || governor == j)
                continue;
            const TTransSlownikZnaczenie* meaning = ChosenMeaningOf(governor);
            if (meaning != nullptr)
                ApplyValency(*meaning, *group, p);
        }
    });
}

void TWypowiedzeniePl::ApplyValency(const TTransSlownikZnaczenie& meaning, TCustomWypGrupa& group, int p)
{
    std::string preposition = p >= 0 ? Word(p).Text : std::string();
    while (!preposition.empty() && preposition.back() >= '0' && preposition.back() <= '9')
        preposition.pop_back();
    for (int k = 0; k < meaning.Valency.Count(); ++k) {
        const TTransSlownikRekcja& item = *meaning.Valency.Item(k);
        if (p >= 0 ? item.SourceText != preposition : !item.SourceText.empty())
            continue;
        if (p < 0) {
            const int c = item.SourceCaseNumber();
            const bool caseFits = c >= 1 && c <= 7 &&
                                  (group.CaseCodes.find(static_cast<char>('0' + c)) != std::string::npos ||
                                   group.CaseCodes.find(static_cast<char>('A' + c - 1)) != std::string::npos);
            if (!caseFits)
                continue;
        }
        if (item.Preposition == "0") {
            group.Roles.set(rpBezPrzyimka);
            if (p >= 0)
                Word(p).SetCode(0);
        } else if (!item.Preposition.empty()) {
            if (p >= 0) {
                Word(p).FixedTarget = item.Preposition;
            } else {
                group.LeadTexts.push_back(item.Preposition);
                group.Roles.set(rpPrzyimekRekcji);
            }
        }
        if (item.TargetCaseNumber() > 0)
            group.cas = item.TargetCaseNumber();
        return;
    }
}

} // namespace velmar
