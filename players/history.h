// The results history: every rated game, one line each, in "historique.txt"
// beside the registry files. The registry only holds today's ratings; this
// file lets a player see the games that made them.
//
// A line holds, separated by tabs: the date, White's name, rating before and
// after, Black's name, rating before and after, and the score from White's
// side ("2-0", "1-1", "0-2"). Lines that cannot be read (a note written by
// hand, a line of a later version) are not trusted but kept as they are; the
// oldest lines go once the file holds kMaxHistory lines.
#pragma once

#include "players/rating.h"
#include "players/text_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr const char* kHistoryFile = "historique.txt";
inline constexpr std::size_t kMaxHistory = 10000;

struct ResultRecord {
    std::string date; // "2026-12-07 14:05"
    std::string white, black;
    std::int32_t whiteBefore = 0, whiteAfter = 0;
    std::int32_t blackBefore = 0, blackAfter = 0;
    GameResult outcome = GameResult::Draw;
};

std::string historyLine(const ResultRecord& r);
std::optional<ResultRecord> parseHistoryLine(std::string_view line);

struct HistoryLoad {
    ListStatus status = ListStatus::Ok; // Missing is an empty history
    std::vector<ResultRecord> records;
    std::vector<std::string> lines; // every line as read, results or not
    int skipped = 0;                // lines that were not results
};
HistoryLoad loadHistory(const std::filesystem::path& dir);

// The history lines once `r` is added after `lines`, the oldest dropped
// beyond kMaxHistory.
std::vector<std::string> historyWith(const std::vector<std::string>& lines, const ResultRecord& r);

// What a player's rated games add up to, seen from that player's side.
struct PlayerSummary {
    int games = 0, won = 0, drawn = 0, lost = 0;
};
PlayerSummary summarize(const std::vector<ResultRecord>& records, std::string_view name);

} // namespace kv
