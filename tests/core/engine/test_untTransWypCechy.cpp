// The words that supply a word's target features: walks along the group roles and
// the search for the subject a word agrees with.
#include <gtest/gtest.h>

#include <vector>

#include "ZdanieRecznie.h"
#include "core/engine/untTransWypCechy.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

using test::TZdanieRecznie;

constexpr std::uint8_t N = tgNominalna, V = tgWerbalna, BRAK = tgZadna;

// One word, alone in a group of the type (BRAK: no group), with roles and markers.
struct TSlowoGrupy {
    std::uint8_t type;
    std::vector<int> roles = {};
    int kind = 0;
    std::vector<int> markers = {};
};

void Build(TZdanieRecznie& z, const std::vector<TSlowoGrupy>& words)
{
    for (const TSlowoGrupy& w : words) {
        TCustomWypSlowo& word = z.Add("w");
        for (const int marker : w.markers)
            word.SetMarker(marker);
        if (w.type == BRAK)
            continue;
        const int i = z.Words().Count() - 1;
        TCustomWypGrupa& group = z.Group(i, i, w.type, static_cast<std::uint8_t>(w.kind));
        for (const int role : w.roles)
            group.Roles.set(static_cast<std::size_t>(role));
    }
}

struct TZrodla {
    const char* name;
    std::vector<TSlowoGrupy> words;
    int word;
    TZrodlaCech expected; // gender, number, case, person, tense
};

class Sources : public ::testing::TestWithParam<TZrodla> {};

