// The game record: every position of the game with the move that led to it,
// the clocks, the names and the computer's colour. Taking back and replaying
// restore stored positions; no move is ever unmade.
#pragma once

#include "board.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kv {

// 88 bytes, the layout of game files.
struct RecordEntry {
    std::uint8_t sentinel = OffBoard; // index 0 of a board; in files entry 0 carries the ply count
    std::array<std::uint8_t, 32> squares {}; // squares 1..32 after the ply
    std::uint8_t captured = 0;               // pieces taken by the ply
    Square from = 0;
    Square to = 0;
    std::int32_t whiteClock = 0; // seconds used
    std::int32_t blackClock = 0;
    std::array<char, 20> whiteName {}; // zero-terminated
    std::array<char, 20> blackName {};
    std::uint8_t enginePlaysBlack = 0;
    std::array<std::uint8_t, 3> unused {};
};
static_assert(sizeof(RecordEntry) == 88);
static_assert(offsetof(RecordEntry, captured) == 33 && offsetof(RecordEntry, whiteClock) == 36);
static_assert(offsetof(RecordEntry, whiteName) == 44
              && offsetof(RecordEntry, enginePlaysBlack) == 84);

constexpr int kRecordEntries = 255;
// Entries 253 and 254 carry settings in saved files, so plies use 1..252.
constexpr int kLastPlyEntry = 252;
constexpr int kNameLength = 19;

using GameRecord = std::array<RecordEntry, kRecordEntries>;

// The board an entry shows, its sentinel in place.
inline Board boardOf(const RecordEntry& e)
{
    Board b;
    b[0] = OffBoard;
    for (int s = 1; s <= kSquares; ++s) b[s] = e.squares[s - 1];
    return b;
}
static_assert(sizeof(GameRecord) == 22440);

// Copies a name into a 20-byte field, zero-terminated: control characters
// become spaces and the name is cut to 19 bytes between two characters.
void setName(std::array<char, 20>& field, const std::string& name);
// The name a field holds, its control characters spaces, Latin-1 read as such.
std::string nameOf(const std::array<char, 20>& field);

} // namespace kv
