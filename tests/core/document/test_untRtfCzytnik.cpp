// The RTF reader and writer: round trips of random documents, and documents written
// by LibreOffice and by hand.
#include <gtest/gtest.h>

#include <random>

#include "core/app/untUtils.h"
#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"
#include "support/TempFolder.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

std::string Fixture(const std::string& name)
{
    return test::TempFolder::Read(std::filesystem::path(VELMAR_FIXTURES_DIR) / "documents" / name);
}

std::string Utf8(std::u16string_view text)
{
    return WideToUtf8(text);
}

std::vector<std::string> ParagraphTexts(const TTekstFormatowany& document)
{
    std::vector<std::string> texts;
    for (const auto& paragraph : document.Akapity)
        texts.push_back(Utf8(paragraph.Tekst()));
    return texts;
}

// ---------------------------------------------------------------- descriptions

// A run as "[flags:text]" when it carries any of the attributes the tables check.
std::string DescribeRun(const TFragment& run)
{
    const auto& a = run.Atrybuty;
    const std::pair<bool, const char*> flags[] = {
        {a.Pogrubienie, "b"},
        {a.Kursywa, "i"},
        {a.Podkreslenie, "u"},
        {a.Polozenie == TPolozenieZnaku::IndeksGorny, "sup"},
        {a.Polozenie == TPolozenieZnaku::IndeksDolny, "sub"},
        {a.Kapitaliki, "scaps"},
        {a.Wersaliki, "caps"},
        {a.Ukryty, "hidden"},
        {a.Wyroznienie != TAtrybutyTekstu::kKolorDomyslny, "highlight"},
        {a.Tlo != TAtrybutyTekstu::kKolorDomyslny, "background"},
    };
    std::string marks;
    for (const auto& [on, name] : flags)
        if (on)
            marks += std::string(marks.empty() ? "" : ",") + name;
    const std::string text = Utf8(run.Tekst);
    return marks.empty() ? text : "[" + marks + ":" + text + "]";
}

std::string DescribeList(const TLista& list)
{
    static const char* kKinds[] = {"",           "bullet", "decimal", "lower-letter", "upper-letter", "lower-roman",
                                   "upper-roman"};
    return list.Rodzaj == TRodzajListy::Brak ? "" : Format("%s@%d", kKinds[static_cast<int>(list.Rodzaj)], list.Poziom);
}

