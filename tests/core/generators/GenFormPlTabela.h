#pragma once
// The table test through GenFormPl that the Polish generators' tests share: a row is a
// word string, its features and the expected form, written in UTF-8. The test itself
// is defined once (test_untGenTlumaczPl.cpp); each test file instantiates its own rows.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

struct TPrzypadekPl {
    const char* Word;     // UTF-8
    TCechyPl Features;
    const char* Expected; // UTF-8
};

inline void PrintTo(const TPrzypadekPl& c, std::ostream* os)
{
    const TCechyPl& f = c.Features;
    *os << c.Word << " case " << f.Case << " number " << f.Number << " gender " << f.Gender
        << " degree " << f.Degree << " person " << f.Person << " form " << f.FormCode
        << " subject number " << f.SubjectNumber << " subject gender " << f.SubjectGender;
}

inline std::string GenerateUtf8(const char* word, const TCechyPl& features)
{
    return ToUtf8(GenFormPl(FromUtf8(word), features), jezPolski);
}

class GenFormPlTable : public ::testing::TestWithParam<TPrzypadekPl> {};

} // namespace velmar
