// korvelan-cli: the engine driven from the command line. Each command lives in
// its own file and registers itself with a CommandRegistration object. Errors
// go to stderr with exit status 2; the last line of normal output is what a
// script reads.
#pragma once

#include "rules/game_state.h"
#include "rules/notation.h"

#include <cstdint>

#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

using Args = std::vector<std::string>;

constexpr int kUsageError = 2;

struct Command {
    std::string name;
    std::string usage; // one line: arguments and what the command prints
    int (*run)(const Args&);
};

// Adds a command to the tool's table; one static instance per command file.
struct CommandRegistration {
    explicit CommandRegistration(Command c);
};

const std::vector<Command>& commands();

// Prints "korvelan-cli: <text>" on stderr and returns the usage-error status.
int error(const std::string& text);

// Parses a FEN argument, printing the reason on failure.
std::optional<Position> fenArgument(const std::string& text);

// The folder of the running executable: the program directory, where the
// shipped data lies.
std::string programDir();

// Parses a whole non-negative number; false on anything else.
bool intArgument(const std::string& text, int& out);

// Parses seconds with an optional fraction ("2", "0.25", ".5") into whole
// milliseconds, rounded to the nearest; false on anything else.
bool secondsArgument(const std::string& text, std::int64_t& milliseconds);

// Plays a space-separated list of moves ("11-15 24-20 8x15") from a position
// into a game record, as the game would: `game` holds the result.
bool playMoves(GameState& game, const std::string& moves);

} // namespace kv::cli