// A paragraph's attributes as words: alignment other than left, list, heading
// level, the break before it, and the size of its first run.
std::string DescribeAttributes(const TAkapit& paragraph)
{
    static const char* kAlignment[] = {"", "center", "right", "justify"};
    static const char* kBreaks[] = {"", "page-break", "section-break"};
    const auto& a = paragraph.Atrybuty;
    std::vector<std::string> words = {kAlignment[static_cast<int>(a.Wyrownanie)], DescribeList(a.Lista),
                                      a.PoziomKonspektu > 0 ? Format("h%d", a.PoziomKonspektu) : "",
                                      kBreaks[static_cast<int>(a.Podzial)]};
    if (!paragraph.Fragmenty.empty() && paragraph.Fragmenty[0].Atrybuty.PolPunkty > 0)
        words.push_back(Format("size%d", paragraph.Fragmenty[0].Atrybuty.PolPunkty));
    std::string joined;
    for (const auto& word : words)
        if (!word.empty())
            joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

struct TOpisAkapitu {
    std::string Text; // the runs, "[flags:text]" for those with attributes
    std::string Attributes;

    bool operator==(const TOpisAkapitu&) const = default;
};

void PrintTo(const TOpisAkapitu& p, std::ostream* out)
{
    *out << "{\"" << p.Text << "\", \"" << p.Attributes << "\"}";
}

std::vector<TOpisAkapitu> Describe(const TTekstFormatowany& document)
{
    std::vector<TOpisAkapitu> table;
    for (const auto& paragraph : document.Akapity) {
        std::string text;
        for (const auto& run : paragraph.Fragmenty)
            text += DescribeRun(run);
        table.push_back({text, DescribeAttributes(paragraph)});
    }
    return table;
}

// ---------------------------------------------------------------- round trip

class TLosowyDokument {
public:
    explicit TLosowyDokument(unsigned seed) : random_(seed) {}

    TTekstFormatowany Make()
    {
        TTekstFormatowany document;
        document.DomyslnaCzcionka = Number(0, 1) ? "Liberation Serif" : "Zażółć; font";
        if (Number(0, 1))
            document.Strona = {Number(1, 20000), Number(1, 20000), Number(0, 2000),  Number(0, 2000),
                               Number(0, 2000),  Number(0, 2000),  Number(0, 1) == 0};
        const int paragraphs = Number(1, 6);
        for (int p = 0; p < paragraphs; ++p) {
            TAkapit paragraph;
            paragraph.Atrybuty = {static_cast<TWyrownanie>(Number(0, 3)),
                                  Number(0, 2000),
                                  Number(0, 1000),
                                  Number(-500, 500),
                                  List(),
                                  Number(0, 3) == 0 ? Number(1, 9) : 0,
                                  static_cast<TPodzial>(Number(0, 5) / 2 == 2 ? Number(1, 2) : 0)};
            const int runs = Number(0, 5);
            for (int r = 0; r < runs; ++r)
                paragraph.Fragmenty.push_back({Text(), Attributes()});
            document.Akapity.push_back(std::move(paragraph));
        }
        return document;
    }

private:
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // A list states its kind and first number per level, so they follow from them.
    TLista List()
    {
        if (Number(0, 2) != 0)
            return {};
        const int number = Number(1, 3);
        const int level = Number(0, kPoziomyList - 1);
        const auto kind = static_cast<TRodzajListy>(1 + (number * 3 + level) % 6);
        const char16_t suffixes[] = {u'.', u')', u'\0'};
        const char16_t suffix = kind == TRodzajListy::Punktor ? u'.' : suffixes[number - 1];
        return {kind, level, number, 1 + number, suffix};
    }

    std::u16string Text()
    {
        // Plain letters, the code page's letters, characters RTF must escape, tabs
        // and line breaks, letters outside the code page and a surrogate pair.
        static const std::u16string kPool = u"abc XYZ 019 ąęłśżźćńó ÀéüŒœ€… \\{}; \t\u2028\u00AD Ж漢\U0001F600";
        std::u16string text;
        const int length = Number(0, 12);
        for (int i = 0; i < length; ++i) {
            const char16_t c = kPool[static_cast<std::size_t>(Number(0, int(kPool.size()) - 1))];
            if (c >= 0xD800 && c <= 0xDFFF)
                text += u"\U0001F600";
            else
                text += c;
        }
        return text;
    }

    TAtrybutyTekstu Attributes()
    {
        static const char* kFonts[] = {"", "Liberation Serif", "DejaVu Sans", "Zażółć; font"};
        TAtrybutyTekstu a;
        a.Czcionka = kFonts[Number(0, 3)];
        a.PolPunkty = Number(0, 1) ? 2 * Number(4, 36) : 0;
        a.Pogrubienie = Number(0, 1);
        a.Kursywa = Number(0, 1);
        a.Podkreslenie = Number(0, 1);
        a.Przekreslenie = Number(0, 1);
        a.Kolor = Number(0, 1) ? Number(0, 0xFFFFFF) : TAtrybutyTekstu::kKolorDomyslny;
        a.Kapitaliki = Number(0, 3) == 0;
        a.Wersaliki = Number(0, 3) == 0;
        a.Ukryty = Number(0, 3) == 0;
        a.Polozenie = static_cast<TPolozenieZnaku>(Number(0, 2));
        a.Wyroznienie = Number(0, 2) == 0 ? Number(0, 0xFFFFFF) : TAtrybutyTekstu::kKolorDomyslny;
        a.Tlo = Number(0, 2) == 0 ? Number(0, 0xFFFFFF) : TAtrybutyTekstu::kKolorDomyslny;
        return a;
    }

    std::mt19937 random_;
};

TEST(RtfRoundTrip, ReadingWhatTheWriterWroteGivesTheSameDocument)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        TTekstFormatowany original = TLosowyDokument(seed).Make();
        original.Normalizuj();
        const std::string rtf = WriteRtf(original);
        const auto read = ReadRtf(rtf);
        ASSERT_TRUE(read) << "seed " << seed;
        ASSERT_EQ(*read, original) << "seed " << seed << "\n" << rtf;
    }
}

