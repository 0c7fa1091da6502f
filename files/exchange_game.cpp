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

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

std::string recordName(std::string_view raw)
{
    while (!raw.empty() && isBlank(raw.front())) raw.remove_prefix(1);
    while (!raw.empty() && isBlank(raw.back())) raw.remove_suffix(1);
    std::string name = isUtf8(raw) ? std::string(raw) : latin1ToUtf8(raw);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    name = utf8Prefix(name, kNameLength);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

} // namespace kv
