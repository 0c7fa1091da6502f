#include "match_runner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace kv {

MatchScore scoreForFirst(GameResult o, bool firstIsWhite)
{
    MatchScore s;
    if (o == GameResult::Draw) s.draws = 1;
    else if ((o == GameResult::WhiteWon) == firstIsWhite) s.wins = 1;
    else s.losses = 1;
    return s;
}

MatchScore MatchGameRecord::forA() const { return scoreForFirst(result.outcome, aIsWhite); }

std::vector<MatchGameRecord> runMatch(const MatchSetup& setup, const MatchProgress& progress)
{
    int total = 2 * static_cast<int>(setup.ballots.size());
    if (setup.games > 0) total = std::min(total, setup.games);
    std::vector<MatchGameRecord> games(total);
    std::atomic<int> next { 0 };
    std::mutex lock;
    MatchScore score;
    int done = 0;
    SearchKnowledge none;
    const SearchKnowledge& knowledge = setup.knowledge ? *setup.knowledge : none;

    const auto worker = [&] {
        const std::unique_ptr<MatchPlayer> a = setup.makeA();
        const std::unique_ptr<MatchPlayer> b = setup.makeB();
        for (int i = next++; i < total; i = next++) {
            MatchGameRecord g;
            g.round = i + 1;
            g.aIsWhite = i % 2 == 0;
            const Ballot& ballot = setup.ballots[i / 2];
            g.result = g.aIsWhite ? playMatchGame(ballot, *a, *b, knowledge, setup.rules)
                                  : playMatchGame(ballot, *b, *a, knowledge, setup.rules);
            const std::lock_guard<std::mutex> hold(lock);
            games[i] = g;
            score.add(g.forA());
            ++done;
            if (progress) progress(games[i], score, done, total);
        }
    };
    const int jobs = std::clamp(setup.jobs, 1, std::max(total, 1));
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    return games;
}

} // namespace kv