TEST(RtfRoundTrip, WriterDeclaresCodePage1252AndEscapesTheRest)
{
    TTekstFormatowany document;
    document.Akapity.push_back({{}, {{u"é ą Ж", {}}}});
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("\\ansicpg1252"), std::string::npos);
    EXPECT_NE(rtf.find("\\'e9 \\u261? \\u1046?"), std::string::npos) << rtf;
}

// ---------------------------------------------------------------- fixtures

// Each document with what reading it must give, paragraph by paragraph: reading it,
// and reading what the writer made of that, give the same table.
struct TDokumentWzorcowy {
    const char* Name;
    TPominiecia LeftOut;
    std::vector<TOpisAkapitu> Paragraphs;
};

const TDokumentWzorcowy kDokumenty[] = {
    {"libreoffice-features.rtf",
     pmPrzypisy | pmRamki | pmNaglowkiStopki,
     {
         {"[b:Rozdział pierwszy]", "h1 size32"},
         {"Zwykły akapit, powierzchnia 20 m[sup:2], wzór H[sub:2]O, [scaps:Kapitaliki] i [caps:wersaliki], "
          "[background:wyróżnienie].[hidden: Ukryty tekst.] Przypis tutaj[sup:1].",
          "size22"},
         {"[b:Listy]", "h2 size26"},
         {"Punkt pierwszy", "bullet@0 size22"},
         {"Podpunkt", "bullet@1 size22"},
         {"Punkt drugi", "bullet@0 size22"},
         {"Krok pierwszy", "decimal@0 size22"},
         {"Litera a", "lower-letter@1 size22"},
         {"Litera b", "lower-letter@1 size22"},
         {"Krok drugi", "decimal@0 size22"},
         {"Komórka A", "size22"},
         {"Komórka B", "size22"},
         {"Akapit w stylu z własnym rozmiarem i wyjustowaniem.", "justify size28"},
         {"Po podziale strony.", "page-break size22"},
         {"Tekst w ramce.", "size22"},
         {"Koniec.", "size22"},
         {"[sup:1] Treść przypisu.", "size22"},
     }},
    {"word97.rtf",
     pmPrzypisy | pmNaglowkiStopki,
     {
         {"[b:Zaproszenie]", "h1 size32"},
         {"Szanowny [Imię i nazwisko],", "justify size22"},
         {"Zapraszamy na spotkanie[sup:1]. Powierzchnia 40 m[sup:2], [scaps:Kapitaliki], [highlight:ważne][hidden: "
          "ukryte].",
          "justify size22"},
         {"pierwszy punkt", "bullet@0 size22"},
         {"krok", "decimal@0 size22"},
         {"podkrok", "lower-letter@1 size22"},
         {"krok drugi", "decimal@0 size22"},
         {"Rosyjski: Привет.", "justify size22"},
         {"Nowa strona z dziel\u00ADeniem.", "justify page-break size22"},
         {"Euro € i 😀.", "justify size22"},
         {"[sup:1] W sali 12.", "size20"},
     }},
    {"wordpad.rtf",
     0,
     {
         {"[b:Notatka]", "center size28"},
         {"Zwykły tekst z [i:kursywą], H[sub:2]O i 10[sup:3].", "size22"},
         {"jabłko", "bullet@0 size22"},
         {"gruszka", "bullet@0 size22"},
         {"raz", "decimal@0 size22"},
         {"dwa", "decimal@0 size22"},
         {"Koniec linii.", "size22"},
         {"Nowa strona…", "page-break size22"},
     }},
};

