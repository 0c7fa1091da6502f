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
    int line = 0;     // where it stands (1-based; 0 when unknown)
};

// Why a game of a file is refused: the kind for the window to word, and a
// one-line detail in English for the command line.
enum class ExchangeProblemKind {
    NoSuchGame,
    Structure,    // a comment, variation or tag that is not closed, a stray bracket
    OtherVariant, // another GameType, or a board of another size
    SetUp,        // a FEN that cannot be read, a set-up in the middle of the game
    UnreadableMove,
    IllegalMove,
    AmbiguousMove, // several legal captures fit what is written
};

struct ExchangeProblem {
    ExchangeProblemKind kind = ExchangeProblemKind::Structure;
    int game = 0; // 1-based
    int line = 0; // 1-based; 0 when the problem has no place in the file
    std::string detail;
};

// "game 2, line 14: detail"
std::string problemText(const ExchangeProblem& p);

// Whether a PDN game says it is played under these rules (GameType 28 or
// 24); a game of another variant is refused.
enum class GameTypeNote { Ours, Missing };

struct ParsedGame {
    std::string white, black;
    GameResult result = GameResult::None;
    std::optional<Position> setup; // else the initial position
    bool sideUnknown = false;      // the set-up says "?": the first move tells the side
    std::vector<WrittenMove> moves;
    bool movesCut = false; // more half-moves were written than a record holds
    bool strict = false;   // a move that is not legal refuses the game instead of being skipped
    GameTypeNote gameType = GameTypeNote::Ours;
    int number = 1; // of the game in its file, for problems
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
