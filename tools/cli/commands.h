// korvelan-cli: the engine driven from the command line. Each command lives in
// its own file and is listed in the table of main.cpp. Errors go to stderr with
// exit status 2; the last line of normal output is what a script reads.
#pragma once

#include "rules/notation.h"

#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

using Args = std::vector<std::string>;

constexpr int kUsageError = 2;

// Prints "korvelan-cli: <text>" on stderr and returns the usage-error status.
int error(const std::string& text);

// Parses a FEN argument, printing the reason on failure.
std::optional<Position> fenArgument(const std::string& text);

// Parses a whole non-negative number; false on anything else.
bool intArgument(const std::string& text, int& out);

int runMoves(const Args& args);
int runPerft(const Args& args);

} // namespace kv::cli
