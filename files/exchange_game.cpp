#include "exchange_game.h"

#include "rules/record.h"

#include <cstdio>

namespace kv {

std::string choiceLine(int index, const GameSummary& game)
{
    char number[16];
    std::snprintf(number, sizeof number, "%2d:", index + 1);
    return number + game.white + "-" + game.black;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not one.
std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return 0;
    return n;
}

bool validUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view s)
{
    std::string out;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

std::string recordName(std::string_view raw)
{
    while (!raw.empty() && isBlank(raw.front())) raw.remove_prefix(1);
    while (!raw.empty() && isBlank(raw.back())) raw.remove_suffix(1);
    std::string name = validUtf8(raw) ? std::string(raw) : latin1ToUtf8(raw);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    std::size_t keep = 0;
    while (keep < name.size()) {
        const std::size_t n = utf8Length(name, keep);
        if (keep + n > static_cast<std::size_t>(kNameLength)) break;
        keep += n;
    }
    name.resize(keep);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::string_view outcomeText(GameOutcome r)
{
    switch (r) {
    case GameOutcome::WhiteWon: return "2-0";
    case GameOutcome::Draw: return "1-1";
    case GameOutcome::BlackWon: return "0-2";
    case GameOutcome::None: break;
    }
    return "*";
}

std::optional<GameOutcome> parseOutcome(std::string_view t)
{
    if (t == "2-0" || t == "1-0") return GameOutcome::WhiteWon;
    if (t == "0-2" || t == "0-1") return GameOutcome::BlackWon;
    if (t == "1-1" || t == "1/2-1/2") return GameOutcome::Draw;
    if (t == "*") return GameOutcome::None;
    return std::nullopt;
}

} // namespace kv
