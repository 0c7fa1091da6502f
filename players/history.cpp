#include "players/history.h"

#include <algorithm>

namespace kv {

namespace {

// A tab inside a name would shift every later field of its line.
std::string field(const std::string& text)
{
    std::string out = text;
    std::replace(out.begin(), out.end(), '\t', ' ');
    return out;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

} // namespace

std::string historyLine(const ResultRecord& r)
{
    return field(r.date) + '\t' + field(r.white) + '\t' + ratingLine(r.whiteBefore) + '\t'
        + ratingLine(r.whiteAfter) + '\t' + field(r.black) + '\t' + ratingLine(r.blackBefore) + '\t'
        + ratingLine(r.blackAfter) + '\t' + std::string(scoreText(r.outcome));
}

std::optional<ResultRecord> parseHistoryLine(std::string_view line)
{
    const std::vector<std::string_view> f = splitTabs(line);
    if (f.size() != 8 || f[0].empty()) return std::nullopt;
    ResultRecord r;
    r.date = f[0];
    r.white = f[1];
    r.black = f[4];
    const auto wb = parseRating(f[2]), wa = parseRating(f[3]), bb = parseRating(f[5]),
               ba = parseRating(f[6]);
    const auto score = parseScoreText(f[7]);
    if (!wb || !wa || !bb || !ba || !score) return std::nullopt;
    r.whiteBefore = *wb;
    r.whiteAfter = *wa;
    r.blackBefore = *bb;
    r.blackAfter = *ba;
    r.outcome = *score;
    return r;
}

HistoryLoad loadHistory(const std::filesystem::path& dir)
{
    HistoryLoad out;
    TextList list = readTextList(dir / kHistoryFile);
    out.status = list.status;
    for (const std::string& l : list.lines) {
        if (auto r = parseHistoryLine(l)) out.records.push_back(std::move(*r));
        else ++out.skipped;
    }
    out.lines = std::move(list.lines);
    return out;
}

std::vector<std::string> historyWith(const std::vector<std::string>& lines, const ResultRecord& r)
{
    const std::size_t keep = std::min(lines.size(), kMaxHistory - 1);
    std::vector<std::string> out(lines.end() - static_cast<std::ptrdiff_t>(keep), lines.end());
    out.push_back(historyLine(r));
    return out;
}

PlayerSummary summarize(const std::vector<ResultRecord>& records, std::string_view name)
{
    PlayerSummary s;
    for (const ResultRecord& r : records) {
        const bool white = r.white == name, black = r.black == name;
        if (white == black) continue; // not this player's game, or a game against a namesake
        ++s.games;
        if (r.outcome == GameResult::Draw) ++s.drawn;
        else if ((r.outcome == GameResult::WhiteWon) == white) ++s.won;
        else ++s.lost;
    }
    return s;
}

} // namespace kv
