#include "exchange_game.h"

#include "io/text_encoding.h"
#include "rules/record.h"

#include <cstdio>

namespace kv {

std::string choiceLine(int index, const GameSummary& game)
{
    char number[16];
    std::snprintf(number, sizeof number, "%2d:", index + 1);
    return number + game.white + "-" + game.black;
}

std::string problemText(const ExchangeProblem& p)
{
    std::string out = "game " + std::to_string(p.game);
    if (p.line > 0) out += ", line " + std::to_string(p.line);
    return out + ": " + p.detail;
}

std::string recordName(std::string_view raw) { return cleanName(raw, kNameLength); }

} // namespace kv
