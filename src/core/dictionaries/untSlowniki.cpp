#include "core/dictionaries/untSlowniki.h"

#include <stdexcept>
#include <system_error>

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untScalanieLinii.h"

namespace velmar {

namespace {

void SetMainSyntax(TTransSlownikGlowny& dictionary, std::uint8_t source, std::uint8_t target, bool foldAccents)
{
    dictionary.SetSourceLanguage(source);
    dictionary.SetTargetLanguage(target);
    dictionary.FoldAccents = foldAccents;
    const TSkladniaJezyka syntax = MainSyntaxFor(source);
    dictionary.CharSet1 = syntax.CharSet1;
    dictionary.CharSet3 = syntax.CharSet3;
    dictionary.CharSet5 = syntax.CharSet5;
    dictionary.MarkerText = syntax.MarkerText;
}

void SetLanguages(TTransSlownik& dictionary, std::uint8_t source, std::uint8_t target)
{
    dictionary.SetSourceLanguage(source);
    dictionary.SetTargetLanguage(target);
}

bool HoldsArchive(int mode)
{
    return mode == trybTranslatorFrPl || mode == trybTranslatorPlFr;
}

} // namespace

TSlowniki::TSlowniki(TFolderyDanych folders) : folders_(std::move(folders)) {}

std::filesystem::path TSlowniki::ReadPath(const std::filesystem::path& file) const
{
    return file.is_absolute() ? file : folders_.ReadPath(file.string());
}

std::filesystem::path TSlowniki::WritePath(const std::filesystem::path& file) const
{
    return file.is_absolute() ? file : folders_.WritePath(file.string());
}

void TSlowniki::Load(TLinie& list, const std::filesystem::path& file, TBledyPlikow& failures)
{
    // A missing file is an empty list that belongs to that file.
    list.Clear();
    loadedFrom_[&list] = file;
    savedVersion_[&list] = {file, list.Snapshot()};
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    try {
        list.LoadFromFile(file);
        savedVersion_[&list] = {file, list.Snapshot()};
    } catch (const std::runtime_error&) {
        loadedFrom_.erase(&list);
        failures.push_back({TRodzajBleduPliku::Odczyt, file});
    }
}

void TSlowniki::LoadNamed(TLinie& list, const std::string& fileName, TBledyPlikow& failures)
{
    if (fileName.empty()) {
        list.Clear();
        return;
    }
    Load(list, ReadPath(fileName), failures);
}

void TSlowniki::LoadWritable(TLinie& list, const std::string& fileName, bool reread, TBledyPlikow& failures)
{
    const auto loaded = loadedFrom_.find(&list);
    if (!reread && !fileName.empty() && loaded != loadedFrom_.end() && loaded->second == ReadPath(fileName))
        return;
    LoadNamed(list, fileName, failures);
}

void TSlowniki::ApplyLanguages(const TWartosciProgramu& program)
{
    const std::uint8_t source = program.SourceLanguage;
    const std::uint8_t target = program.TargetLanguage;
    const bool fold = program.ForeignLanguage == jezFrancuski || program.ForeignLanguage == jezWloski;
    for (auto* main : {&Main, &MainWorker, &MainReserve1, &MainReserve2})
        SetMainSyntax(*main, source, target, fold);
    SetMainSyntax(Reverse, target, source, fold);
    Main.KeepPhrases = true;

    const TSkladniaJezyka syntax = MainSyntaxFor(source);
    SetLanguages(Phrases, source, target);
    Phrases.CharSet3 = syntax.CharSet3;
    Phrases.MarkerText = syntax.MarkerText;
    Phrases.FoldAccents = fold;

    SetLanguages(Forms, source, source);
    SetLanguages(FormsWorker, source, source);
    SetLanguages(Collocations1, source, target);
    SetLanguages(Collocations2, source, target);
    SetLanguages(Categories, program.ForeignLanguage, program.ForeignLanguage);
    for (TTransSlownik* dictionary :
         std::initializer_list<TTransSlownik*>{&Archive, &ArchiveWorker, &Untranslatable, &UntranslatableWorker})
        SetLanguages(*dictionary, source, target);
    SetLanguages(DataSource, source, source);
    SetLanguages(DataTarget, target, target);
    DataSource.FoldAccents = DataTarget.FoldAccents = Main.FoldAccents;
    SetLanguages(QualifiersSource, source, source);
    SetLanguages(QualifiersTarget, target, target);
}

void TSlowniki::LoadDirection(bool polishSource, int mode, TBledyPlikow& failures)
{
    TLinie& main = polishSource ? Listy.MainPl : Listy.MainFr;
    if (!main.Empty())
        return;
    LoadNamed(main, ProductFile(tabele::MainDictionary, mode), failures);
    if (!IsDictionaryMode(mode))
        LoadNamed(polishSource ? Listy.FormsPl : Listy.FormsFr, ProductFile(tabele::InflectedForms, mode), failures);
}

void TSlowniki::AttachInstances(const TWartosciProgramu& program)
{
    const bool polish = program.SourceLanguage == jezPolski;
    const bool translationData = !IsDictionaryMode(program.WorkingMode);
    TLinie& main = polish ? Listy.MainPl : Listy.MainFr;
    for (auto* instance : {&Main, &MainWorker, &MainReserve1, &MainReserve2})
        instance->Attach(&main);
    Reverse.Attach(polish ? &Listy.MainFr : &Listy.MainPl);
    Phrases.Attach(translationData ? (polish ? &Listy.PhrasesPlFr : &Listy.PhrasesFrPl) : nullptr);
    TLinie* forms = translationData ? (polish ? &Listy.FormsPl : &Listy.FormsFr) : nullptr;
    Forms.Attach(forms);
    FormsWorker.Attach(forms);
    Categories.Attach(&Listy.Categories);
    Collocations1.Attach(&Listy.Collocations1);
    Collocations2.Attach(&Listy.Collocations2);
    Archive.Attach(&Listy.Archive);
    ArchiveWorker.Attach(&Listy.Archive);
    Untranslatable.Attach(&Listy.Untranslatable);
    UntranslatableWorker.Attach(&Listy.Untranslatable);
    DataSource.Attach(&Listy.DataMode);
    DataTarget.Attach(&Listy.DataPartner);
}

void TSlowniki::ClearLists(bool clearAll)
{
    auto& l = Listy;
    if (clearAll)
        for (auto* list : {&l.MainFr, &l.MainPl, &l.FormsFr, &l.FormsPl, &l.PhrasesFrPl, &l.PhrasesPlFr, &l.User,
                           &l.Archive, &l.Untranslatable}) {
            list->Clear();
            loadedFrom_.erase(list);
        }
    for (auto* list : {&l.Collocations1, &l.Collocations2, &l.Categories, &l.DataMode, &l.DataPartner,
                       &l.QualifiersSource, &l.QualifiersTarget})
        list->Clear();
}

void TSlowniki::LoadArchiveLists(int mode, bool clearAll, TBledyPlikow& failures)
{
    for (auto [list, table] : {std::pair{&Listy.Archive, &tabele::SentenceArchive},
                               std::pair{&Listy.Untranslatable, &tabele::Untranslatable}}) {
        if (IsTranslatorMode(mode)) {
            LoadWritable(*list, ProductFile(*table, mode), clearAll, failures);
        } else {
            list->Clear();
            loadedFrom_.erase(list);
        }
    }
}

void TSlowniki::LoadTranslationLists(const TWartosciProgramu& program, TBledyPlikow& failures)
{
    const int mode = program.WorkingMode;
    if (IsDictionaryMode(mode))
        return;
    // Both phrase files are named by the French→Polish mode of the pair.
    const int frenchPolishMode = program.SourceLanguage == jezPolski ? mode - 1 : mode;
    LoadNamed(Listy.PhrasesFrPl, ProductFile(tabele::PhraseDictionary, frenchPolishMode), failures);
    LoadNamed(Listy.PhrasesPlFr, ProductFile(tabele::PhraseDictionary, frenchPolishMode + 1), failures);
    LoadNamed(Listy.Collocations1, ProductFile(tabele::Collocations, mode), failures);
    LoadNamed(Listy.Collocations2, ProductFile(tabele::SecondCollocations, mode), failures);
    LoadNamed(Listy.Categories, ProductFile(tabele::Categories, mode), failures);
}

TBledyPlikow TSlowniki::LoadDictionaries(const TWartosciProgramu& program, bool bothDirections,
                                         const std::filesystem::path& userDictionaryFile, bool clearAll)
{
    TBledyPlikow failures;
    const int mode = program.WorkingMode;
    const bool polish = program.SourceLanguage == jezPolski;

    ClearLists(clearAll);
    ApplyLanguages(program);
    LoadNamed(Listy.QualifiersSource, LanguageInfo(program.SourceLanguage).QualifierFile, failures);
    LoadNamed(Listy.QualifiersTarget, LanguageInfo(program.TargetLanguage).QualifierFile, failures);
    QualifiersSource.Attach(&Listy.QualifiersSource);
    QualifiersTarget.Attach(&Listy.QualifiersTarget);

    LoadDirection(polish, mode, failures);
    if (bothDirections)
        LoadDirection(!polish, PartnerMode(mode), failures);
    LoadArchiveLists(mode, clearAll, failures);
    LoadNamed(Listy.DataMode, ProductFile(tabele::DataLines, mode), failures);
    LoadNamed(Listy.DataPartner, ProductFile(tabele::DataLines, PartnerMode(mode)), failures);
    LoadTranslationLists(program, failures);

    AttachInstances(program);
    if (LoadsTranslationData(mode))
        Categories.ResolveReferences();
    AttachUser(program, userDictionaryFile, clearAll, failures);
    return failures;
}

void TSlowniki::AttachUser(const TWartosciProgramu& program, const std::filesystem::path& file, bool reread,
                           TBledyPlikow& failures)
{
    for (auto* user : {&User, &UserWorker})
        SetLanguages(*user, program.SourceLanguage, program.TargetLanguage);
    const auto path = ReadPath(file);
    const auto loaded = loadedFrom_.find(&Listy.User);
    const bool same = loaded != loadedFrom_.end() && loaded->second == path;
    if (reread || !same)
        Load(Listy.User, path, failures);
    User.Attach(&Listy.User);
    UserWorker.Attach(&Listy.User);
}

TBledyPlikow TSlowniki::AttachUserDictionary(const TWartosciProgramu& program,
                                             const std::filesystem::path& userDictionaryFile)
{
    TBledyPlikow failures;
    AttachUser(program, userDictionaryFile, true, failures);
    return failures;
}

TBledyPlikow TSlowniki::LoadReverseDictionary(const TWartosciProgramu& program)
{
    TBledyPlikow failures;
    TLinie& reverse = program.SourceLanguage == jezPolski ? Listy.MainFr : Listy.MainPl;
    if (reverse.Empty())
        LoadNamed(reverse, ProductFile(tabele::MainDictionary, PartnerMode(program.WorkingMode)), failures);
    Reverse.CachedIndex = -1;
    return failures;
}

void TSlowniki::Save(TLinie& list, const std::filesystem::path& file, TBledyPlikow& failures,
                     const TTransSlownik* mergedBy)
{
    if (list.LoadFailed()) {
        failures.push_back({TRodzajBleduPliku::NieNadpisany, file});
        return;
    }
    const TBlokadaZapisu lock(file);
    try {
        const auto saved = savedVersion_.find(&list);
        if (mergedBy != nullptr && saved != savedVersion_.end() && saved->second.File == file)
            MergeWithFile(list, *saved->second.Version, file, *mergedBy);
        if (list.Empty()) {
            std::error_code error;
            std::filesystem::remove(file, error);
            if (error)
                failures.push_back({TRodzajBleduPliku::Usuniecie, file});
        } else {
            list.SaveToFile(file);
        }
        savedVersion_[&list] = {file, list.Snapshot()};
    } catch (const std::runtime_error&) {
        failures.push_back({TRodzajBleduPliku::Zapis, file});
    }
}

TBledyPlikow TSlowniki::SaveDictionaries(const TWartosciProgramu& program,
                                         const std::filesystem::path& userDictionaryFile)
{
    TBledyPlikow failures;
    const int mode = program.WorkingMode;
    if (!HoldsArchive(mode) && !IsDictionaryMode(mode))
        return failures; // the internet-page and file translators keep nothing
    Save(Listy.User, WritePath(userDictionaryFile), failures, &User);
    if (HoldsArchive(mode)) {
        Save(Listy.Archive, WritePath(ProductFile(tabele::SentenceArchive, mode)), failures);
        Save(Listy.Untranslatable, WritePath(ProductFile(tabele::Untranslatable, mode)), failures, &Untranslatable);
    }
    return failures;
}

TBledyPlikow TSlowniki::Reload(const TWartosciProgramu& program, bool bothDirections,
                               const std::filesystem::path& userDictionaryFile)
{
    TBledyPlikow failures = SaveDictionaries(program, userDictionaryFile);
    if (!failures.empty())
        return failures;
    return LoadDictionaries(program, bothDirections, userDictionaryFile, true);
}

TSlowniki& Slowniki()
{
    static TSlowniki dictionaries(Foldery());
    return dictionaries;
}

} // namespace velmar
