#pragma once
// Dictionary line files: the line scrambling and the line list that the dictionary
// instances of both threads read.
//
// A dictionary file is a sorted list of text lines, each scrambled on its own so that
// no stored byte is a control byte or a space: CR LF can then separate the lines
// safely. Lines stay scrambled in memory and are decoded one at a time on access.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Key rows of the scrambling; every dictionary kind carries one.
inline constexpr int kKeyRowMain = 1;
inline constexpr int kKeyRowForms = 2;
inline constexpr int kKeyRowUser = 3;
inline constexpr int kKeyRowAuxiliary = 4;

// Scrambles a decoded line with this product's key and the key row. The result has
// no byte ≤ 32; it is the text unchanged when the product or the key row has no key.
std::string EncodeLine(std::string_view text, int keyRow, int product);
std::string EncodeLine(std::string_view text, int keyRow);
// The reverse of EncodeLine. The trailing checksum byte is not verified, so any
// stored text decodes to something; the empty line decodes to the empty string.
std::string DecodeLine(std::string_view stored, int keyRow, int product);
std::string DecodeLine(std::string_view stored, int keyRow);
// The decoded line up to and including the first stop byte, all of it when there is
// none: a search needs only the key before the separator.
std::string DecodeLineUntil(std::string_view stored, int keyRow, char stop);
// Whether a stored line is what EncodeLine makes: no byte ≤ 32, only valid escapes,
// and a checksum that matches the decoded text.
bool IsWellFormedLine(std::string_view stored, int keyRow);

// Something computed from every line of one version (a search index), kept with the
// version so that every dictionary instance reading it shares one copy.
class TIndeksWersji {
public:
    virtual ~TIndeksWersji() = default;
    virtual std::size_t MemoryBytes() const = 0;
};

// A stored line of a changed list, shared by the versions that hold it.
using TLiniaWspolna = std::shared_ptr<const std::string>;

// One version of a line list; never changed once built. A list read from a file is
// kept as one buffer plus line offsets: the main and forms lists reach millions of
// lines. A changed list is one string per line, which suits the small writable lists
// (user dictionary, archive); the versions share the strings, so the next version
// copies pointers, not text.
class TWersjaLinii {
public:
    TWersjaLinii();
    // The bytes of a line file as read, lines and terminators alike, and where each line
    // starts, then the size of the bytes (see LineStarts).
    TWersjaLinii(std::unique_ptr<char[]> bytes, std::vector<std::uint32_t> starts);
    explicit TWersjaLinii(std::vector<TLiniaWspolna> lines);

    int Count() const { return static_cast<int>(isPacked_ ? offsets_.size() - 1 : lines_.size()); }
    // The stored (scrambled) line; empty outside 0..Count−1.
    std::string Line(int index) const;
    // The line decoded with the key row; empty outside 0..Count−1.
    std::string Decoded(int index, int keyRow) const;
    // The line decoded up to and including the first stop byte (see DecodeLineUntil).
    std::string DecodedUntil(int index, int keyRow, char stop) const;
    // Every stored line, the start of the next version.
    std::vector<TLiniaWspolna> SharedLines() const;
    void WriteTo(std::ostream& out) const;
    // Bytes of the lines and of the index kept with them.
    std::size_t MemoryBytes() const;
    // An index of kind T kept with this version that fits accepts, else the one build
    // makes, which is kept from then on. A few are kept (one list may be read more than
    // one way, e.g. the archive at two similarity levels), the oldest going first. Safe
    // from any thread; the first caller builds, the others wait for it.
    template <typename T, typename Fits, typename Build>
    std::shared_ptr<const T> Index(Fits fits, Build build) const
    {
        std::lock_guard lock(indexMutex_);
        for (const auto& index : indexes_)
            if (const auto* held = dynamic_cast<const T*>(index.get()); held && fits(*held))
                return std::shared_ptr<const T>(index, held);
        std::shared_ptr<const T> made = build(*this);
        if (indexes_.size() == kIndexesKept)
            indexes_.erase(indexes_.begin());
        indexes_.push_back(made);
        return made;
    }
    // Unique among every version of every list: a cache built from one version can
    // tell that it is stale.
    std::uint64_t Serial() const { return serial_; }

private:
    bool Has(int index) const { return index >= 0 && index < Count(); }
    std::string_view View(std::size_t index) const;

