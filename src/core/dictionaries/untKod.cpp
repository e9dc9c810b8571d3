#include "core/dictionaries/untKod.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <system_error>

#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untZapisPliku.h"

namespace velmar {

namespace {

constexpr int kKeyRows = 6;
constexpr int kKeyLength = 10;

// The key table of the line scrambling: one row of ten bytes per product and key
// row. Every data file is written and read with these values, so they never change.
constexpr std::size_t kKeyTableSize = kProductCount * kKeyRows * kKeyLength;
// The rows of ten bytes stay rows.
// clang-format off
constexpr std::array<std::uint8_t, kKeyTableSize> kKeyTable = {
    // product 1
    0x9A, 0xF7, 0xF0, 0x7F, 0x4B, 0xD5, 0x9E, 0x91, 0x37, 0xB9,
    0x42, 0x54, 0xE6, 0x1D, 0x20, 0x7D, 0xEF, 0x36, 0xAC, 0xC4,
    0xF3, 0x03, 0xC6, 0xC5, 0xA4, 0xDB, 0x8E, 0xD3, 0xA5, 0xCE,
    0x11, 0xB3, 0xC0, 0x72, 0x65, 0x3B, 0xF1, 0x89, 0xB1, 0x34,
    0x87, 0x4A, 0xE0, 0x08, 0xC9, 0xF1, 0xDD, 0xD2, 0xEC, 0x64,
    0x5B, 0x09, 0x41, 0x49, 0xFC, 0x88, 0x33, 0xFF, 0x3A, 0xA7,
    // product 2
    0x1A, 0xF1, 0x1C, 0x2E, 0x6A, 0xAF, 0x45, 0xE5, 0x09, 0x7C,
    0x4B, 0x76, 0x47, 0xFE, 0x3A, 0x48, 0xEA, 0x64, 0x02, 0x75,
    0x99, 0xFC, 0x6F, 0xBC, 0x09, 0xCA, 0x93, 0xCD, 0xA5, 0x9B,
    0x0E, 0xB3, 0x96, 0x57, 0x31, 0x53, 0xF8, 0x1A, 0x37, 0x17,
    0xC9, 0xC5, 0x27, 0xB4, 0xFE, 0x90, 0xC2, 0x9F, 0xAB, 0x82,
    0x25, 0x62, 0x3B, 0x3B, 0xA2, 0xCF, 0x25, 0x8F, 0xE4, 0x0C,
    // product 3
    0xC4, 0xCD, 0xD9, 0x25, 0xF4, 0x4C, 0x98, 0x31, 0x3F, 0x4A,
    0x5E, 0x8C, 0xE3, 0xEC, 0x23, 0x07, 0x0B, 0x96, 0xFC, 0xDE,
    0x37, 0x0A, 0x27, 0x42, 0x24, 0x22, 0x15, 0x4E, 0x8A, 0x2E,
    0xA7, 0xBF, 0x9E, 0xFF, 0x8C, 0x89, 0x8A, 0xE2, 0xF8, 0x5A,
    0x84, 0xF1, 0x1E, 0xAF, 0x23, 0x4B, 0x85, 0x3F, 0xA0, 0x7A,
    0xE7, 0x9B, 0x59, 0xEE, 0x02, 0xB2, 0x02, 0x45, 0xB6, 0x08,
    // product 4
    0x19, 0x37, 0x16, 0x92, 0x87, 0x37, 0xFA, 0x9A, 0xC4, 0xCB,
    0x2A, 0xDE, 0x27, 0xC0, 0x32, 0x25, 0x59, 0x11, 0x9F, 0x6B,
    0x47, 0xE8, 0xE4, 0x06, 0x25, 0x72, 0x0F, 0xF5, 0x5C, 0x91,
    0xAF, 0x89, 0x69, 0x37, 0x60, 0xEC, 0x91, 0x1A, 0xDA, 0x62,
    0x9B, 0x9A, 0x03, 0x37, 0x6D, 0xEC, 0x40, 0x11, 0xAA, 0x3F,
    0xAC, 0xF8, 0xD5, 0x84, 0xA9, 0x4D, 0xE6, 0x63, 0xD9, 0x7F,
    // product 5
    0x4E, 0x2E, 0x07, 0x63, 0x5B, 0x61, 0x26, 0x1C, 0x10, 0xF2,
    0x5E, 0x30, 0x6A, 0xAA, 0xC1, 0xA5, 0x7C, 0x86, 0xE4, 0x59,
    0xF5, 0x71, 0x10, 0xBD, 0x0B, 0x32, 0x51, 0x44, 0x07, 0x16,
    0xDD, 0xD6, 0x91, 0xEF, 0x0B, 0x4E, 0x1E, 0x39, 0x82, 0xBF,
    0x78, 0xB9, 0x1F, 0xB6, 0x40, 0x78, 0xA7, 0xDC, 0x7A, 0x77,
    0x86, 0x55, 0x19, 0x9D, 0x80, 0xD4, 0xD7, 0x4B, 0x84, 0x3E,
    // product 6
    0xAC, 0x2E, 0xDC, 0x4E, 0xE4, 0xBE, 0xA8, 0x8B, 0x5E, 0x3D,
    0x51, 0xD8, 0xAF, 0xAB, 0xAE, 0xF9, 0xA8, 0xB2, 0xE0, 0x6D,
    0x63, 0x18, 0x3C, 0x25, 0xA4, 0x9E, 0x0E, 0xED, 0xDA, 0x68,
    0x49, 0x53, 0xB5, 0xAD, 0x5C, 0x7A, 0xEC, 0x00, 0x22, 0xE5,
    0x55, 0x41, 0xDE, 0x18, 0x2F, 0xBA, 0xE2, 0xB1, 0x14, 0x0B,
    0x83, 0x9D, 0x89, 0xD6, 0x85, 0x3E, 0xD5, 0x12, 0x8E, 0x42,
    // product 7
    0x94, 0xDC, 0x9C, 0xA4, 0x6F, 0xEC, 0x5A, 0x62, 0x20, 0x4F,
    0x0B, 0x4B, 0x65, 0xB7, 0x97, 0x2B, 0xA3, 0xAB, 0x58, 0xB9,
    0x8A, 0xA6, 0xD9, 0x87, 0x49, 0x98, 0x05, 0xF3, 0x57, 0x6D,
    0xD6, 0xA9, 0x82, 0x05, 0x5C, 0x97, 0xDC, 0xD8, 0x83, 0x79,
    0xEB, 0x39, 0x54, 0x6B, 0xFC, 0x4C, 0x08, 0xDE, 0x99, 0x3A,
    0xB1, 0xA9, 0xC7, 0x3D, 0xEF, 0xB2, 0x22, 0xB4, 0xA8, 0x9A,
    // product 8
    0xE6, 0x6F, 0x69, 0x3C, 0xB9, 0xFB, 0xB3, 0x8E, 0xB1, 0xFA,
    0x91, 0x46, 0x46, 0x27, 0x10, 0x61, 0xED, 0x4F, 0xD2, 0x75,
    0x54, 0x32, 0x04, 0x80, 0x4B, 0xEA, 0x4D, 0xD9, 0x89, 0x1E,
    0xC4, 0x61, 0x29, 0x88, 0xB4, 0x74, 0x0F, 0x60, 0x12, 0x28,
    0x27, 0xAF, 0x52, 0x3D, 0x24, 0xB3, 0x48, 0x2E, 0x92, 0x3C,
    0x31, 0x78, 0xC4, 0x7F, 0xE7, 0xFC, 0xA7, 0x45, 0x04, 0x5A,
    // product 9
    0xB8, 0x31, 0x77, 0xA8, 0x58, 0x7C, 0xF2, 0x2E, 0xD9, 0xC0,
    0xE0, 0x02, 0x1D, 0xE2, 0x72, 0x2F, 0xFF, 0x38, 0x85, 0x38,
    0xC4, 0xF1, 0xF1, 0xCC, 0x79, 0x8B, 0x58, 0xF8, 0xC3, 0x4F,
    0xEA, 0x5E, 0xDC, 0x97, 0x63, 0xC7, 0xA1, 0xEE, 0xA4, 0x59,
    0xB7, 0x34, 0x5F, 0x4F, 0xEF, 0xD0, 0x0D, 0x50, 0x71, 0x07,
    0x55, 0x06, 0x2B, 0xB5, 0x2F, 0x77, 0xD2, 0x62, 0x72, 0xF2,
    // product 10
    0x96, 0x3A, 0x48, 0xD3, 0x36, 0x14, 0x11, 0xC6, 0xBC, 0x21,
    0xA4, 0x8C, 0xF4, 0x1D, 0xEB, 0xDE, 0x6A, 0xC6, 0x6A, 0xB3,
    0x2C, 0x83, 0x56, 0x5C, 0x19, 0x45, 0x47, 0xB9, 0xB3, 0xA3,
    0x1D, 0xED, 0xD1, 0x88, 0x37, 0xF2, 0xD4, 0xF5, 0xD9, 0xF6,
    0x8C, 0xD7, 0x28, 0xB6, 0x09, 0xA9, 0x7B, 0xE5, 0xF9, 0x61,
    0x7E, 0x5D, 0x66, 0xE5, 0x0A, 0x38, 0x17, 0xC2, 0x2A, 0x33,
    // product 11
    0xED, 0x85, 0xEB, 0x42, 0x7D, 0xF2, 0xB0, 0xEF, 0xCA, 0x35,
    0xA4, 0xCE, 0xAB, 0x45, 0xF3, 0x16, 0x8E, 0x40, 0x01, 0x01,
    0x46, 0xD1, 0x94, 0xB5, 0xF1, 0x2D, 0x99, 0x48, 0xFD, 0xC6,
    0x5D, 0x90, 0xDB, 0x6B, 0xF4, 0x2C, 0xEB, 0xF6, 0xD7, 0xDB,
    0xAF, 0x3B, 0x6C, 0x1E, 0x19, 0x2C, 0xE1, 0x2A, 0x20, 0x63,
    0x5D, 0xB4, 0x20, 0x67, 0x01, 0xB1, 0x86, 0x65, 0x7B, 0x5A,
    // product 12
    0xE7, 0xCA, 0xBA, 0x86, 0x7C, 0x6A, 0xF9, 0xD9, 0x58, 0x7D,
    0xE5, 0xA9, 0x8E, 0xDC, 0xE2, 0x4C, 0x1D, 0x43, 0xFE, 0x4B,
    0xF7, 0x9D, 0x83, 0x04, 0x96, 0xFE, 0x1B, 0x98, 0x0C, 0xE2,
    0x1B, 0x91, 0x0E, 0x80, 0x75, 0x54, 0x52, 0xE9, 0xE8, 0x76,
    0x31, 0xF2, 0xF8, 0x69, 0x66, 0x99, 0xD7, 0x2E, 0x4F, 0xE8,
    0x84, 0x8B, 0x55, 0x5E, 0x5C, 0xE0, 0xC4, 0x32, 0x3F, 0x9D,
};
// clang-format on

// Products of the family that scramble with the XOR stream; the older ones used
// another scheme that no file of this product needs.
constexpr int kFirstXorProduct = 4;

constexpr unsigned char kEscape = 64;
// A key decoded up to its separator starts in a buffer this long (in place in the string
// object) and grows to the whole body only when the key is longer.
constexpr std::size_t kKeyBuffer = 15;
constexpr unsigned char kEscapeShift = 70;

bool NeedsEscape(unsigned char b)
{
    return b <= 32 || b == kEscape;
}

bool HasKey(int product, int keyRow)
{
    return product >= kFirstXorProduct && product <= kProductCount && keyRow >= 1 && keyRow <= kKeyRows;
}

// The ten bytes of the product's key row.
const std::uint8_t* KeyRow(int product, int keyRow)
{
    const std::size_t row = static_cast<std::size_t>((product - 1) * kKeyRows + (keyRow - 1));
    return kKeyTable.data() + row * kKeyLength;
}

// Byte (i mod 10) of the product's key row, for the 1-based position i.
unsigned char KeyByte(int product, int keyRow, std::size_t position)
{
    return KeyRow(product, keyRow)[position % kKeyLength];
}

// The last byte of a stored line: 10 XOR every byte of the text, kept out of the
// escape set.
unsigned char Checksum(std::string_view text)
{
    unsigned char check = 10;
    for (const char c : text)
        check ^= static_cast<unsigned char>(c);
    return NeedsEscape(check) ? static_cast<unsigned char>(check + kEscapeShift) : check;
}

} // namespace

std::string EncodeLine(std::string_view text, int keyRow, int product)
{
    if (!HasKey(product, keyRow))
        return std::string(text);
    const unsigned char check = Checksum(text);
    std::string stored;
    stored.reserve(text.size() + text.size() / 4 + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto d =
            static_cast<unsigned char>(static_cast<unsigned char>(text[i]) ^ check ^ KeyByte(product, keyRow, i + 1));
        if (NeedsEscape(d)) {
            stored += static_cast<char>(kEscape);
            stored += static_cast<char>(d + kEscapeShift);
        } else {
            stored += static_cast<char>(d);
        }
    }
    stored += static_cast<char>(check);
    return stored;
}

std::string EncodeLine(std::string_view text, int keyRow)
{
    return EncodeLine(text, keyRow, Program().ProductNumber);
}

namespace {

// Decodes a stored line, stopping after the first decoded byte equal to stop (never
// when stop is outside 0..255).
std::string DecodeUntil(std::string_view stored, int keyRow, int product, int stop)
{
    if (!HasKey(product, keyRow))
        return std::string(stored);
    if (stored.empty())
        return {};
    const auto check = static_cast<unsigned char>(stored.back());
    const std::string_view body = stored.substr(0, stored.size() - 1);

    // Decoded into a buffer as long as the body, which no line outgrows, and cut after.
    std::string text(stop < 0 ? body.size() : std::min<std::size_t>(body.size(), kKeyBuffer), '\0');
    const std::uint8_t* key = KeyRow(product, keyRow);
    std::array<unsigned char, kKeyLength> mask{}; // the key row with the check byte mixed in
    for (std::size_t k = 0; k < kKeyLength; ++k)
        mask[k] = static_cast<unsigned char>(check ^ key[k]);
    std::size_t length = 0;
    std::size_t keyAt = 1; // the first byte takes key byte 1
    for (std::size_t j = 0; j < body.size(); ++j) {
        auto b = static_cast<unsigned char>(body[j]);
        if (b == kEscape) {
            if (j + 1 >= body.size())
                break; // a dangling escape carries no byte
            b = static_cast<unsigned char>(static_cast<unsigned char>(body[++j]) - kEscapeShift);
        }
        const auto decoded = static_cast<unsigned char>(mask[keyAt] ^ b);
        if (++keyAt == kKeyLength)
            keyAt = 0;
        if (length == text.size())
            text.resize(body.size());
        text[length++] = static_cast<char>(decoded);
        if (decoded == stop)
            break;
    }
    text.resize(length);
    return text;
}

} // namespace

std::string DecodeLine(std::string_view stored, int keyRow, int product)
{
    return DecodeUntil(stored, keyRow, product, -1);
}

std::string DecodeLineUntil(std::string_view stored, int keyRow, char stop)
{
    return DecodeUntil(stored, keyRow, Program().ProductNumber, static_cast<unsigned char>(stop));
}

std::string DecodeLine(std::string_view stored, int keyRow)
{
    return DecodeLine(stored, keyRow, Program().ProductNumber);
}

bool IsWellFormedLine(std::string_view stored, int keyRow)
{
    const int product = Program().ProductNumber;
    if (!HasKey(product, keyRow))
        return true;
    if (stored.empty() || NeedsEscape(static_cast<unsigned char>(stored.back())))
        return false;
    const std::string_view body = stored.substr(0, stored.size() - 1);
    for (std::size_t j = 0; j < body.size(); ++j) {
        const auto b = static_cast<unsigned char>(body[j]);
        if (b <= 32)
            return false;
        if (b != kEscape)
            continue;
        if (j + 1 >= body.size() || !NeedsEscape(static_cast<unsigned char>(body[j + 1] - kEscapeShift)))
            return false;
        ++j;
    }
    return Checksum(DecodeLine(stored, keyRow, product)) == static_cast<unsigned char>(stored.back());
}

std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    ForEachLine(bytes, [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

namespace {

// Bit i set where at[i], of the n ≤ 64 bytes at at, is c: sixteen bytes are compared
// at once where the processor can.
std::uint64_t BitsOf(const char* at, std::size_t n, char c)
{
#if defined(__SSE2__)
    if (n == 64) {
        std::uint64_t bits = 0;
        for (int k = 0; k < 4; ++k) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * k));
            const auto hits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
            bits |= std::uint64_t{hits} << (16 * k);
        }
        return bits;
    }
#endif
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (at[i] == c)
            bits |= std::uint64_t{1} << i;
    return bits;
}

} // namespace

