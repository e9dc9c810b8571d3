#pragma once
// The table test through GenFormPl that the Polish generators' tests share: a row is a
// word string, its features and the expected form, written in UTF-8. The test itself
// is defined once (test_untGenTlumaczPl.cpp); each test file instantiates its own rows.

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"
#include "support/TestNames.h"

namespace velmar {

struct TPrzypadekPl {
    const char* Word; // UTF-8
    TCechyPl Features;
    const char* Expected; // UTF-8
};

inline void PrintTo(const TPrzypadekPl& c, std::ostream* os)
{
    const TCechyPl& f = c.Features;
    *os << c.Word << " case " << f.Case << " number " << f.Number << " gender " << f.Gender << " degree " << f.Degree
        << " person " << f.Person << " form " << f.FormCode << " subject number " << f.SubjectNumber
        << " subject gender " << f.SubjectGender;
}

// The row's name: the word with its code, then the features that differ from the
// defaults ("pies 2110208 gen pl", "czytac 1 p3 form1").
inline std::string DescribeFormPl(const TPrzypadekPl& c)
{
    static constexpr std::array<const char*, 8> kCases{"case0", "nom", "gen", "dat", "acc", "ins", "loc", "voc"};
    static constexpr std::array<const char*, 5> kGenders{"mpers", "minan", "manim", "f", "n"};
    const auto number = [](int n) { return (n < 0 ? "minus" : "") + std::to_string(n < 0 ? -n : n); };
    const TCechyPl& f = c.Features;
    const TCechyPl neutral;
    std::string name = c.Word;
    const auto star = name.find('*');
    if (star != std::string::npos && name.find_first_not_of("* ", star) == std::string::npos)
        name += " no code";
    const auto add = [&name](bool differs, const std::string& feature) {
        if (differs)
            name += " " + feature;
    };
    add(f.Case != neutral.Case, f.Case >= 0 && f.Case < 8 ? kCases[f.Case] : "case" + number(f.Case));
    add(f.Number != neutral.Number, f.Number == 2 ? "pl" : "number" + number(f.Number));
    add(f.Gender != neutral.Gender, f.Gender >= 0 && f.Gender < 5 ? kGenders[f.Gender] : "gender" + number(f.Gender));
    add(f.Degree != neutral.Degree, "degree" + number(f.Degree));
    add(f.Person != neutral.Person, "p" + number(f.Person));
    add(f.FormCode != neutral.FormCode, "form" + number(f.FormCode));
    add(f.SubjectNumber != neutral.SubjectNumber, "subject number" + number(f.SubjectNumber));
    add(f.SubjectGender != neutral.SubjectGender, "subject gender" + number(f.SubjectGender));
    add(f.NormaliseOblique, "normalised");
    add(f.AdverbFlag, "adverb");
    add(f.AfterPreposition, "after preposition");
    return name;
}

inline std::string GenerateUtf8(const char* word, const TCechyPl& features)
{
    return ToUtf8(GenFormPl(FromUtf8(word), features), jezPolski);
}

class GenFormPlTable : public ::testing::TestWithParam<TPrzypadekPl> {};

} // namespace velmar
