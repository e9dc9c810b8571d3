// The analysis listing that Finish leaves in an utterance's Result, and the notes of
// the diagnostic mode.
#include <gtest/gtest.h>

#include "ZdanieRecznie.h"

namespace velmar {
namespace {

using test::TZdanieRecznie;

TEST(TransWypListing, FrenchSourceShowsGroupsVerbFeaturesMarkersAndBracketedText)
{
    TZdanieRecznie z;
    z.Add("le");
    z.Add("chat");
    TCustomWypSlowo& verb = z.Add("dort");
    TCustomWypGrupa& subject = z.Group(0, 1, tgNominalna, 6);
    subject.rdz = 1;
    subject.lba = 1;
    subject.casus = 1;
    z.Group(2, 2, tgWerbalna, 1);
    verb.SetCode(100);
    verb.pn = 3;
    verb.vt = 1;
    verb.va = verb.vox = verb.N = verb.inf = 0;
    verb.SetMarker(znZwrotny);
    verb.SetMarker(znLiczba);
    verb.CreateNested();
    verb.Nested->NewUtterance();
    verb.Nested->Item(0)->Words().AddWord("bis", "", {}, 0, 3, false);

    z.Utterance().Finish();
    EXPECT_EQ(z.Utterance().Result, "  |  { (S) (rdzpod:1,lbapod:1,casus:1) le [1] chat [1] } "
                                    "< dort [100] (pn:3,vt:1,va:0,vox:0,N:0,inf:0) (LICZ R) > "
                                    "  |  bis [1] ");
}

TEST(TransWypListing, AnObjectGroupShowsItsOwnFeatures)
{
    TZdanieRecznie z;
    z.Add("chat");
    TCustomWypGrupa& object = z.Group(0, 0, tgNominalna, 11);
    object.rdz = 2;
    object.lba = 2;
    object.casus = 4;
    z.Utterance().Listing();
    EXPECT_EQ(z.Utterance().Result, "  |  { (D) (rdz:2,lba:2,casus:4) chat [1] } ");
}

TEST(TransWypListing, PolishSourceShowsGroupFeaturesAndDegree)
{
    TZdanieRecznie z({.Source = jezPolski, .Target = jezFrancuski});
    z.Add("kot");
    z.Add("spi");
    TCustomWypGrupa& subject = z.Group(0, 0, tgNominalna, 6);
    subject.rdz = 2;
    subject.lba = 1;
    subject.CaseCodes = "1A";
    subject.genus = 2;
    subject.num = 1;
    TCustomWypGrupa& verb = z.Group(1, 1, tgWerbalna, 1);
    verb.pn = 3;
    verb.forma = 1;
    z.Word(1).st = 0;
    z.Utterance().Listing();
    EXPECT_EQ(z.Utterance().Result, "  |  { (S) (rdz:2,lba:1,casus:1A,genus:2,num:1,cas:0) kot [1] } "
                                    "( (pn:3,forma:1,vtdoc:0) spi [1] st: 0 ) ");
}

TEST(TransWypListing, SynkNotesNameTheCodesOfAmbiguousWords)
{
    TZdanieRecznie z;
    auto addReading = [](TCustomWypSlowo& word, int code, int kind) {
        TZnaczenie reading;
        reading.Code = code;
        reading.DictKind = kind;
        word.Readings.Add(reading);
    };
    TCustomWypSlowo& ambiguous = z.Add("a");
    ambiguous.Notes = "uwaga";
    addReading(ambiguous, 10, 0);
    addReading(ambiguous, 30, kRodzajUzytkownika);
    addReading(ambiguous, 20, 0);
    TCustomWypSlowo& plain = z.Add("b");
    addReading(plain, 10, 0);
    addReading(plain, 30, kRodzajUzytkownika);

    z.Utterance().SynkNotes();
    EXPECT_EQ(ambiguous.Notes, "uwaga [SYNK:10+20]");
    EXPECT_EQ(plain.Notes, "") << "the user dictionary's reading does not count";
}

} // namespace
} // namespace velmar