std::vector<std::uint32_t> LineStarts(std::string_view bytes)
{
    const std::size_t size = bytes.size();
    std::vector<std::uint32_t> starts;
    // Dictionary lines are longer than this guess, so the table is seldom moved.
    const std::size_t guess = size / 24 + 2;
    starts.reserve(guess);
    if (size > 0)
        starts.push_back(0);
    // A line ends at each LF and at each CR that no LF follows; the next starts behind.
    for (std::size_t block = 0; block < size; block += 64) {
        const std::size_t n = std::min<std::size_t>(64, size - block);
        const std::uint64_t lf = BitsOf(bytes.data() + block, n, '\n');
        const std::uint64_t cr = BitsOf(bytes.data() + block, n, '\r');
        const std::uint64_t lfFromNextBlock = block + 64 < size && bytes[block + 64] == '\n' ? 1 : 0;
        for (std::uint64_t ends = lf | (cr & ~((lf >> 1) | (lfFromNextBlock << 63))); ends != 0; ends &= ends - 1)
            starts.push_back(static_cast<std::uint32_t>(block + static_cast<std::size_t>(std::countr_zero(ends)) + 1));
    }
    // A terminator at the very end starts no line; size closes the last one either way.
    if (starts.empty() || starts.back() != size)
        starts.push_back(static_cast<std::uint32_t>(size));
    if (starts.capacity() > guess)
        starts.shrink_to_fit();
    return starts;
}

