#pragma once
// Target sentence assembly: how the chosen translations of the words become target
// text through the generators of the target language.
//
// How a run uses it. The worker builds the utterance list with a TKontekstWypowiedzi
// whose Settings.TranslationMode and Assembly come from the settings copied once at
// the start of the run (AssemblyOptionsOf below), so nothing here reads the live
// settings object. For each utterance, after Analyse and the user's choices, it calls
// Transfer() and Finish(); then it writes, word by word,
//     Around(i).Przed + Word(i).PreText + Word(i).TargetText + Word(i).PostText + Around(i).Po
// (with Lead before the first word and Tail after the last) into the target pane, and
// appends the utterance's Result (the analysis listing) to its log. The interactive
// windows call WordWithSurroundings, AllRenderings, AllRenderingsLabelled and
// VariantText while the worker waits.
//
// The operations themselves are members of the model (untTransWypTypy.h): Render,
// Generate, FixSpacing on the word list; Transfer, Listing, SynkNotes on the
// utterance. The feature walks that Generate uses are in untTransWypCechy.h.

#include <string>
#include <vector>

#include "core/app/untUstawienia.h"
#include "core/engine/untTransWypSlowniki.h"

namespace velmar {

// The assembly options of the settings, for a run's TKontekstWypowiedzi.
TOpcjeSkladania AssemblyOptionsOf(const TOpcjeUstawien& settings);

// Whether a translation mode renders one translation per word (modes 1–4 and 6–12);
// the others show every translation, "a {b, c}".
bool IsSingleRenderingMode(int translationMode);
// Whether a translation mode translates word by word, without the sentence stages
// (modes 5–7).
bool IsWordByWordMode(int translationMode);

// For a Polish target and a word with marker 185: the trailing number words of a
// translation's forms become ordinal adjectives (" *7"), from the last form
// backwards, as far as Polish makes a compound ordinal of them: "dwadzieścia trzy" →
// "dwudziesty trzeci", "sto dwadzieścia trzy" → "sto dwudziesty trzeci". A number
// without a one-word ordinal (digits, "dwieście" after a unit) ends the conversion.
void OrdinalForms(std::vector<std::string>& forms);

} // namespace velmar
