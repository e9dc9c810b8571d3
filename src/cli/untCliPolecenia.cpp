// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

int RunDict(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunInflect(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunConvert(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunText(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunLookup(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunSegment(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunTranslate(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunArchive(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunFitNouns(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunFitVerbs(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunFreq(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunTestvoc(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunUser(const std::vector<std::string>& words, TWejscieWyjscie& io);

const std::vector<TPolecenie>& Commands()
{
    static const std::vector<TPolecenie> commands = {
        {"dict", "build, decode and check scrambled dictionary files; show one entry",
         "build  --kind KIND --lang fr|pl SOURCE OUTPUT\n"
         "       velmar-cli dict decode --kind KIND --lang fr|pl FILE\n"
         "       velmar-cli dict check  --kind KIND --lang fr|pl FILE\n"
         "       velmar-cli dict check  --engine [--lang fr|pl] [--data DIR]\n"
         "       velmar-cli dict entry  --lang fr|pl FILE HEADWORD\n\n"
         "KIND: main, forms, phrase, user, collocation, category, qualifier, archive,\n"
         "untranslatable or data; --lang is the language of the file's keys.\n"
         "SOURCE is UTF-8, one decoded line per line; {{NNN}} stands for the raw byte NNN.\n"
         "build sorts the lines by the kind's key under the dictionary collation of the\n"
         "language, scrambles them and writes CR LF lines; decode prints them back the\n"
         "same way; check lists lines out of order or that do not decode (exit 1 if any);\n"
         "entry prints the parsed entry of a headword of a main dictionary.\n"
         "check --engine holds the main and forms dictionaries of the data folder (both\n"
         "languages, or the one of --lang) against the words the translation rules name:\n"
         "numbered homographs, function words and their classes, the cases of Polish\n"
         "prepositions, the future auxiliary, the French form codes; it prints what is\n"
         "missing and exits 1 if anything is.",
         RunDict},
        {"lookup", "find words in the main dictionary and their readings as inflected forms",
         "[--mode 1|2|5|6] [--data DIR] [--forms] WORD...\n\n"
         "For each word: the headword found, how it was found (exact, case, accents, or\n"
         "prefix: the first headword the word begins) and its entry text. With --forms,\n"
         "also the readings of the word as an inflected form (base, form code, priority),\n"
         "best first, those found by the derivation rules included. --mode picks the\n"
         "direction (default 1, French to Polish); --data the folder of the data files\n"
         "(default: the data folder). Exit 1 when a word is found nowhere.",
         RunLookup},
        {"inflect", "one inflected form of a Polish or French word, or its whole paradigm",
         "--lang pl|fr WORD [--case N] [--number N] [--gender N] [--degree N]\n"
         "      [--person N] [--form N] [--subject-number N] [--subject-gender N]\n"
         "      [--after-preposition] [--adverb] [--oblique] [--que-to-qui]\n"
         "  WORD is the lemma with its marker and code as the dictionary stores them\n"
         "  (\"dobry *7\", \"parler*4\"). With a feature option, prints the one form for those\n"
         "  features (the others neutral); without, prints the whole paradigm.",
         RunInflect},
        {"convert", "convert a document between RTF, text and word-processor formats",
         "IN OUT [--lang pl|fr] [--codepage] [--unicode]\n"
         "  The formats follow the extensions: .rtf, .txt (text in the language's code page),\n"
         "  .doc .docx .odt .html through LibreOffice; any other extension is refused. Text\n"
         "  input is read as UTF-16 behind a byte-order mark, else as UTF-8 when valid, else\n"
         "  in the code page; --codepage always reads it in the code page. --unicode writes\n"
         "  UTF-16 text with a byte-order mark. --lang names the document's language\n"
         "  (default fr): its code page is 1250 for pl, 1252 for fr. What the text cannot\n"
         "  hold (footnotes, frames, headers and footers, pictures, objects) is named on\n"
         "  standard error; footnotes and frames are kept as text.",
         RunConvert},
        {"text", "print one interface text", "ID [--lang pl|fr]", RunText},
        {"segment", "the utterances and words the engine makes of a text, with their readings",
         "--lang fr|pl [--data DIR] < TEXT\n"
         "  Each input line is a paragraph (UTF-8). Prints each utterance with its position,\n"
         "  and each word with its text, the texts before and after it (control characters\n"
         "  escaped), its start and length in the paragraph and its dictionary readings\n"
         "  (a Polish preposition's with the cases it governs).\n"
         "  --data names the folder of the data files (default: the data folder).",
         RunSegment},
        {"translate", "translate a text or a document from French into Polish or back",
         "[--mode 1|2 | --from fr|pl] [--translation-mode 0..16] [--data DIR] [--dict FILE] [--listing]\n"
         "      [IN [OUT]]\n"
         "  Without IN, reads UTF-8 text from standard input, one paragraph per line, and\n"
         "  writes the translation as UTF-8 to standard output. IN may be any document the\n"
         "  program opens (.txt in UTF-8, UTF-16 or the language's code page, .rtf, and\n"
         "  .doc .docx .odt .html through LibreOffice); OUT's extension picks the format\n"
         "  written, and .rtf or .odt keep the source's formatting word by word. --from (or\n"
         "  --mode 1 French to Polish, 2 Polish to French) picks the direction, default\n"
         "  French; --translation-mode the translation mode (default 0, automatic; the\n"
         "  interactive modes take the first choice everywhere). --listing prints each\n"
         "  utterance's analysis listing (groups, codes, markers), then a line per word\n"
         "  with the chosen reading: text, lemma, code and class. On a terminal, standard\n"
         "  error shows the progress. The user dictionary is FILE, else the current one of\n"
         "  the direction in the settings, as in the translator window.\n"
         "  Exit 1 when the data, the input or the output fails.",
         RunTranslate},
        {"archive", "find a sentence in the sentence archive, or store a pair there",
         "find --mode 1|2 [--data DIR] [--level 100|90|80|70] SENTENCE\n"
         "      archive add  --mode 1|2 [--data DIR] SOURCE TRANSLATION\n"
         "  find prints the stored translation (exit 1 when there is none); below 100 numbers\n"
         "  and names may differ, and the sentence's own ones go into the translation.\n"
         "  add stores the pair and saves the archive file atomically.",
         RunArchive},
        {"user", "add translations to a user dictionary, remove them, list it",
         "add    [--mode 1|2] [--data DIR] [--dict FILE] [--pos N] HEADWORD TRANSLATION...\n"
         "      user add    [--mode 1|2] [--data DIR] [--dict FILE] [--pos N] --file GLOSSARY\n"
         "      user remove [--mode 1|2] [--data DIR] [--dict FILE] HEADWORD [TRANSLATION...]\n"
         "      user list   [--mode 1|2] [--data DIR] [--dict FILE]\n"
         "  The dictionary is FILE, else the current user dictionary of the direction in the\n"
         "  settings (the one the translator window uses). Each TRANSLATION becomes a meaning\n"
         "  of the headword; --pos names the part of speech (0 noun, 1 verb, 2 adjective,\n"
         "  3 adverb, 4 pronoun, 5 preposition, 6 conjunction, 7 interjection or particle,\n"
         "  8 unknown; default none). GLOSSARY is UTF-8, \"headword<TAB>translation[<TAB>...]\"\n"
         "  per line; one bad line refuses the whole file. remove deletes the headword, or\n"
         "  only the meanings that are one of the translations. list prints\n"
         "  \"headword<TAB>code<TAB>translation\" per meaning. The file is saved atomically and\n"
         "  merged with what a running window saved since. Exit 1 when refused or not found.",
         RunUser},
        {"freq", "the frequency analysis of a text: its words' base forms, most frequent first",
         "[--lang pl|fr] [--kind 0..4] [--data DIR] [--unknown] [FILE]\n"
         "  Reads UTF-8 text from FILE or standard input, each line a paragraph, and prints\n"
         "  \"form<TAB>count\" lines, highest count first (equal counts in byte order). Each\n"
         "  word counts under the base form of its first reading in the forms dictionary,\n"
         "  as written when the main dictionary holds it, else (Polish) under the base the\n"
         "  base-form finder guesses. --unknown prints the words found nowhere instead.\n"
         "  --kind: 0 base forms (default), 1 every form as written, 2 every word as\n"
         "  written, nothing looked up, 3 form codes and word classes, 4 names (words\n"
         "  beginning with a capital). --lang the text's language (default pl); --data the\n"
         "  folder of the data files. Exit 1 when FILE cannot be read or is not UTF-8.",
         RunFreq},
        {"fit-nouns", "fit the codes of Polish nouns to their real paradigms",
         "--patterns LIST --alternations LIST NOUNS\n"
         "  NOUNS: UTF-8 lines LEMMA<TAB>GENDER<TAB>CELLS, GENDER the gender type 0-4, CELLS the\n"
         "  13 forms (singular nominative … vocative, plural nominative … locative) separated\n"
         "  by \";\", alternatives by \"|\", empty when unknown. The candidate codes (the\n"
         "  gender alone, an indeclinable noun; the gender with each pattern of LIST; the best\n"
         "  three of those with each alternation of LIST; the best code with a second\n"
         "  alternation) are tried on the key cells (nominative, genitive and locative\n"
         "  singular, nominative and genitive plural); prints LEMMA<TAB>CODE<TAB>held-out\n"
         "  cells agreeing/known.",
         RunFitNouns},
        {"fit-verbs", "fit the codes of Polish verbs to their real conjugations",
         "--classes LIST VERBS\n"
         "  VERBS: UTF-8 lines LEMMA<TAB>imperf|perf<TAB>CELLS, CELLS the 12 forms (present — of\n"
         "  a perfective verb the simple future — 1sg … 3pl; past 3sg masculine, feminine,\n"
         "  neuter, 3pl masculine personal, other; imperative 2sg) separated by \";\",\n"
         "  alternatives by \"|\", empty when unknown. Each class of LIST, with the marker of\n"
         "  the aspect (\"*\" or \"/\" imperfective, \"$\" or \"!\" perfective, the second for the\n"
         "  classes written with \"+\"), is tried on the key cells (1sg, 3pl, past 3sg\n"
         "  masculine, imperative); prints LEMMA<TAB>CODE<TAB>held-out cells agreeing/known.",
         RunFitVerbs},
        {"testvoc", "check the generators against forms of real morphology",
         "[--baseline FILE] [--failures N] [--word-list CLASSES --exceptions FILE] CASES...\n"
         "  CASES are UTF-8 lines of tab-separated fields: word class, group (code or\n"
         "  template), pl|fr, the word as stored (\"dobry *7\", \"parler*4\"), the features\n"
         "  (\"case=2,number=1,gender=3\"; also degree, person, form, subject-number,\n"
         "  subject-gender, adverb), the expected forms separated by \"|\" (none: the word has\n"
         "  no such form) and, optionally, \"absent\" when the source has no form for the cell.\n"
         "  Each cell is read as the table of velmar-cli inflect shows it, its first form.\n"
         "  Prints per class the agreement of cells and of whole lemmas, the invented forms,\n"
         "  the weakest groups, the most common failing features and the first N failing\n"
         "  words (20); for the classes of --word-list (comma list) every word not fully\n"
         "  right, with its reason from the exceptions file (\"lemma<TAB>reason\" lines).\n"
         "  Exit 1 when a figure misses the baseline (\"CLASS PERCENT\", \"CLASS/lemmas\n"
         "  PERCENT\", \"CLASS/invented COUNT\", \"CLASS/unexplained COUNT\" lines).",
         RunTestvoc},
    };
    return commands;
}

} // namespace velmar::cli