// ---------------------------------------------------------------- TWersjaLinii

namespace {

std::uint64_t NextSerial()
{
    static std::atomic<std::uint64_t> serial = 0;
    return ++serial;
}

} // namespace

TWersjaLinii::TWersjaLinii() : serial_(NextSerial()) {}

TWersjaLinii::TWersjaLinii(std::unique_ptr<char[]> bytes, std::vector<std::uint32_t> starts)
    : packed_(std::move(bytes)), offsets_(std::move(starts)), isPacked_(true), serial_(NextSerial())
{
}

TWersjaLinii::TWersjaLinii(std::vector<TLiniaWspolna> lines) : lines_(std::move(lines)), serial_(NextSerial()) {}

std::string_view TWersjaLinii::View(std::size_t index) const
{
    if (!isPacked_)
        return *lines_[index];
    const std::size_t start = offsets_[index];
    std::size_t end = offsets_[index + 1];
    while (end > start && (packed_[end - 1] == '\n' || packed_[end - 1] == '\r'))
        --end;
    return std::string_view(packed_.get() + start, end - start);
}

std::string TWersjaLinii::Line(int index) const
{
    return Has(index) ? std::string(View(static_cast<std::size_t>(index))) : std::string();
}

std::string TWersjaLinii::Decoded(int index, int keyRow) const
{
    return Has(index) ? DecodeLine(View(static_cast<std::size_t>(index)), keyRow) : std::string();
}

