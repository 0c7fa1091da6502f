// Reading a game file of another program: plain text or PDN, chosen from the
// contents (a file that starts with a tag is PDN) or the ".pdn" extension.
#pragma once

#include "exchange_game.h"

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

std::vector<GameSummary> listGames(const ExchangeFile& file);
std::optional<ParsedGame> readGame(const ExchangeFile& file, int index, std::string* error = nullptr);

} // namespace kv
