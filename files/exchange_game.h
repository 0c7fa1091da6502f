// A game as the text and PDN readers hand it over: the names, the result, an
// optional set-up position and the half-moves as written, before they are
// checked against the rules (replay.h does that).
#pragma once

#include "rules/board.h"
#include "rules/game_result.h"
#include "rules/notation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// One half-move as written: its squares in internal numbering, the origin
// first and the destination last, landing squares of a capture in between.
// An unreadable square is 0.
struct WrittenMove {
    std::vector<Square> squares;
    std::string text; // as it stands in the file, for notices
};

// Whether a PDN game says it is played under these rules (GameType 28).
enum class GameTypeNote { Ours, Missing, Other };

struct ParsedGame {
    std::string white, black;
    GameResult result = GameResult::None;
    std::optional<Position> setup; // else the initial position
    std::vector<WrittenMove> moves;
    GameTypeNote gameType = GameTypeNote::Ours; // the moves are read under these rules in any case
    std::string gameTypeText;                   // the tag's value when it names another game
};

// One line of the game-choice list: " 1:White-Black".
struct GameSummary {
    std::string white, black;
};
std::string choiceLine(int index, const GameSummary& game);

// A player's name as the record keeps it: blanks trimmed, bytes that are not
// UTF-8 taken as Latin-1, cut to 19 bytes without splitting a character.
std::string recordName(std::string_view raw);

} // namespace kv