std::string TWersjaLinii::DecodedUntil(int index, int keyRow, char stop) const
{
    return Has(index) ? DecodeLineUntil(View(static_cast<std::size_t>(index)), keyRow, stop) : std::string();
}

std::vector<TLiniaWspolna> TWersjaLinii::SharedLines() const
{
    if (!isPacked_)
        return lines_;
    std::vector<TLiniaWspolna> lines;
    lines.reserve(static_cast<std::size_t>(Count()));
    for (std::size_t i = 0; i + 1 < offsets_.size(); ++i)
        lines.push_back(std::make_shared<const std::string>(View(i)));
    return lines;
}

void TWersjaLinii::WriteTo(std::ostream& out) const
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(Count()) && out; ++i) {
        const std::string_view line = View(i);
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
        out.write("\r\n", 2);
    }
}

// The vtable pointer and the two counts make_shared puts beside each shared line.
constexpr std::size_t kSharedCountsBytes = 16;

std::size_t TWersjaLinii::MemoryBytes() const
{
    std::size_t bytes = (offsets_.empty() ? 0 : offsets_.back()) + offsets_.capacity() * sizeof(std::uint32_t) +
                        lines_.capacity() * sizeof(TLiniaWspolna);
    for (const auto& line : lines_) {
        bytes += sizeof(std::string) + kSharedCountsBytes;
        if (line->capacity() > std::string().capacity()) // beyond the in-place buffer
            bytes += line->capacity() + 1;
    }
    std::lock_guard lock(indexMutex_);
    for (const auto& index : indexes_)
        bytes += index->MemoryBytes();
    return bytes;
}

