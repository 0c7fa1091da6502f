// Reading a game file of another program: plain text or PDN, chosen from the
// contents (a file that starts with a tag is PDN) or the ".pdn" extension.
#pragma once

#include "exchange_game.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

enum class ExchangeFormat { Text, Pdn };

ExchangeFormat detectFormat(std::string_view contents, std::string_view fileName = {});

// The bytes of a file as far as the format reads them: 64000 characters of
// plain text, 16 MiB of PDN. `cut` tells that the file was longer. Nothing,
// with the reason in `error`, when it cannot be read.
struct ExchangeFile {
    std::string contents;
    ExchangeFormat format = ExchangeFormat::Text;
    bool cut = false;
};
std::optional<ExchangeFile> readExchangeFile(const std::string& path, std::string& error);

// The games of a file: where each starts, so that any one can be listed or
// read without holding them all (a PDN file of millions of games costs four
// bytes a game).
struct GameIndex {
    std::vector<std::uint32_t> starts; // PDN: byte offsets; plain text: the games' ordinals
    std::vector<GameSummary> names;    // plain text only: the file is small
    std::size_t size() const { return starts.size(); }
    bool empty() const { return starts.empty(); }
};
GameIndex listGames(const ExchangeFile& file);

// The names of game `game` (0-based).
GameSummary gameSummary(const ExchangeFile& file, const GameIndex& index, int game);

// Game `game` (0-based) as written. Nothing, with the reason in `problem`,
// when there is no such game or the reader refuses it.
std::optional<ParsedGame> readGame(const ExchangeFile& file, const GameIndex& index, int game,
                                   ExchangeProblem* problem = nullptr);

} // namespace kv
