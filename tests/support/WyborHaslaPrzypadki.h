#pragma once
// The table of typed words and the entry each must lead to, shared by the tests of the
// core choice, of velmar-cli lookup and of the dictionary window, over the small
// dictionaries in tests/fixtures/lookup/ (main, user and forms of both directions).

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/app/untStale.h"
#include "core/browser/untWyborHasla.h"

namespace velmar::test {

struct TPrzypadekWyboru {
    const char* Name; // the test's name
    std::uint8_t Language;
    const char* Word; // typed, UTF-8
    TZrodloHasla Source;
    TSposobWyboru How;
    // UTF-8: the headword shown; with None the headword the list stands at.
    const char* Headword;
    // UTF-8: a translation in the entry shown, telling apart equal headwords; empty with None.
    const char* Translation;
};

inline constexpr auto kUser = TZrodloHasla::User;
inline constexpr auto kMain = TZrodloHasla::Main;
inline constexpr auto kNone = TZrodloHasla::None;

inline constexpr TPrzypadekWyboru kPrzypadkiWyboru[] = {
    {"chat_user_before_main", jezFrancuski, "chat", kUser, TSposobWyboru::Exact, "chat", "kocur"},
    {"lapin_user_only", jezFrancuski, "lapin", kUser, TSposobWyboru::Exact, "lapin", "królik"},
    {"cheval_exact", jezFrancuski, "cheval", kMain, TSposobWyboru::Exact, "cheval", "koń"},
    {"chevaux_form", jezFrancuski, "chevaux", kMain, TSposobWyboru::Form, "cheval", "koń"},
    {"mange_form", jezFrancuski, "mangé", kMain, TSposobWyboru::Form, "manger", "jeść"},
    {"MAISON_case", jezFrancuski, "MAISON", kMain, TSposobWyboru::Case, "maison", "dom"},
    {"paris_case", jezFrancuski, "paris", kMain, TSposobWyboru::Case, "Paris", "Paryż"},
    {"ecole_accents", jezFrancuski, "ecole", kMain, TSposobWyboru::Accents, "école", "szkoła"},
    {"ELEVE_accents", jezFrancuski, "ELEVE", kMain, TSposobWyboru::Accents, "élève", "uczeń"},
    {"pom_prefix_nothing_shown", jezFrancuski, "pom", kNone, TSposobWyboru::Exact, "pomme", ""},
    {"maisonnette_nowhere", jezFrancuski, "maisonnette", kNone, TSposobWyboru::Exact, "manger", ""},
    {"lap_list_at_user_headword", jezFrancuski, "lap", kNone, TSposobWyboru::Exact, "lapin", ""},
    {"kotami_form", jezPolski, "kotami", kMain, TSposobWyboru::Form, "kot", "chat"},
    {"psa_form", jezPolski, "psa", kMain, TSposobWyboru::Form, "pies", "chien"},
    {"pies_exact", jezPolski, "pies", kMain, TSposobWyboru::Exact, "pies", "chien"},
    {"KOT_case", jezPolski, "KOT", kMain, TSposobWyboru::Case, "kot", "chat"},
    {"pie_prefix_nothing_shown", jezPolski, "pie", kNone, TSposobWyboru::Exact, "pies", ""},
};

inline std::string WyborTestName(const ::testing::TestParamInfo<TPrzypadekWyboru>& info)
{
    return info.param.Name;
}

// The readable fixture of a kind ("main", "user", "forms") in a language; empty when
// there is none.
inline std::string LookupFixture(std::uint8_t language, const std::string& kind)
{
    const std::string name = (language == jezPolski ? "pl_" : "fr_") + kind + ".txt";
    std::ifstream in(std::filesystem::path(VELMAR_FIXTURES_DIR) / "lookup" / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace velmar::test