TEST_P(Sources, FollowTheGroupRoles)
{
    TZdanieRecznie z;
    Build(z, GetParam().words);
    const TZrodlaCech found = FeatureSources(z.Words(), GetParam().word);
    const TZrodlaCech& expected = GetParam().expected;
    EXPECT_EQ(found.Gender, expected.Gender);
    EXPECT_EQ(found.Number, expected.Number);
    EXPECT_EQ(found.Case, expected.Case);
    EXPECT_EQ(found.Person, expected.Person);
    EXPECT_EQ(found.Tense, expected.Tense);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypCechy, Sources,
    ::testing::Values(
        TZrodla{"NoGroupNoSource", {{BRAK}}, 0, {-1, -1, -1, -1, -1}},
        TZrodla{"OwnGroup", {{N}, {N}}, 1, {1, 1, 1, 1, 1}},
        TZrodla{
            "RepresentedByALaterGroup", {{N, {rgReprezentowana}}, {BRAK}, {N, {rgReprezentant}}}, 0, {2, 2, 2, 2, 2}},
        TZrodla{"RepresentedButTheNextGroupIsNotTheRepresentative",
                {{N, {rgReprezentowana}}, {N, {rgReprezentowana}}, {N, {rgReprezentant}}},
                0,
                {0, 0, 0, 0, 0}},
        TZrodla{"PreviousNominalGroupGivesGenderNumberCase", {{N}, {V}, {N, {rgCechyPoprzedniej}}}, 2, {0, 0, 0, 2, 2}},
        TZrodla{
            "NextNominalGroupWhenNoneBefore", {{N, {rgCechyPoprzedniej, rgCechyNastepnej}}, {N}}, 0, {1, 1, 1, 0, 0}},
        TZrodla{"TheWalkGoesOnWhileGroupsHaveTheRole",
                {{N}, {N, {rgCechyPoprzedniej}}, {N, {rgCechyPoprzedniej}}},
                2,
                {0, 0, 0, 2, 2}},
        TZrodla{"GenderAloneFromThePreviousGroup", {{N}, {N, {rgRodzajPoprzedniej}}}, 1, {0, 1, 1, 1, 1}},
        TZrodla{"NumberAloneFromTheNextGroup", {{N, {rgLiczbaNastepnej}}, {N}}, 0, {0, 1, 0, 0, 0}},
        TZrodla{"CaseAloneFromThePreviousGroup", {{N}, {N, {rgPrzypadekPoprzedniej}}}, 1, {1, 1, 0, 1, 1}},
        TZrodla{
            "PersonAndTenseFromTheVerbalGroupBefore", {{V}, {N}, {V, {rgOsobaCzasPoprzedniej}}}, 2, {2, 2, 2, 0, 0}},
        TZrodla{"PersonAloneFromTheNextVerbalGroup", {{N, {rgOsobaNastepnej}}, {V}}, 0, {0, 0, 0, 1, 0}},
        TZrodla{"TenseAloneFromThePreviousVerbalGroup", {{V}, {V, {rgCzasPoprzedniej}}}, 1, {1, 1, 1, 1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr int kSubject = 6; // a subject kind of the base groups

struct TPodmiot {
    const char* name;
    std::vector<TSlowoGrupy> words;
    int word;
    int expected; // the subject's word, −1 none
};

class Subject : public ::testing::TestWithParam<TPodmiot> {};

TEST_P(Subject, IsFoundInTheClauseOrWhereTheClauseSays)
{
    TZdanieRecznie z;
    Build(z, GetParam().words);
    const TZrodloPodmiotu subject = SubjectOf(z.Words(), GetParam().word);
    EXPECT_EQ(subject.Gender, GetParam().expected);
    EXPECT_EQ(subject.Number, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypCechy, Subject,
    ::testing::Values(
        TPodmiot{"BeforeTheVerb", {{N, {}, kSubject}, {V}}, 1, 0}, TPodmiot{"NoneInTheClause", {{N}, {V}}, 1, -1},
        TPodmiot{"NotBeyondTheClauseStart", {{N, {}, kSubject}, {V}, {BRAK, {}, 0, {znPoczatekZdania}}, {V}}, 3, -1},
        TPodmiot{"AfterAVerbWithRole37", {{V, {rgPodmiotNastepuje}}, {BRAK}, {N, {}, kSubject}}, 0, 2},
        TPodmiot{"AfterTheVerbOnlyInItsClause",
                 {{V, {rgPodmiotNastepuje}}, {BRAK, {}, 0, {znPoczatekZdania}}, {N, {}, kSubject}},
                 0,
                 -1},
        TPodmiot{"OfThePreviousClause",
                 {{N, {}, kSubject}, {V}, {BRAK, {}, 0, {znPoczatekZdania, znPodmiotPoprzedni}}, {V}},
                 3,
                 0},
        TPodmiot{"OfTheClauseBeforeThePrevious",
                 {{N, {}, kSubject},
                  {V},
                  {BRAK, {}, 0, {znPoczatekZdania}},
                  {N, {}, kSubject},
                  {BRAK, {}, 0, {znPoczatekZdania, znPodmiotSprzedDwoch}},
                  {V}},
                 5,
                 0},
        TPodmiot{"PastAPreviousClauseOpenedByNS",
                 {{N, {}, kSubject},
                  {BRAK, {}, 0, {znPoczatekZdania, znNS1}},
                  {N, {}, kSubject},
                  {BRAK, {}, 0, {znPoczatekZdania, znPodmiotPoNS}},
                  {V}},
                 4,
                 0},
        TPodmiot{"TheSourcesOfTheSubjectWord", {{N}, {N, {rgCechyPoprzedniej}, kSubject}, {V}}, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The features the verb is generated with: the subject's number in a group with role
// 38 counts as plural, and role 34 turns the third person to the subject's number.
TEST(TransWypCechy, PersonFollowsTheSubjectsNumber)
{
    TZdanieRecznie z;
    Build(z, {{N, {}, kSubject}, {V, {rgOsobaWgPodmiotu}}});
    TCustomWypGrupa& subject = *z.Word(0).Group();
    subject.num = 2;
    z.Word(1).Group()->pn = 3;
    EXPECT_EQ(TargetFeatures(z.Words(), 1).Person, 6);
    EXPECT_EQ(TargetFeatures(z.Words(), 1).SubjectNumber, 2);

    subject.num = 1;
    subject.Roles.set(rgMnogaDoZgody);
    EXPECT_EQ(TargetFeatures(z.Words(), 1).SubjectNumber, 2);
    EXPECT_EQ(TargetFeatures(z.Words(), 1).Person, 3) << "role 38 leaves the person alone";
}

TEST(TransWypCechy, NumberAndGenderAgreeWithTheSubjectWhenTheRolesSay)
{
    TZdanieRecznie z;
    Build(z, {{N, {}, kSubject}, {V}, {N, {rgRodzajPodmiotu, rgLiczbaPodmiotu}}});
    TCustomWypGrupa& subject = *z.Word(0).Group();
    subject.genus = rdzZenski;
    subject.lba = 2;
    z.Word(2).Group()->genus = rdzNijaki;
    z.Word(2).Group()->lba = 1;
    const TCechyCelu features = TargetFeatures(z.Words(), 2);
    EXPECT_EQ(features.Gender, rdzZenski);
    EXPECT_EQ(features.Number, 2);

    z.Word(2).Group()->Roles.reset();
    EXPECT_EQ(TargetFeatures(z.Words(), 2).Gender, rdzNijaki);
    EXPECT_EQ(TargetFeatures(z.Words(), 2).Number, 1);
}

} // namespace
} // namespace velmar
