#include "game_result.h"

namespace kv {

std::optional<GameResult> resultOfCode(int code)
{
    if (code < 0 || code > 3) return std::nullopt;
    return static_cast<GameResult>(code);
}

std::string_view scoreText(GameResult r)
{
    switch (r) {
    case GameResult::WhiteWon: return "2-0";
    case GameResult::Draw: return "1-1";
    case GameResult::BlackWon: return "0-2";
    case GameResult::None: break;
    }
    return {};
}

std::optional<GameResult> parseScoreText(std::string_view text)
{
    for (GameResult r : { GameResult::WhiteWon, GameResult::Draw, GameResult::BlackWon })
        if (text == scoreText(r)) return r;
    return std::nullopt;
}

std::string_view pdnResultText(GameResult r)
{
    switch (r) {
    case GameResult::WhiteWon: return "1-0";
    case GameResult::Draw: return "1/2-1/2";
    case GameResult::BlackWon: return "0-1";
    case GameResult::None: break;
    }
    return "*";
}

std::optional<GameResult> parsePdnResult(std::string_view text)
{
    for (GameResult r :
         { GameResult::WhiteWon, GameResult::Draw, GameResult::BlackWon, GameResult::None })
        if (text == pdnResultText(r)) return r;
    if (const auto r = parseScoreText(text)) return r;
    if (text == "0-0") return GameResult::None;
    return std::nullopt;
}

} // namespace kv