    // Packed form: line i starts at packed_[offsets_[i]] and ends at the first CR or LF
    // before offsets_[i + 1]. The file's bytes stay as read: a load then only reads them
    // once and finds the line starts, which keeps it close to a plain read.
    std::unique_ptr<char[]> packed_;
    std::vector<std::uint32_t> offsets_;
    std::vector<TLiniaWspolna> lines_;
    bool isPacked_ = false;
    std::uint64_t serial_;
    static constexpr std::size_t kIndexesKept = 4;
    mutable std::mutex indexMutex_;
    mutable std::vector<std::shared_ptr<const TIndeksWersji>> indexes_;
};

using TMigawkaLinii = std::shared_ptr<const TWersjaLinii>;

// A list of scrambled lines shared by the dictionary instances of the window thread
// and of the translation worker. A change never touches the lines in place: it builds
// a new version and publishes it under a short lock, so a reader that took a Snapshot
// keeps one consistent version for as long as it holds it, however many accesses it
// makes. The single accesses below each read the version current at the call.
//
// A change copies the line pointers, which is cheap only because the lists that change
// are small; the main and forms lists are only ever loaded whole.
class TLinie {
public:
    TLinie();
    TLinie(const TLinie&) = delete;
    TLinie& operator=(const TLinie&) = delete;

    // The current version, kept unchanged for as long as it is held.
    TMigawkaLinii Snapshot() const;

    int Count() const;
    bool Empty() const { return Count() == 0; }
    std::string Line(int index) const;
    std::string Decoded(int index, int keyRow) const;
    std::string DecodedUntil(int index, int keyRow, char stop) const;

    void Add(std::string stored);
    // Inserts before index (index = Count appends); refused outside 0..Count.
    bool Insert(int index, std::string stored);
    bool Replace(int index, std::string stored);
    bool Delete(int index);
    void Clear();
    // Keeps the first count lines.
    void Truncate(int count);
    // Replaces the content with these stored lines.
    void Assign(std::vector<std::string> stored);

    // Replaces the content with the lines of a file: CR LF, a lone LF and a lone CR
    // each end a line. Throws std::runtime_error when the file cannot be read; the
    // list is then empty and remembers the failure (see LoadFailed).
    void LoadFromFile(const std::filesystem::path& file);
    // Writes every line followed by CR LF into a temporary file beside the target and
    // renames it over the target, so a failed write leaves the old file as it was.
    // Throws std::runtime_error on failure.
    void SaveToFile(const std::filesystem::path& file) const;
    // The last LoadFromFile failed; such a list must not be saved over its file.
    bool LoadFailed() const;

    // Bytes held for the lines (buffer, offsets or strings), for the memory figures.
    std::size_t MemoryBytes() const;

private:
    // Lets change edit a copy of the current lines and publishes it unless change
    // refuses (returns false).
    template <typename Change>
    bool Edit(Change change);
    void Publish(TMigawkaLinii version, bool loadFailed);

    // Serialises the changes, each a read of the current version and a publish.
    std::mutex writeMutex_;
    // Guards current_ and loadFailed_: held only to read or swap them.
    mutable std::mutex mutex_;
    TMigawkaLinii current_;
    bool loadFailed_ = false;
};

// Calls onLine(line) for each line of file bytes: CR LF, LF and CR each end a line,
// and a final terminator ends the last line without starting another.
template <typename F>
void ForEachLine(std::string_view bytes, F&& onLine)
{
    const std::size_t size = bytes.size();
    // The next LF and the next CR, each found once by a fast scan and kept until passed.
    const auto next = [&](char c, std::size_t from) {
        const void* at = std::memchr(bytes.data() + from, c, size - from);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - bytes.data()) : size;
    };
    std::size_t nextLf = next('\n', 0);
    std::size_t nextCr = next('\r', 0);
    for (std::size_t start = 0; start < size;) {
        const std::size_t end = std::min(nextLf, nextCr);
        onLine(bytes.substr(start, end - start));
        if (end == size)
            break;
        start = end + 1;
        if (bytes[end] == '\r' && start < size && bytes[start] == '\n')
            ++start;
        if (nextLf < start)
            nextLf = next('\n', start);
        if (nextCr < start)
            nextCr = next('\r', start);
    }
}

std::vector<std::string_view> SplitLines(std::string_view bytes);

// Where each line of file bytes starts, as ForEachLine cuts them, then bytes.size(): a
// line runs from its start to its terminator. The scan tests many bytes at once, so it
// costs little more than reading them.
std::vector<std::uint32_t> LineStarts(std::string_view bytes);

} // namespace velmar
