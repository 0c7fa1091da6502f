// korvelan-cli: the engine driven from the command line. Each command lives in
// its own file and registers itself with a CommandRegistration object that
// declares its arguments to the parser. Errors go to stderr with exit status
// 2; the last line of normal output is what a script reads.
#pragma once

#include "rules/game_state.h"
#include "rules/notation.h"

#include <cstdint>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace kv::cli {

constexpr int kUsageError = 2;

// A command's body, run once its arguments are parsed.
using CommandBody = std::function<int()>;

struct Command {
    std::string name;
    std::string summary; // one line: what the command does and what it prints
    // Declares the command's arguments on its parser, bound to values that the
    // returned body reads when it runs.
    CommandBody (*define)(CLI::App&);
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

// The program directory, where the shipped data lies: the executable's folder
// in a build, "../share/korvelan" beside it in an installation.
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
