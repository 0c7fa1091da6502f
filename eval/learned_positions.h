// The learned-position table: 131071 slots of 8 bytes, read from
// "damas.dat" (or replaced by a lesson file) and looked up by the
// transposition keys. A slot holds the check key of its position (4 bytes),
// a score from the side to move's view (2 bytes, 0 = no information) and
// 2 unused bytes, little-endian, without header. A position's slot is its
// index key, raised by 1 when white is to move, modulo 131071.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

class LearnedPositions {
public:
    static constexpr std::uint32_t kSlots = 131071;
    static constexpr std::uint32_t kEntryBytes = 8;
    static constexpr std::uint32_t kFileBytes = kSlots * kEntryBytes; // 1048568

    struct Entry {
        std::uint32_t checkKey = 0;
        std::int16_t score = 0;
        std::uint16_t reserved = 0;
    };

    LearnedPositions() : entries_(kSlots), scored_(kScoredWords) { }

    // Replaces the whole table by a file of exactly kFileBytes bytes. A
    // missing, short or oversized file changes nothing and is described in
    // the returned text (empty on success).
    std::string load(const std::string& path);
    // The same from a file image of exactly kFileBytes bytes.
    void loadImage(const unsigned char* image);

    // Writes the whole table; an empty text on success.
    std::string save(const std::string& path) const;

    // The score stored for the keys (index key already raised when white is
    // to move), when the slot holds that position; score 0 included.
    std::optional<std::int16_t> lookup(std::uint32_t indexKey, std::uint32_t checkKey) const;

    // Stores a score unless the slot holds a decided one (kDecidedScore or more in
    // either direction), which is never overwritten. True when stored.
    bool store(std::uint32_t indexKey, std::uint32_t checkKey, std::int16_t score);

    // The score stored for the position, 0 when its slot holds no score or
    // another position. The search asks at every node and nearly always of a
    // slot without a score, which the map of scored slots answers alone.
    std::int16_t scoreOf(std::uint32_t indexKey, std::uint32_t checkKey) const
    {
        const std::uint32_t slot = slotOf(indexKey);
        if (!scored(slot)) return 0;
        const Entry& e = entries_[slot];
        return e.checkKey == checkKey ? e.score : std::int16_t { 0 };
    }

    static std::uint32_t slotOf(std::uint32_t indexKey) { return indexKey % kSlots; }
    void prefetch(std::uint32_t indexKey) const
    {
        const std::uint32_t slot = slotOf(indexKey);
        if (scored(slot)) __builtin_prefetch(&entries_[slot]);
    }
    const Entry& entry(std::uint32_t slot) const { return entries_[slot]; }
    void clear();

    // The file image of the table (little-endian).
    std::vector<unsigned char> image() const;

private:
    static constexpr std::uint32_t kScoredWords = (kSlots + 63) / 64;
    bool scored(std::uint32_t slot) const { return scored_[slot / 64] >> (slot % 64) & 1; }
    void markScored(std::uint32_t slot, bool on);

    std::vector<Entry> entries_;
    std::vector<std::uint64_t> scored_; // one bit a slot: its score is not 0
};

} // namespace kv