// ---------------------------------------------------------------- TLinie

TLinie::TLinie() : current_(std::make_shared<const TWersjaLinii>()) {}

TMigawkaLinii TLinie::Snapshot() const
{
    std::lock_guard lock(mutex_);
    return current_;
}

int TLinie::Count() const
{
    std::lock_guard lock(mutex_);
    return current_->Count();
}

std::string TLinie::Line(int index) const
{
    std::lock_guard lock(mutex_);
    return current_->Line(index);
}

std::string TLinie::Decoded(int index, int keyRow) const
{
    std::lock_guard lock(mutex_);
    return current_->Decoded(index, keyRow);
}

std::string TLinie::DecodedUntil(int index, int keyRow, char stop) const
{
    std::lock_guard lock(mutex_);
    return current_->DecodedUntil(index, keyRow, stop);
}

void TLinie::Publish(TMigawkaLinii version, bool loadFailed)
{
    {
        std::lock_guard lock(mutex_);
        current_.swap(version);
        loadFailed_ = loadFailed;
    }
    // version now holds the old lines: they are freed here, outside the lock, unless
    // a reader still holds them.
}

template <typename Change>
bool TLinie::Edit(Change change)
{
    std::lock_guard writing(writeMutex_);
    std::vector<TLiniaWspolna> lines = Snapshot()->SharedLines();
    if (!change(lines))
        return false;
    Publish(std::make_shared<const TWersjaLinii>(std::move(lines)), false);
    return true;
}

