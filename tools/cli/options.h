// Typed options shared by several commands. Each says its bounds in the help
// and in the error that refuses a value outside them.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace kv::cli {

constexpr int kMaxSearchDepth = 30;
constexpr int kMaxMoveTimeMs = 86'400'000; // a day

// A whole number from low to high.
CLI::Option* addBoundedOption(CLI::App& app, const std::string& name, int& value, int low, int high,
                              const std::string& what);

// A search depth of 1..30 plies.
CLI::Option* addDepthOption(CLI::App& app, const std::string& name, int& depth,
                            const std::string& what);

// Seconds with up to three decimals ("2", "0.25") from 0.001 to 86400, kept as
// whole milliseconds, so no later arithmetic on them can overflow.
CLI::Option* addSecondsOption(CLI::App& app, const std::string& name, int& milliseconds,
                              const std::string& what);

// A level index of the game: 0..8 or 11..17.
CLI::Option* addLevelOption(CLI::App& app, const std::string& name, int& level,
                            const std::string& what);

} // namespace kv::cli
