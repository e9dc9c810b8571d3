// velmar-cli segment: the utterances and words the engine makes of each paragraph of a
// text, with the texts around the words and the readings the dictionaries give them.
#include <filesystem>
#include <iostream>
#include <iterator>

#include "cli/untCli.h"
#include "core/app/untFoldery.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTransWypTypy.h"
#include "core/engine/untWypowiedzeniaJezyka.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

namespace {

// 8-bit text as UTF-8 in double quotes, with control characters, quotes and
// backslashes escaped so that every byte of the source can be seen.
std::string Quoted(std::string_view text, std::uint8_t language)
{
    std::string shown = "\"";
    for (const char c : ToUtf8(text, language)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            shown += std::string("\\") + c;
        else if (c == '\t')
            shown += "\\t";
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (byte < 32 || byte == 127)
            shown += Format("\\x%02X", byte);
        else
            shown += c;
    }
    return shown + "\"";
}

class TWypis {
public:
    TWypis(std::ostream& out, std::uint8_t language) : out_(out), language_(language) {}

    void Utterances(const TCustomWypowiedzenia& list, const std::string& indent)
    {
        for (int u = 0; u < list.Count(); ++u)
            Utterance(*list.Item(u), u + 1, indent);
    }

private:
    std::string Q(std::string_view text) const { return Quoted(text, language_); }

    void Utterance(const TCustomWypowiedzenie& utterance, int number, const std::string& indent)
    {
        out_ << indent << "utterance " << number << ": " << utterance.Start << ".." << utterance.End << ' '
             << Q(utterance.SourceText);
        if (utterance.AfterDash)
            out_ << " after-dash";
        if (utterance.AfterQuoteComma)
            out_ << " after-quote-comma";
        if (utterance.QuoteEnd)
            out_ << " quote-end";
        out_ << '\n';
        if (utterance.FromArchive)
            out_ << indent << "  archive: " << Q(utterance.ArchiveSource) << " -> " << Q(utterance.ArchiveTarget)
                 << '\n';
        const TCustomWypSlowa& words = utterance.Words();
        out_ << indent << "  lead " << Q(words.Lead) << '\n';
        for (int i = 0; i < words.Count(); ++i)
            Word(words, i, indent + "  ");
        out_ << indent << "  tail " << Q(words.Tail) << '\n';
    }

    void Word(const TCustomWypSlowa& words, int i, const std::string& indent)
    {
        const TCustomWypSlowo& word = words.Word(i);
        out_ << indent << "word " << (i + 1) << ' ' << Q(word.Text) << " before " << Q(words.Around(i).Przed)
             << " after " << Q(words.Around(i).Po) << " start " << word.Start << " length " << (word.End - word.Start);
        if (word.SentenceCapital)
            out_ << " sentence-start";
        if (word.HasMarker(znNieTlumaczyc))
            out_ << " untranslatable";
        out_ << '\n';
        for (int r = 0; r < word.Readings.Count(); ++r) {
            const TZnaczenie& reading = *word.Readings.Item(r);
            out_ << indent << "  reading " << Q(reading.Lemma) << " code " << reading.Code << " class "
                 << ToUtf8(WordClassLabel(reading.WordClass, jezPolski), jezPolski) << " score " << reading.Score;
            // A Polish preposition's entry names the cases it governs.
            if (!reading.Entry->MarkerValue.empty())
                out_ << " governs " << Q(reading.Entry->MarkerValue);
            out_ << '\n';
        }
        if (word.Nested) {
            out_ << indent << "  bracketed:\n";
            Utterances(*word.Nested, indent + "    ");
        }
    }

    std::ostream& out_;
    std::uint8_t language_;
};

} // namespace

int RunSegment(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty arguments(words, {"lang", "data"}, {});
    arguments.RequirePositional(0);
    if (!arguments.Has("lang"))
        throw TZleUzycie("--lang fr|pl is required");
    const std::string lang = arguments.Choice("lang", {"fr", "pl"}, "fr");

    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode(lang == "pl" ? "/transpl" : ""));
    const std::optional<std::string> dataFolder = arguments.Value("data");
    if (dataFolder && !std::filesystem::is_directory(*dataFolder)) {
        io.Err << "velmar-cli segment: no data folder " << *dataFolder << '\n';
        return kBlad;
    }
    TSlowniki dictionaries(DataFoldersOption(arguments));
    for (const TBladPliku& failure :
         dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true))
        io.Err << "velmar-cli segment: " << DescribeInEnglish(failure) << '\n';
    TSlownikiRobocze worker(dictionaries, program.SourceLanguage);

    TKontekstWypowiedzi context;
    context.SourceLanguage = program.SourceLanguage;
    context.TargetLanguage = program.TargetLanguage;
    context.WorkingMode = program.WorkingMode;
    context.Dictionaries = &worker;

    const std::string input((std::istreambuf_iterator<char>(io.In)), std::istreambuf_iterator<char>());
    const std::string text = FromUtf8(input);
    TWypis listing(io.Out, program.SourceLanguage);
    int number = 0;
    for (const std::string_view paragraph : SplitLines(text)) {
        io.Out << "paragraph " << ++number << ' ' << Quoted(paragraph, program.SourceLanguage) << '\n';
        const auto utterances = NewUtteranceList(context);
        utterances->Segment(paragraph, true);
        listing.Utterances(*utterances, "  ");
    }
    return kSukces;
}

} // namespace velmar::cli