class RtfDocumentTable : public ::testing::TestWithParam<TDokumentWzorcowy> {};

TEST_P(RtfDocumentTable, ReadingAndReadingWhatTheWriterWroteGiveTheTable)
{
    TPominiecia leftOut = 0;
    auto document = ReadRtf(Fixture(GetParam().Name), &leftOut);
    ASSERT_TRUE(document);
    EXPECT_EQ(Describe(*document), GetParam().Paragraphs);
    EXPECT_EQ(leftOut, GetParam().LeftOut);

    document->Normalizuj();
    const auto again = ReadRtf(WriteRtf(*document));
    ASSERT_TRUE(again);
    EXPECT_EQ(Describe(*again), GetParam().Paragraphs);
    EXPECT_EQ(*again, *document);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RtfDocumentTable, ::testing::ValuesIn(kDokumenty),
                         test::NamedBy([](const TDokumentWzorcowy& d) { return std::string(d.Name); }));

// ---------------------------------------------------------------- what used to be lost

struct TPrzypadekRtf {
    const char* Name;
    std::string Rtf;
    std::vector<TOpisAkapitu> Paragraphs;
};

const std::string kListy =
    R"({\*\listtable{\list{\listlevel\levelnfc255{\leveltext\'00;}}\listid7})"
    R"({\list{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;}}\listid8})"
    R"({\list{\listlevel\levelnfc0{\leveltext\'02\'00.;}}{\listlevel\levelnfc4{\leveltext\'02\'01);}})"
    R"({\listlevel\levelnfc1{\leveltext\'02\'02.;}}\listid9}})"
    R"({\*\listoverridetable{\listoverride\listid7\ls1}{\listoverride\listid8\ls2})"
    R"({\listoverride\listid9\ls3}})";

const TPrzypadekRtf kPrzypadki[] = {
    {"1 a heading on an outline list without numbers has no bullet",
     R"({\rtf1\ansi\ansicpg1250{\stylesheet{\s1\outlinelevel0\b Heading 1;}})" + kListy +
         R"(\pard\plain\s1\ls1 Tytu\'b3\par\pard\plain\ls2 punkt\par})",
     {{"[b:Tytuł]", "h1"}, {"punkt", "bullet@0"}}},
    {"2 numbered lists keep their kinds and levels",
     "{\\rtf1" + kListy +
         R"(\pard\ls3 jeden\par\pard\ls3\ilvl1 litera\par\pard\ls3\ilvl2 rzymska\par)"
         R"(\pard{\*\pn\pnlvlbody\pnucltr\pnstart3}stary\par})",
     {{"jeden", "decimal@0"}, {"litera", "lower-letter@1"}, {"rzymska", "upper-roman@2"}, {"stary", "upper-letter@0"}}},
    {"3 a MACROBUTTON without a result shows its prompt",
     R"({\rtf1 Dear {\field{\*\fldinst MACROBUTTON NoMacro Title}{\fldrslt }} {\field{\*\fldinst { MACROBUTTON )"
     R"(DoFieldClick Recipient's name}}{\fldrslt}},})",
     {{"Dear Title Recipient's name,", ""}}},
    {"4 page and section breaks end the paragraph",
     R"({\rtf1 linia.\page Sekcja\sect Dalej\par\page\par Po})",
     {{"linia.", ""}, {"Sekcja", "page-break"}, {"Dalej", "section-break"}, {"", "page-break"}, {"Po", ""}}},
    {"5 styles give their formatting",
     R"({\rtf1\ansi\ansicpg1250{\*\defchp\fs22}{\stylesheet{\qj\fs24 Normal;}{\s2\sbasedon0\b Mocny;}{\*\cs10\i Akcent;}})"
     R"(\pard\plain\s2 tekst {\cs10 akcent}\par\pard\plain domy\'9clny\par})",
     {{"[b:tekst ][b,i:akcent]", "justify size24"}, {"domyślny", "size22"}}},
    {"6 hidden text stays hidden", R"({\rtf1 widoczny{\v  ukryty}\par})", {{"widoczny[hidden: ukryty]", ""}}},
    {"9 capitals, positions and colours are kept",
     R"({\rtf1{\colortbl;\red255\green255\blue0;}{\scaps a}{\caps b}{\super c}{\sub d}{\super\nosupersub e})"
     R"({\highlight1 f}{\chcbpat1 g}{\cb1 h}})",
     {{"[scaps:a][caps:b][sup:c][sub:d]e[highlight:f][background:gh]", ""}}},
    {"10 every single-byte code page is decoded",
     R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0 Doc;}{\f1\fcharset161 Greek;}{\f2\fcharset238 CE;}{\f3\cpg1257 Baltic;}})"
     R"(\'cf\'f0\'e8 {\f1\'e1\'e3} {\f2\'b9\'ea} {\f3\'e0}})",
     {{"При αγ ąę ą", ""}}},
    {"10 a byte the code page gives no character is dropped", R"({\rtf1\ansi\ansicpg1250 a\'98b\'81c})", {{"abc", ""}}},
    {"2 old-style numbering starts where its first paragraph says",
     R"({\rtf1{\*\pn\pnlvlbody\pndec\pnstart3}a\par{\*\pn\pnlvlbody\pndec\pnstart1}b\par})",
     {{"a", "decimal@0"}, {"b", "decimal@0"}}},
    {"14 \\u is validated",
     R"({\rtf1 a\u0?b\u3?c\u9?d\u10?e\u70000?f\u-10179?g\u-8704?h\u-10179?\u-8704?i\u-10179?\u55357?\u56832?})",
     {{"abc\td\u2028e\uFFFDf\uFFFDg\uFFFDh😀i\uFFFD😀", ""}}},
    {"15 no paragraph from the flat copy of nested tables, soft hyphens kept",
     R"({\rtf1 przed{\*\nonesttables \par wiersz\par} dzie\-lenie\par})",
     {{"przed dzie\u00ADlenie", ""}}},
};

