#pragma once
// Character attributes of a stretch of text and the format runs of one paragraph.
//
// The worker copies the runs of a source paragraph onto its translation, so the
// attributes are plain values here, free of any window toolkit.

#include <cstdint>
#include <string>
#include <vector>

namespace velmar {

// Where a character sits against the line: superscript or subscript.
enum class TPolozenieZnaku : std::uint8_t { Zwykle, IndeksGorny, IndeksDolny };

// The attributes one character carries in a pane or a document.
struct TAtrybutyTekstu {
    static constexpr std::int32_t kKolorDomyslny = -1;

    std::string Czcionka; // font family, UTF-8; empty: the pane's default
    int PolPunkty = 0;    // size in half-points; 0: the pane's default
    bool Pogrubienie = false;
    bool Kursywa = false;
    bool Podkreslenie = false;
    bool Przekreslenie = false;
    std::int32_t Kolor = kKolorDomyslny; // 0x00RRGGBB, or kKolorDomyslny
    bool Kapitaliki = false;             // small capitals: shown so, the text keeps its case
    bool Wersaliki = false;              // all capitals: shown so, the text keeps its case
    bool Ukryty = false;                 // hidden text: kept, never translated
    TPolozenieZnaku Polozenie = TPolozenieZnaku::Zwykle;
    std::int32_t Wyroznienie = kKolorDomyslny; // highlight, 0x00RRGGBB, or kKolorDomyslny
    std::int32_t Tlo = kKolorDomyslny;         // character background, likewise

    bool operator==(const TAtrybutyTekstu&) const = default;
};

// The character-format runs of a paragraph: run i starts at Start(i) (offset from
// the paragraph start) and lasts until the next run starts. Starts ascend.
class TFormatTekstu {
public:
    void Clear();
    // Appends a run and returns its index.
    int AddRun(int start, const TAtrybutyTekstu& attributes);

    int Count() const { return static_cast<int>(starts_.size()); }
    int Start(int index) const;
    // The attributes of run index; nullptr when index is out of range.
    const TAtrybutyTekstu* FontOf(int index) const;
    // The last run starting at or before position (run 0 for positions before the
    // second run); -1 when there is no run.
    int RunAt(int position) const;
    // The runs of the text from offset on for length characters, counted from offset:
    // the run offset falls in starts at 0.
    TFormatTekstu From(int offset, int length) const;

private:
    std::vector<TAtrybutyTekstu> fonts_;
    std::vector<int> starts_;
};

} // namespace velmar
