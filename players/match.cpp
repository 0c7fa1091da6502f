#include "players/match.h"

namespace kv {

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

int playerLine(const PlayerRegistry& registry, const MatchRequest& request, const std::string& name)
{
    for (int candidate : { request.selectedRow, request.previousPlayerIndex })
        if (candidate >= 1 && registry.contains(candidate) && registry[candidate].name == name)
            return candidate;
    return registry.indexOf(name, 1);
}

} // namespace

std::optional<MatchSetup> setUpMatch(const PlayerRegistry& registry, const MatchRequest& request)
{
    const std::string name = trimmed(request.typedName);
    if (name.empty()) return std::nullopt;
    MatchSide player { name, playerLine(registry, request, name), kUnknownRating };
    if (player.index >= 1 && name != kUnknownPlayer)
        player.rating = boundedRating(registry[player.index].rating);
    const MatchSide engine { kEngineName, 0, boundedRating(registry[0].rating) };

    MatchSetup s;
    s.playerSide = request.engineWhite ? 1 : 0;
    s.white = request.engineWhite ? engine : player;
    s.black = request.engineWhite ? player : engine;
    s.engineVsEngine = name == kEngineName;
    return s;
}

int clockDivisor(std::int32_t rating) { return rating < kFullClockRating ? 2 : 1; }

RatedResult rateMatch(const MatchSetup& setup, GameResult outcome)
{
    RatedResult r;
    r.setup = setup;
    r.outcome = outcome;
    r.after = rateMatchResult(setup.white.rating, setup.black.rating, outcome);
    return r;
}

StoreReport storeRatedResult(const std::filesystem::path& dir, const RatedResult& result,
                             const std::string& date)
{
    StoreReport report;
    RegistryLoad load = loadRegistry(dir);
    report.repairs = load.repairs;
    if (!load.registry) {
        report.failedFile = load.failedFile;
        report.status = load.status;
        return report;
    }
    PlayerRegistry& reg = *load.registry;

    // White first, then Black, as the two ratings are shown.
    for (const auto& [side, rating] : { std::pair { &result.setup.white, result.after.white },
                                        std::pair { &result.setup.black, result.after.black } }) {
        int line = side->index;
        if (line > 0 && (!reg.contains(line) || reg[line].name != side->name))
            line = reg.indexOf(side->name, 1);
        if (line < 0) continue;
        reg.setRating(line, rating);
        report.linesWritten.push_back(line);
    }

    std::vector<ListWrite> writes;
    if (load.namesChanged) writes.push_back({ dir / kPlayersFile, reg.nameLines() });
    writes.push_back({ dir / kRatingsFile, reg.ratingLines() });
    // The history follows the ratings when it can be read; a history that
    // cannot be read is left as it is rather than replaced.
    const HistoryLoad history = loadHistory(dir);
    if (history.status == ListStatus::Ok || history.status == ListStatus::Missing) {
        const ResultRecord record { date,
                                    result.setup.white.name,
                                    result.setup.black.name,
                                    result.setup.white.rating,
                                    result.after.white,
                                    result.setup.black.rating,
                                    result.after.black,
                                    result.outcome };
        writes.push_back({ dir / kHistoryFile, historyWith(history.lines, record) });
        report.historyKept = true;
    }
    report.saved = writeTextLists(writes, report.error);
    if (!report.saved) {
        report.historyKept = false;
        report.linesWritten.clear();
    }
    return report;
}

} // namespace kv