namespace {

bool Within(int index, std::size_t end)
{
    return index >= 0 && static_cast<std::size_t>(index) < end;
}

} // namespace

void TLinie::Add(std::string stored)
{
    Edit([&](std::vector<TLiniaWspolna>& lines) {
        lines.push_back(std::make_shared<const std::string>(std::move(stored)));
        return true;
    });
}

bool TLinie::Insert(int index, std::string stored)
{
    return Edit([&](std::vector<TLiniaWspolna>& lines) {
        if (!Within(index, lines.size() + 1))
            return false;
        lines.insert(lines.begin() + index, std::make_shared<const std::string>(std::move(stored)));
        return true;
    });
}

bool TLinie::Replace(int index, std::string stored)
{
    return Edit([&](std::vector<TLiniaWspolna>& lines) {
        if (!Within(index, lines.size()))
            return false;
        lines[static_cast<std::size_t>(index)] = std::make_shared<const std::string>(std::move(stored));
        return true;
    });
}

bool TLinie::Delete(int index)
{
    return Edit([&](std::vector<TLiniaWspolna>& lines) {
        if (!Within(index, lines.size()))
            return false;
        lines.erase(lines.begin() + index);
        return true;
    });
}

void TLinie::Clear()
{
    Assign({});
}

void TLinie::Truncate(int count)
{
    Edit([&](std::vector<TLiniaWspolna>& lines) {
        lines.resize(std::min(lines.size(), static_cast<std::size_t>(std::max(count, 0))));
        return true;
    });
}