class RtfCaseTable : public ::testing::TestWithParam<TPrzypadekRtf> {};

TEST_P(RtfCaseTable, ReadsAsTheTableSaysAndSurvivesTheWriter)
{
    auto document = ReadRtf(GetParam().Rtf);
    ASSERT_TRUE(document);
    EXPECT_EQ(Describe(*document), GetParam().Paragraphs);
    document->Normalizuj();
    const auto again = ReadRtf(WriteRtf(*document));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Akapity, document->Akapity);
}

INSTANTIATE_TEST_SUITE_P(Losses, RtfCaseTable, ::testing::ValuesIn(kPrzypadki),
                         test::NamedBy([](const TPrzypadekRtf& c) { return std::string(c.Name); }));

TEST(RtfReader, PageSetUpIsReadAndWrittenBack)
{
    const auto document =
        ReadRtf(R"({\rtf1\paperw16838\paperh11906\margl1134\margr850\margt567\margb1417\landscape\sectd )"
                R"(\pgwsxn1000\pghsxn1000 tekst\sect\sectd\pgwsxn5\pghsxn5 dalej})");
    ASSERT_TRUE(document);
    const TUstawieniaStrony a4Landscape{16838, 11906, 1134, 850, 567, 1417, true};
    EXPECT_EQ(document->Strona, a4Landscape);
    EXPECT_EQ(ReadRtf(WriteRtf(*document))->Strona, a4Landscape);

    // A document that states its page only for its first section.
    const auto section = ReadRtf(R"({\rtf1\sectd\pgwsxn11906\pghsxn16838\marglsxn1417\lndscpsxn x})");
    EXPECT_EQ(section->Strona, (TUstawieniaStrony{11906, 16838, 1417, 0, 0, 0, true}));
}

