#pragma once
// Product tables: every file name, settings key and resource name that depends on
// the product and the working mode. A table has one row of eight modes per product
// of the family; only this product's row is filled, the rest are empty ("none").

#include <array>
#include <string>

namespace velmar {

inline constexpr int kProductCount = 12;
inline constexpr int kModesPerProduct = 8;

using TTabelaProduktu = std::array<const char*, kProductCount * kModesPerProduct>;

// Index of (product, mode) in a product table: (product − 1) × 8 + (mode − 1).
constexpr int ProductTableIndex(int product, int mode)
{
    return (product - 1) * kModesPerProduct + (mode - 1);
}

// The entry for product and mode; empty for a position outside the table.
std::string ProductTableEntry(const TTabelaProduktu& table, int product, int mode);
// The entry for this product and the given mode.
std::string ProductFile(const TTabelaProduktu& table, int mode);

namespace tabele {
extern const TTabelaProduktu MainDictionary;
extern const TTabelaProduktu InflectedForms;
extern const TTabelaProduktu PhraseDictionary;
extern const TTabelaProduktu Collocations;
extern const TTabelaProduktu SecondCollocations;
extern const TTabelaProduktu Categories;
extern const TTabelaProduktu SentenceArchive;
extern const TTabelaProduktu Untranslatable;
extern const TTabelaProduktu DataLines;
extern const TTabelaProduktu UserDictionary;
extern const TTabelaProduktu NotesFile;
extern const TTabelaProduktu SettingsKey;
extern const TTabelaProduktu UserDictionaryListKey;
extern const TTabelaProduktu IconResource;
} // namespace tabele

// Per-product constants of this product.
inline constexpr const char* kProductKey = "SOFTWARE\\Orlena\\Velmar2";

// Pane backup file of a translator mode: upper (source) or lower (target) pane.
std::string PaneBackupFile(int mode, bool lowerPane);

// Help files chosen by the interface language, falling back to the Polish file
// when the French one is not in the program folder.
std::string TranslatorHelpFile(bool polishInterface, bool frenchHelpExists);
std::string DictionaryHelpFile(bool polishInterface, bool frenchHelpExists);
inline constexpr const char* kGrammarHelpFile = "fr_gram.chm";
inline constexpr const char* kVerbHelpFile = "fr_czas.chm";

// The translation modes (setting "TrybPracy") this product offers: codes 0 to 10.
bool ProductOffersTranslationMode(int code);

// Default subject profiles of this product (numbers 0 to 45).
inline constexpr int kDefaultProfileCount = 46;

} // namespace velmar
