#pragma once
// A Polish text segmented and analysed over the bundled Polish→French data, shown
// word by word.

#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DaneWbudowane.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorPl.h"
#include "support/TestNames.h"

namespace velmar::test {

inline TKontekstWypowiedzi PolishContext(TSlownikiWypowiedzi& dictionaries, const std::atomic<bool>* stop = nullptr)
{
    return TKontekstWypowiedzi{jezPolski, jezFrancuski, trybTranslatorPlFr, {}, &dictionaries, stop};
}

// Each word as Przed[Text…](start..end)Po: "=fixed target", "<lemma>" when it differs
// from the text, "#code" for a word with readings, a fixed target or a code a stage gave it, then the markers
// of the Polish stages ("m141"), the degree ("st2"), the lead text ("+'de '") and the
// notes.
inline std::string ShowPolish(const TCustomWypowiedzenia& list)
{
    std::string shown;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypSlowa& words = list.Item(u)->Words();
        shown += words.Lead;
        for (int i = 0; i < words.Count(); ++i) {
            const TCustomWypSlowo& word = words.Word(i);
            shown += words.Around(i).Przed + "[" + ToUtf8(word.Text, jezPolski);
            if (!word.FixedTarget.empty())
                shown += "=" + ToUtf8(word.FixedTarget, jezPolski);
            if (word.Readings.Count() > 0 && word.Lemma != word.Text)
                shown += "<" + ToUtf8(word.Lemma, jezPolski) + ">";
            if (word.Readings.Count() > 0 || !word.FixedTarget.empty() || word.Code > 1)
                shown += "#" + std::to_string(word.Code);
            for (const int marker : {61, 66, 73, 74, 75, 79, 80, 81, 141})
                if (word.HasMarker(marker))
                    shown += " m" + std::to_string(marker);
            if (word.st > 0)
                shown += " st" + std::to_string(word.st);
            if (!word.LeadText.empty())
                shown += " +'" + ToUtf8(word.LeadText, jezFrancuski) + "'";
            if (!word.Notes.empty())
                shown += " " + word.Notes;
            shown += "(" + std::to_string(word.Start) + ".." + std::to_string(word.End) + ")]" + words.Around(i).Po;
        }
        shown += words.Tail;
    }
    return shown;
}

// The text segmented over the dictionaries and, unless only the word stage is wanted,
// analysed.
class TTekstPl {
public:
    explicit TTekstPl(const std::string& utf8, bool analyse = true, TSlownikiWypowiedzi* dictionaries = nullptr,
                      const std::atomic<bool>* stop = nullptr)
        : worker_(BundledData::Polish().Dictionaries(), jezPolski),
          list_(PolishContext(dictionaries ? *dictionaries : worker_, stop))
    {
        list_.Segment(FromUtf8(utf8), true);
        for (int u = 0; analyse && u < list_.Count(); ++u)
            list_.Item(u)->Analyse(0);
    }

    std::string Shown() const { return ShowPolish(list_); }
    // The analysis listing of the utterance, in UTF-8.
    std::string Listing(int utterance = 0)
    {
        TCustomWypowiedzenie& analysed = *list_.Item(utterance);
        analysed.Listing();
        return ToUtf8(analysed.Result, jezPolski);
    }
    TCustomWypSlowa& Words(int utterance = 0) { return list_.Item(utterance)->Words(); }
    TSlownikiRobocze& Worker() { return worker_; }

private:
    TSlownikiRobocze worker_;
    TWypowiedzeniaPl list_;
};

// A sentence and what its analysis listing must show: each fragment a word with its
// code, cases, pronoun role and markers, or a group's opening with its features.
struct TAnalizaPl {
    const char* Text;
    std::vector<std::string> Shows;
};

inline std::string DescribeAnalysis(const TAnalizaPl& c)
{
    return Spelled(c.Text);
}

inline void ExpectListingShows(const TAnalizaPl& c)
{
    const std::string listing = TTekstPl(c.Text).Listing();
    for (const std::string& fragment : c.Shows)
        EXPECT_NE(listing.find(fragment), std::string::npos) << "'" << fragment << "' in\n" << listing;
}

} // namespace velmar::test
