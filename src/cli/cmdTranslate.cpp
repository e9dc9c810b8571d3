// velmar-cli translate: a text or a document from French into Polish or back, with the
// worker the translator window uses; every question it asks gets the answer that needs
// nobody.
#include <QString>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "cli/untCli.h"
#include "cli/untCliDokument.h"
#include "cli/untCliSlownikUzytkownika.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untGospodarzWsadowy.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"
#include "platform/untConverters.h"

namespace velmar::cli {

namespace {

constexpr const char* kPrefix = "velmar-cli translate: ";

// The batch host that also draws a progress bar, the share done and the words per
// second on a terminal.
class TGospodarzKonsoli : public TGospodarzWsadowy {
public:
    TGospodarzKonsoli(const TTekstFormatowany& source, std::uint8_t language, std::ostream* progress)
        : TGospodarzWsadowy(source, language), progress_(progress)
    {
    }

    void SetProgressRange(int start, int end) override
    {
        start_ = start;
        end_ = end;
        began_ = std::chrono::steady_clock::now();
    }
    void SetProgress(int position) override
    {
        const auto now = std::chrono::steady_clock::now();
        if (progress_ == nullptr || (position < end_ && now - drawn_ < std::chrono::milliseconds(100)))
            return;
        drawn_ = now;
        constexpr int kWidth = 30;
        const double share = end_ > start_ ? double(position - start_) / double(end_ - start_) : 1.0;
        const double seconds = std::chrono::duration<double>(now - began_).count();
        const int filled = static_cast<int>(share * kWidth);
        *progress_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                   << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] "
                   << static_cast<int>(share * 100) << "%  " << static_cast<long>(seconds > 0 ? words_ / seconds : 0)
                   << " words/s " << std::flush;
    }
    void WriteUtterance(const TWynikWypowiedzenia& utterance) override
    {
        words_ += static_cast<double>(utterance.TargetWords.size());
        TGospodarzWsadowy::WriteUtterance(utterance);
    }
    void Finished(const TKoniecTlumaczenia& end) override
    {
        if (progress_ != nullptr)
            *progress_ << '\n';
        TGospodarzWsadowy::Finished(end);
    }

private:
    std::ostream* progress_;
    int start_ = 0, end_ = 0;
    double words_ = 0;
    std::chrono::steady_clock::time_point began_, drawn_;
};

// Progress only for a person watching: standard error is a terminal.
std::ostream* ProgressStream(const TWejscieWyjscie& io)
{
    return &io.Err == &std::cerr && isatty(fileno(stderr)) ? &io.Err : nullptr;
}

int WorkingModeOf(const TArgumenty& args)
{
    if (args.Has("mode") && args.Has("from"))
        throw TZleUzycie("--mode and --from both name the direction; give one");
    if (args.Has("from"))
        return args.Choice("from", {"fr", "pl"}, "fr") == "pl" ? trybTranslatorPlFr : trybTranslatorFrPl;
    return std::stoi(args.Choice("mode", {"1", "2"}, "1"));
}

int TranslationModeOf(const TArgumenty& args)
{
    const int mode = args.Number("translation-mode").value_or(0);
    if (mode < 0 || mode > 16)
        throw TZleUzycie("--translation-mode takes 0 to 16");
    return mode;
}

// Standard input as UTF-8, one paragraph per line.
TTekstFormatowany ReadParagraphs(std::istream& in)
{
    TTekstFormatowany document;
    std::string line;
    while (std::getline(in, line)) {
        if (line.ends_with('\r'))
            line.pop_back();
        document.Akapity.emplace_back().Dopisz(Utf8ToWide(line), {});
    }
    return document;
}

void WriteParagraphs(const TTekstFormatowany& document, std::ostream& out)
{
    for (const TAkapit& paragraph : document.Akapity)
        out << WideToUtf8(paragraph.Tekst()) << '\n';
}

} // namespace

int RunTranslate(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"mode", "from", "translation-mode", "data", "dict"}, {"listing"});
    if (args.Positional().size() > 2)
        throw TZleUzycie("at most an input and an output file");
    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode(WorkingModeOf(args) == trybTranslatorPlFr ? "/transpl" : ""));
    TOpcjeTlumaczenia options;
    options.TranslationMode = TranslationModeOf(args);
    options.WriteListing = args.Flag("listing");
    options.ListReadings = options.WriteListing;

    const std::optional<std::string> dataFolder = args.Value("data");
    if (dataFolder && !std::filesystem::is_directory(*dataFolder)) {
        io.Err << kPrefix << "no data folder " << *dataFolder << '\n';
        return kBlad;
    }
    const TFolderyDanych folders = DataFoldersOption(args);
    TSlowniki dictionaries(folders);
    const TWyborTrybu mode{program.WorkingMode, program.SourceLanguage, program.TargetLanguage};
    for (const TBladPliku& failure :
         dictionaries.LoadDictionaries(program, false, UserDictionaryOption(args, mode, folders).ReadFrom, true))
        io.Err << kPrefix << DescribeInEnglish(failure) << '\n';
    if (dictionaries.Main.Count() == 0) {
        io.Err << kPrefix << "no main dictionary \"" << ProductFile(tabele::MainDictionary, program.WorkingMode)
               << "\" in " << folders.DataFolder() << '\n';
        return kBlad;
    }

    const auto application = EnsureApplication();
    TTekstFormatowany source;
    if (args.Positional().empty()) {
        source = ReadParagraphs(io.In);
    } else {
        const QString input = QString::fromStdString(args.Positional()[0]);
        if (const TWynik read = LoadDocumentFile(source, input, {tpDowolny, program.SourceLanguage, false}); !read) {
            io.Err << kPrefix << input.toStdString() << ": " << DocumentFailureReason(read.Komunikat) << '\n';
            return kBlad;
        }
    }

    TGospodarzKonsoli host(source, program.SourceLanguage, ProgressStream(io));
    TSlownikiRobocze workerDictionaries(dictionaries, program.SourceLanguage);
    const TKontekstWypowiedzi context{
        program.SourceLanguage, program.TargetLanguage, program.WorkingMode, {}, &workerDictionaries, nullptr};
    TTranslatorThread(host, options, context, {}).Run();
    if (host.End().Error != btBrak) {
        io.Err << kPrefix << (host.End().Error == btBrakPamieci ? "out of memory" : "the translation failed") << '\n';
        return kBlad;
    }

    if (args.Positional().size() == 2) {
        const QString output = QString::fromStdString(args.Positional()[1]);
        if (const TWynik written = SaveDocumentFile(host.Target(), output, tpDowolny, program.TargetLanguage);
            !written) {
            io.Err << kPrefix << output.toStdString() << ": " << DocumentFailureReason(written.Komunikat) << '\n';
            return kBlad;
        }
    } else if (!options.WriteListing) {
        WriteParagraphs(host.Target(), io.Out);
    }
    if (options.WriteListing)
        io.Out << ToUtf8(host.Listing(), program.SourceLanguage);
    return kSukces;
}

} // namespace velmar::cli