TEST(RtfReader, WhatThePaneCannotHoldIsReported)
{
    const struct {
        const char* Rtf;
        TPominiecia LeftOut;
        const char* Text;
    } cases[] = {
        {R"({\rtf1 a{\pict\pngblip 00}b{\object{\*\objdata 01}{\result x}}c})", pmObrazy | pmObiekty, "abc"},
        {R"({\rtf1 a{\footer stopka\par}{\headerf g\par}b})", pmNaglowkiStopki, "ab"},
        {R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn pib}{\sv x}}}{\shprslt y}}b})", pmObrazy, "ab"},
        {R"({\rtf1 a{\shp{\*\shpinst{\shptxt w ramce\par}}}b\par c})", pmRamki, "ab\nw ramce\nc"},
        {R"({\rtf1 a{\super\chftn{\footnote\chftn  przypis}}b})", pmPrzypisy, "a1b\n1 przypis"},
        {R"({\rtf1 a{\field{\*\fldinst HYPERLINK "x"}{\fldrslt b}}})", 0, "ab"},
    };
    for (const auto& c : cases) {
        TPominiecia leftOut = 0;
        const auto document = ReadRtf(c.Rtf, &leftOut);
        ASSERT_TRUE(document) << c.Rtf;
        EXPECT_EQ(leftOut, c.LeftOut) << c.Rtf;
        EXPECT_EQ(Utf8(document->Tekst()), c.Text) << c.Rtf;
    }
}

// ---------------------------------------------------------------- reading

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    EXPECT_FALSE(ReadRtf("plain text"));
    EXPECT_FALSE(ReadRtf(""));
    EXPECT_TRUE(ReadRtf("{\\rtf1 }"));
}

TEST(RtfReader, HandWrittenDocumentGivesItsVisibleTextOnly)
{
    const auto document = ReadRtf(Fixture("hand-1250.rtf"));
    ASSERT_TRUE(document);
    const std::vector<std::string> expected = {
        "Nagłówek",
        "Zwykły pogrubiony tekst z kursywą i podkreśleniem oraz czerwień.",
        "Café, €, \uF0B7 … koniec",
        "Obrazek przed tym i po nim.",
        "A1",
        "B1",
        "Zagnieżdżone grupy odnośnik\u2028druga linia\tpo tabulatorze",
        "punkt",
        "Binarne  dane.",
    };
    EXPECT_EQ(ParagraphTexts(*document), expected);
}

TEST(RtfReader, HandWrittenDocumentKeepsRunsAndParagraphAttributes)
{
    const auto document = ReadRtf(Fixture("hand-1250.rtf"));
    ASSERT_TRUE(document);
    const auto& heading = document->Akapity[0];
    EXPECT_EQ(heading.Atrybuty.Wyrownanie, TWyrownanie::Srodek);
    ASSERT_EQ(heading.Fragmenty.size(), 1u);
    EXPECT_TRUE(heading.Fragmenty[0].Atrybuty.Pogrubienie);
    EXPECT_EQ(heading.Fragmenty[0].Atrybuty.PolPunkty, 32);
    // The document's default font: the run names none, the document keeps it.
    EXPECT_EQ(heading.Fragmenty[0].Atrybuty.Czcionka, "");
    EXPECT_EQ(document->DomyslnaCzcionka, "Times New Roman CE");

    const auto& body = document->Akapity[1];
    TAtrybutyAkapitu indented;
    indented.WciecieLewe = 720;
    indented.WcieciePrawe = 360;
    indented.WcieciePierwsze = -360;
    EXPECT_EQ(body.Atrybuty, indented);
    struct TOczekiwany {
        const char* Text;
        bool Bold, Italic, Underline;
        std::int32_t Colour;
    };
    const TOczekiwany runs[] = {
        {"Zwykły ", false, false, false, -1},        {"pogrubiony", true, false, false, -1},
        {" tekst", false, false, false, -1},         {" z kursywą ", false, true, false, -1},
        {"i podkreśleniem", false, true, true, -1},  {" oraz ", false, false, false, -1},
        {"czerwień", false, false, false, 0xFF0000}, {".", false, false, false, -1},
    };
    ASSERT_EQ(body.Fragmenty.size(), std::size(runs));
    for (std::size_t i = 0; i < std::size(runs); ++i) {
        const auto& run = body.Fragmenty[i];
        EXPECT_EQ(Utf8(run.Tekst), runs[i].Text);
        EXPECT_EQ(run.Atrybuty.Pogrubienie, runs[i].Bold) << i;
        EXPECT_EQ(run.Atrybuty.Kursywa, runs[i].Italic) << i;
        EXPECT_EQ(run.Atrybuty.Podkreslenie, runs[i].Underline) << i;
        EXPECT_EQ(run.Atrybuty.Kolor, runs[i].Colour) << i;
    }

    EXPECT_EQ(document->Akapity[2].Fragmenty[0].Atrybuty.Czcionka, "Arial");
    EXPECT_EQ(document->Akapity[7].Atrybuty.Lista.Rodzaj, TRodzajListy::Punktor);
    EXPECT_EQ(document->Akapity[6].Atrybuty.Lista.Rodzaj, TRodzajListy::Brak);
}

