// The two sides of a match game: the engine in this process with its own
// parameters and time control, or an external program run once per move.
#pragma once

#include "engine/levels.h"
#include "engine/search_context.h"
#include "eval/parameters.h"
#include "rules/game_state.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv {

// What a player sees when it is to move: the game from its start.
struct MoveRequest {
    const GameState* game = nullptr;
    std::string startFen;                  // "start" or the FEN the game began from
    std::vector<std::string> moves;        // every ply so far, short texts
    std::array<std::int64_t, 2> usedMs {}; // each side's thinking time so far
};

struct MoveAnswer {
    std::optional<MoveRecord> move; // nothing: the player named no legal move
    std::string problem;            // why, for the game's comment
    int score = 0;                  // from the mover's view, when the player tells
};

class MatchPlayer {
public:
    virtual ~MatchPlayer() = default;
    virtual void newGame() { }
    virtual MoveAnswer play(const MoveRequest& r) = 0;
};

// How the engine spends its time: one of a fixed depth, a fixed time a move,
// or a playing level with its clock rules.
struct EngineLimits {
    int depth = 0;
    int moveTimeMs = 0;
    std::optional<LevelSetting> level;
    // A level's clock runs this many times fast, dividing each of its budgets
    // by as much: the levels keep their ratios in quicker games.
    int clockSpeed = 1;
};

// The engine with a parameter set and limits. Keys and knowledge are shared
// read-only between players; each player has its own search context.
std::unique_ptr<MatchPlayer> makeEnginePlayer(const HashKeyTables& keys,
                                              const SearchKnowledge& knowledge,
                                              const ParameterSet& params,
                                              const EngineLimits& limits);

// An external program: `command` is a shell command template in which
// {fen}, {moves} (space-separated, possibly empty) and {movetime} (seconds)
// are replaced; the program's last output line must read "bestmove MOVE".
std::unique_ptr<MatchPlayer> makeExternalPlayer(const std::string& command, double moveTimeSeconds);

// The command line an external player runs for a request.
std::string expandCommand(const std::string& command, const MoveRequest& r, double moveTimeSeconds);

// The move named by a program's output, checked against the position.
MoveAnswer readBestMove(const std::string& output, const GameState& game);

} // namespace kv
