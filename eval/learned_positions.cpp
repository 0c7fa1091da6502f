#include "learned_positions.h"

#include "eval/score_scale.h"
#include "io/atomic_write.h"
#include "io/binary_file.h"

namespace kv {

namespace {
std::uint32_t get32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t get16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
void put32(unsigned char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void put16(unsigned char* p, std::uint16_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
} // namespace

std::string LearnedPositions::load(const std::string& path)
{
    std::vector<unsigned char> bytes;
    const std::string why = readExactFile(path, kFileBytes, bytes);
    if (why == "is missing")
        return "learned positions \"" + path + "\" are missing; the search goes on without them";
    if (!why.empty()) return "learned positions \"" + path + "\" " + why + "; they are not used";
    loadImage(bytes.data());
    return {};
}

void LearnedPositions::loadImage(const unsigned char* image)
{
    for (std::uint32_t i = 0; i < kSlots; ++i) {
        const unsigned char* p = image + i * kEntryBytes;
        entries_[i] = { get32(p), static_cast<std::int16_t>(get16(p + 4)), get16(p + 6) };
        markScored(i, entries_[i].score != 0);
    }
}

std::vector<unsigned char> LearnedPositions::image() const
{
    std::vector<unsigned char> bytes(kFileBytes);
    for (std::uint32_t i = 0; i < kSlots; ++i) {
        unsigned char* p = bytes.data() + i * kEntryBytes;
        put32(p, entries_[i].checkKey);
        put16(p + 4, static_cast<std::uint16_t>(entries_[i].score));
        put16(p + 6, entries_[i].reserved);
    }
    return bytes;
}

std::string LearnedPositions::save(const std::string& path) const
{
    const auto bytes = image();
    const WriteResult written = writeFileAtomically(path, bytes.data(), bytes.size());
    if (!written.ok()) return "\"" + path + "\" " + describe(written);
    return {};
}

std::optional<std::int16_t> LearnedPositions::lookup(std::uint32_t indexKey,
                                                     std::uint32_t checkKey) const
{
    const Entry& e = entries_[slotOf(indexKey)];
    if (e.checkKey != checkKey) return std::nullopt;
    return e.score;
}

bool LearnedPositions::store(std::uint32_t indexKey, std::uint32_t checkKey, std::int16_t score)
{
    Entry& e = entries_[slotOf(indexKey)];
    if (e.score >= kDecidedScore || e.score <= -kDecidedScore) return false;
    e.checkKey = checkKey;
    e.score = score;
    markScored(slotOf(indexKey), score != 0);
    return true;
}

void LearnedPositions::clear()
{
    entries_.assign(kSlots, Entry {});
    scored_.assign(kScoredWords, 0);
}

void LearnedPositions::markScored(std::uint32_t slot, bool on)
{
    const std::uint64_t bit = std::uint64_t { 1 } << (slot % 64);
    scored_[slot / 64] = on ? scored_[slot / 64] | bit : scored_[slot / 64] & ~bit;
}

} // namespace kv