TEST(RtfReader, LibreOfficeDocumentLoadsWithTextRunsAndBullets)
{
    const auto document = ReadRtf(Fixture("libreoffice.rtf"));
    ASSERT_TRUE(document);
    const std::vector<std::string> expected = {
        "Zwykły tekst z pogrubionym słowem.",
        "Zażółć gęślą jaźń — Où est le café ?",
        "Pierwszy punkt",
        "Drugi punkt",
        "Komórka A",
        "Komórka B",
        "Koniec.",
    };
    EXPECT_EQ(ParagraphTexts(*document), expected);

    // One font, one bold word: three runs.
    const auto& first = document->Akapity[0].Fragmenty;
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].Atrybuty.Czcionka, "Liberation Serif");
    EXPECT_EQ(first[0].Atrybuty.PolPunkty, 24);
    EXPECT_FALSE(first[0].Atrybuty.Pogrubienie);
    EXPECT_TRUE(first[1].Atrybuty.Pogrubienie);
    EXPECT_EQ(Utf8(first[1].Tekst), "pogrubionym");
    EXPECT_EQ(document->Akapity[1].Atrybuty.Wyrownanie, TWyrownanie::Srodek);
    EXPECT_TRUE(document->Akapity[1].Fragmenty[0].Atrybuty.Kursywa);
    EXPECT_EQ(document->Akapity[2].Atrybuty.Lista.Rodzaj, TRodzajListy::Punktor);
    EXPECT_EQ(document->Akapity[6].Atrybuty.Lista.Rodzaj, TRodzajListy::Brak);
}

TEST(RtfReader, SurvivesHostileNesting)
{
    const int depth = 100000;
    const std::string deep = "{\\rtf1 a" + std::string(depth, '{') + "b" + std::string(depth, '}') + " c}";
    const auto document = ReadRtf(deep);
    ASSERT_TRUE(document);
    EXPECT_EQ(Utf8(document->Tekst()), "a c");

    const auto unbalanced = ReadRtf("{\\rtf1 {\\b open {\\i groups");
    ASSERT_TRUE(unbalanced);
    EXPECT_EQ(Utf8(unbalanced->Tekst()), "open groups");
}

TEST(RtfReader, TruncatedEscapesAndHugeNumbersAreHarmless)
{
    for (const char* rtf : {"{\\rtf1 x\\'", "{\\rtf1 x\\'4", "{\\rtf1 x\\", "{\\rtf1 \\bin99999999999 x}",
                            "{\\rtf1 \\fs-99999999999 x\\u99999999999 y}", "{\\rtf1 \\uc99999 \\u65 xyz}"}) {
        EXPECT_TRUE(ReadRtf(rtf)) << rtf;
    }
    EXPECT_EQ(Utf8(ReadRtf("{\\rtf1 \\uc0\\u261 x}")->Tekst()), "ąx");
}

} // namespace
} // namespace velmar