void TLinie::Assign(std::vector<std::string> stored)
{
    std::vector<TLiniaWspolna> lines;
    lines.reserve(stored.size());
    for (std::string& line : stored)
        lines.push_back(std::make_shared<const std::string>(std::move(line)));
    std::lock_guard writing(writeMutex_);
    Publish(std::make_shared<const TWersjaLinii>(std::move(lines)), false);
}

namespace {

// The file's bytes, read with one read into a buffer that is not first cleared.
std::pair<std::unique_ptr<char[]>, std::size_t> ReadWholeFile(const std::filesystem::path& file)
{
    struct TOtwarty {
        int fd;
        ~TOtwarty()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } const opened{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    const int fd = opened.fd;
    if (fd < 0)
        throw std::runtime_error("cannot open " + file.string());
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throw std::runtime_error("cannot read " + file.string() + ": " + std::strerror(errno));
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size >= std::numeric_limits<std::uint32_t>::max())
        throw std::runtime_error(file.string() + " is too large for a dictionary");
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    for (std::size_t done = 0; done < size;) {
        const ssize_t got = ::read(fd, bytes.get() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw std::runtime_error("cannot read " + file.string());
        done += static_cast<std::size_t>(got);
    }
    return {std::move(bytes), size};
}

} // namespace

void TLinie::LoadFromFile(const std::filesystem::path& file)
{
    std::pair<std::unique_ptr<char[]>, std::size_t> bytes;
    try {
        bytes = ReadWholeFile(file);
    } catch (...) {
        std::lock_guard writing(writeMutex_);
        Publish(std::make_shared<const TWersjaLinii>(), true);
        throw;
    }
    std::vector<std::uint32_t> starts = LineStarts(std::string_view(bytes.first.get(), bytes.second));
    std::lock_guard writing(writeMutex_);
    Publish(std::make_shared<const TWersjaLinii>(std::move(bytes.first), std::move(starts)), false);
}

void TLinie::SaveToFile(const std::filesystem::path& file) const
{
    const TMigawkaLinii lines = Snapshot();
    WriteFileAtomically(file, [&lines](std::ostream& out) { lines->WriteTo(out); });
}

bool TLinie::LoadFailed() const
{
    std::lock_guard lock(mutex_);
    return loadFailed_;
}

std::size_t TLinie::MemoryBytes() const
{
    return Snapshot()->MemoryBytes();
}

} // namespace velmar
