#include "core/app/untStaleApp.h"

#include "core/app/untStale.h"

namespace velmar {

namespace {

using TWierszProduktu = std::array<const char*, kModesPerProduct>;

// A table whose only filled row is this product's.
constexpr TTabelaProduktu OwnRow(const TWierszProduktu& row)
{
    TTabelaProduktu table{};
    for (auto& entry : table)
        entry = "";
    for (int mode = 1; mode <= kModesPerProduct; ++mode)
        table[ProductTableIndex(kProductNumber, mode)] = row[mode - 1];
    return table;
}

} // namespace

std::string ProductTableEntry(const TTabelaProduktu& table, int product, int mode)
{
    if (product < 1 || product > kProductCount || mode < 1 || mode > kModesPerProduct)
        return {};
    return table[ProductTableIndex(product, mode)];
}

std::string ProductFile(const TTabelaProduktu& table, int mode)
{
    return ProductTableEntry(table, kProductNumber, mode);
}

namespace tabele {

#define VELMAR_KEY "SOFTWARE\\Orlena\\Velmar2\\"

const TTabelaProduktu MainDictionary =
    OwnRow({"frpol2.sg", "polfr2.sg", "frpol2.sg", "polfr2.sg", "frpol2.sg", "polfr2.sg", "frpol2.sg", "polfr2.sg"});
const TTabelaProduktu InflectedForms =
    OwnRow({"franc2.so", "pol2.so", "franc2.so", "pol2.so", "", "", "franc2.so", "pol2.so"});
const TTabelaProduktu PhraseDictionary =
    OwnRow({"frpol2.sp", "polfr2.sp", "frpol2.sp", "polfr2.sp", "frpol2.sp", "polfr2.sp", "frpol2.sp", "polfr2.sp"});
const TTabelaProduktu Collocations = OwnRow(
    {"frpol2.skl", "polfr2.skl", "frpol2.skl", "polfr2.skl", "frpol2.skl", "polfr2.skl", "frpol2.skl", "polfr2.skl"});
const TTabelaProduktu SecondCollocations = OwnRow(
    {"frpol2.skp", "polfr2.skp", "frpol2.skp", "polfr2.skp", "frpol2.skp", "polfr2.skp", "frpol2.skp", "polfr2.skp"});
const TTabelaProduktu Categories = OwnRow(
    {"franc2.skt", "franc2.skt", "franc2.skt", "franc2.skt", "franc2.skt", "franc2.skt", "franc2.skt", "franc2.skt"});
const TTabelaProduktu SentenceArchive = OwnRow(
    {"frpol2.szd", "polfr2.szd", "frpol2.szd", "polfr2.szd", "frpol2.szd", "polfr2.szd", "frpol2.szd", "polfr2.szd"});
const TTabelaProduktu Untranslatable = OwnRow(
    {"frpol2.snt", "polfr2.snt", "frpol2.snt", "polfr2.snt", "frpol2.snt", "polfr2.snt", "frpol2.snt", "polfr2.snt"});
const TTabelaProduktu DataLines =
    OwnRow({"franc2.sdt", "pol2.sdt", "franc2.sdt", "pol2.sdt", "franc2.sdt", "pol2.sdt", "franc2.sdt", "pol2.sdt"});
const TTabelaProduktu UserDictionary = OwnRow(
    {"frpol2.su", "polfr2.su", "frpol2.su", "polfr2.su", "frpolsz2.su", "polfrsz2.su", "frpol2.su", "polfr2.su"});
const TTabelaProduktu NotesFile = OwnRow({"", "", "", "", "notfrpl2.dat", "notplfr2.dat", "", ""});
const TTabelaProduktu SettingsKey =
    OwnRow({VELMAR_KEY "FrPol", VELMAR_KEY "PolFr", VELMAR_KEY "FrPolInt", VELMAR_KEY "PolFrInt",
            VELMAR_KEY "SlZewFrPol", VELMAR_KEY "SlZewPolFr", VELMAR_KEY "TransPlik", VELMAR_KEY "TransPlik"});
const TTabelaProduktu UserDictionaryListKey =
    OwnRow({VELMAR_KEY "SlowFr", VELMAR_KEY "SlowPol", VELMAR_KEY "SlowFr", VELMAR_KEY "SlowPol", VELMAR_KEY "SlowFr",
            VELMAR_KEY "SlowPol", VELMAR_KEY "SlowFr", VELMAR_KEY "SlowPol"});
const TTabelaProduktu IconResource =
    OwnRow({"TRFRPL", "TRPLFR", "TRFRPL", "TRPLFR", "SLFRPL", "SLPLFR", "TRFRPL", "TRPLFR"});

#undef VELMAR_KEY

} // namespace tabele

std::string PaneBackupFile(int mode, bool lowerPane)
{
    // Only the two translator directions keep pane backups.
    static constexpr const char* kBackups[] = {"topfrpl.rtf", "botfrpl.rtf", "topplfr.rtf", "botplfr.rtf"};
    if (mode != 1 && mode != 2)
        return {};
    return kBackups[(mode - 1) * 2 + (lowerPane ? 1 : 0)];
}

std::string TranslatorHelpFile(bool polishInterface, bool frenchHelpExists)
{
    return !polishInterface && frenchHelpExists ? "kordan.chm" : "trans.chm";
}

std::string DictionaryHelpFile(bool polishInterface, bool frenchHelpExists)
{
    return !polishInterface && frenchHelpExists ? "sl_zewfr.chm" : "sl_zew.chm";
}

bool ProductOffersTranslationMode(int code)
{
    return code >= 0 && code <= 10;
}

} // namespace velmar
