// Ballot lists given to `korvelan-cli match --ballots`.
#include "fuzz_target.h"

#include "matches/ballots.h"
#include "rules/game_state.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    std::string why;
    const auto list
        = parseBallots(std::string(reinterpret_cast<const char*>(data), size), "f", why);
    if (!list) {
        if (why.empty()) std::abort(); // every refusal says why
        return 0;
    }
    if (list->empty() || list->size() > kMaxBallots) std::abort();
    // Every accepted ballot plays out from its start, as a match would.
    GameState game;
    for (const Ballot& b : *list) {
        game.startFrom(b.start.board, b.start.side);
        for (const std::string& m : b.moves) {
            const auto move = parseMove(game.board, game.side, m);
            if (!move || game.playMove(*move, move->n) != PlayResult::Played) std::abort();
        }
    }
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    return { "11-15 24-20 8-11\n", "# c\n\n9-14 22-17 # x\nW:WK29:BK4,K3 29-25\n",
             "B:W18,22:B14 14x23\n", "12-16\n11-16 21-17\n" };
}
