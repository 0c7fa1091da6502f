// The random numbers that identify positions. A position's keys are the XOR,
// over its occupied squares, of the table entries at 32 x code + square; the
// index key picks a slot, the check key confirms the position in it.
#pragma once

#include "rules/board.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kv {

constexpr int kHashKeyCount = 165;                              // codes 0..4 x squares 0..32
constexpr std::size_t kHashKeyFileSize = 2 * kHashKeyCount * 4; // 1320 bytes
constexpr const char* kHashKeyFileName = "hashkey33.dat";

constexpr int hashKeySlot(std::uint8_t code, Square s) { return 32 * code + s; }

struct HashKeyTables {
    std::array<std::uint32_t, kHashKeyCount> index {};
    std::array<std::uint32_t, kHashKeyCount> check {};
    bool operator==(const HashKeyTables&) const = default;

    // The shipped keys, made from a fixed seed: the file "hashkey33.dat" holds
    // exactly these values, so tests and tools can do without the file.
    static HashKeyTables generated();
};

struct PositionKeys {
    std::uint32_t index = 0;
    std::uint32_t check = 0;
    bool operator==(const PositionKeys&) const = default;
    // Both in one word: the check key high, the index key low.
    std::uint64_t both() const { return std::uint64_t(check) << 32 | index; }
};

PositionKeys computeHashKeys(const HashKeyTables& t, const Board& b);

// The 1320-byte image: the index keys then the check keys, little-endian.
std::array<std::uint8_t, kHashKeyFileSize> hashKeyImage(const HashKeyTables& t);

// The keys of a file image of exactly kHashKeyFileSize bytes.
HashKeyTables hashKeysFromImage(const std::uint8_t* image);

// Reads a key file exactly as stored. A missing, short or oversized file gives
// nothing and a message in `error`: the engine never runs on made-up keys.
std::optional<HashKeyTables> loadHashKeys(const std::string& path, std::string& error);

// Writes the image; false (with a message) when the file cannot be written.
bool saveHashKeys(const HashKeyTables& t, const std::string& path, std::string& error);

} // namespace kv
