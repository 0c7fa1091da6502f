// Game files: the 22442-byte image of the whole game record with a few
// settings folded into its last two entries. The same image serves saved
// games ("Sauve/*.dam"), the state file "last32.dam" and problem files.
//
// Layout (little-endian, no header): entries 0..254 of 88 bytes each, then
// the current ply, then the side to move. Entry k holds the position after
// ply k; in the file, the first byte of entry 0 carries the number of plies
// held instead of the board's sentinel. Entries 253 and 254, which play
// never uses, carry the settings of `StoredSettings`.
//
// Every field is written and read one by one, never by copying structs, and
// a file is checked completely before anything of it is used.
#pragma once

#include "rules/board.h"
#include "rules/record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kv {

class GameState;

constexpr std::size_t kGameFileSize = 22442;
constexpr std::size_t kRecordEntryBytes = 88;
constexpr std::size_t kGamePlyOffset = 22440;
constexpr std::size_t kSideOffset = 22441;

// The settings that travel with a game and survive a restart.
struct StoredSettings {
    std::int32_t customMinutes = 3; // the "Nbminutes" box of the custom level
    std::int16_t sizeFactor = 100;  // transposition table size factor (0 counts as 100)
    std::uint8_t language = 0;   // 0 French, 1 English, 2 Dutch, 3 Portuguese, 4 Spanish, 5 Italian
    std::uint8_t levelIndex = 5; // 0..8, 11..18
    std::int32_t levelTime = 160; // seconds planned for 30 moves
    std::int32_t levelCap = 178;  // cap on the side's total thinking time
    bool operator==(const StoredSettings&) const = default;
};

// Byte offsets of the settings inside the image.
constexpr std::size_t kCustomMinutesOffset = 253 * 88 + 36; // 22300
constexpr std::size_t kSizeFactorOffset = 253 * 88 + 40;    // 22304
constexpr std::size_t kLanguageOffset = 254 * 88 + 34;      // 22386
constexpr std::size_t kLevelIndexOffset = 254 * 88 + 35;    // 22387
constexpr std::size_t kLevelTimeOffset = 254 * 88 + 36;     // 22388
constexpr std::size_t kLevelCapOffset = 254 * 88 + 40;      // 22392

constexpr int kLanguages = 6;

// A game file's contents in memory.
struct GameFile {
    GameRecord record {};           // entry 0's first byte is the board sentinel here
    std::uint8_t gamePly = 0;       // entry of the current position
    SideToMove side = White;        // to move in that position
    std::int32_t recordedPlies = 0; // plies held, at least gamePly after a read
    StoredSettings settings;
};

using GameFileImage = std::array<std::uint8_t, kGameFileSize>;

// The image of a game: the settings folded in, RecordedPlies in the first
// byte of entry 0 (its low byte; a record never holds more than 252 plies).
GameFileImage gameFileImage(const GameFile& g);

// Why a file was refused.
enum class GameFileProblem {
    None,
    CannotOpen, // missing, unreadable, or cannot be written
    WrongSize,  // not exactly 22442 bytes
    BadContent, // a field out of range
};

struct GameFileError {
    GameFileProblem problem = GameFileProblem::None;
    std::string detail; // one line in English: which field, which value
};

// Decodes and checks an image: every square holds a piece code 0..4,
// origins and destinations are squares 0..32, at most 12 pieces are taken
// by a ply, the names end within their fields, the computer's colour is 0 or
// 1, the plies are at most 252 and each holds a move, the side is 0 or 1, the level, language and
// table size are ones the program offers. The defaults rule is applied
// first: when either time-control value is 0 the settings become level 5
// (160 and 178 seconds, 3 custom minutes) with the English language index.
// On failure returns nothing and fills `error`.
std::optional<GameFile> parseGameFile(const std::uint8_t* data, std::size_t size,
                                      GameFileError& error);

// Writes through a temporary file in the same folder and a rename, so the
// previous file survives a failed or interrupted write.
bool WriteGameFile(const std::string& path, const GameFile& g, GameFileError& error);

// Reads and checks a whole file; nothing is returned unless all of it is sound.
std::optional<GameFile> ReadGameFile(const std::string& path, GameFileError& error);

// The defaults rule on its own.
void applyDefaultsRule(StoredSettings& s);

// The game state as a file: the record, the current ply and side, the plies
// held, with the given settings.
GameFile gameFileOf(const GameState& game, const StoredSettings& settings);

// Loads a file into a game: the record, the ply and the plies held, the
// position of the current ply with its clocks, names and computer's colour,
// the side to move and the side that started the record (derived from them),
// the displayed board and the rebuilt move list.
void loadGameFile(const GameFile& file, GameState& game);

} // namespace kv
