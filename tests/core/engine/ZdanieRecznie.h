#pragma once
// A hand-built utterance for the assembly tests: words added as segmentation adds
// them (no dictionaries), then given codes, groups and translations by hand, the way
// the analysers would leave them. Texts are written and compared in UTF-8.

#include <initializer_list>
#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar::test {

struct TOpcjeZdania {
    std::uint8_t Source = jezFrancuski;
    std::uint8_t Target = jezPolski;
    int Mode = 1; // single rendering
    TOpcjeSkladania Assembly{};
};

inline TKontekstWypowiedzi KontekstZdania(const TOpcjeZdania& options)
{
    TKontekstWypowiedzi context;
    context.SourceLanguage = options.Source;
    context.TargetLanguage = options.Target;
    context.WorkingMode = options.Source == jezPolski ? trybTranslatorPlFr : trybTranslatorFrPl;
    context.Settings.TranslationMode = options.Mode;
    context.Assembly = options.Assembly;
    return context;
}

// TLista is the utterance list of the source language whose transfer is tested.
template <class TLista = TCustomWypowiedzenia>
class TZdanieRecznieW {
public:
    explicit TZdanieRecznieW(const TOpcjeZdania& options = {}) : list_(KontekstZdania(options))
    {
        list_.NewUtterance();
    }

    TCustomWypowiedzenie& Utterance() { return *list_.Item(0); }
    TCustomWypSlowa& Words() { return Utterance().Words(); }
    TCustomWypSlowo& Word(int i) { return Words().Word(i); }

    // An untranslated word, after a space unless it is the first.
    TCustomWypSlowo& Add(const char* utf8Text) { return Add(utf8Text, Words().Count() == 0 ? "" : " ", ""); }

    TCustomWypSlowo& Add(const char* utf8Text, const char* before, const char* after)
    {
        const std::string text = FromUtf8(utf8Text);
        const int at = Words().Count() == 0 ? 0 : Words().Word(Words().Count() - 1).End + 1;
        const int index =
            Words().AddWord(text, before, {}, at, at + static_cast<int>(text.size()), Words().Count() == 0, after);
        return Words().Word(index);
    }

    // A word with one translation of the given forms ("lemma *code"), chosen.
    TCustomWypSlowo& Add(const char* utf8Text, std::initializer_list<const char*> forms, const char* prefix = "")
    {
        TCustomWypSlowo& word = Add(utf8Text);
        Translate(word, forms, prefix);
        return word;
    }

    static TTlumaczenie& Translate(TCustomWypSlowo& word, std::initializer_list<const char*> forms,
                                   const char* prefix = "")
    {
        TTlumaczenie& translation = word.Translations.Item(word.Translations.Add());
        for (const char* form : forms)
            translation.Forms.push_back(FromUtf8(form));
        translation.Prefix = FromUtf8(prefix);
        word.ChooseTranslation(0);
        return translation;
    }

    static void TranslateLiterally(TCustomWypSlowo& word, std::initializer_list<const char*> texts)
    {
        for (const char* text : texts)
            word.Translations.Item(word.Translations.Add()).Text = FromUtf8(text);
        word.ChooseTranslation(0);
    }

    // A group over words first..last.
    TCustomWypGrupa& Group(int first, int last, std::uint8_t type, std::uint8_t kind = 0)
    {
        TCustomWypGrupa& group = Words().Group(Words().NewGroupAt(first, type));
        Words().ExtendGroupRight(group, last);
        group.SetKind(kind);
        return group;
    }

    // What the worker writes after Transfer, in UTF-8.
    std::string Target()
    {
        TCustomWypSlowa& words = Words();
        std::string text = words.Lead;
        for (int i = 0; i < words.Count(); ++i)
            text += words.Around(i).Przed + words.Word(i).PreText + words.Word(i).TargetText + words.Word(i).PostText +
                    words.Around(i).Po;
        return Utf8(text + words.Tail);
    }

    std::string Render(int i) { return Utf8(Words().TargetTextOf(i)); }
    std::string Utf8(const std::string& text) const { return ToUtf8(text, list_.Context().TargetLanguage); }

private:
    TLista list_;
};

using TZdanieRecznie = TZdanieRecznieW<>;

} // namespace velmar::test
