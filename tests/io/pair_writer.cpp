// The program behind scripts/kill-pairs. `write DIR` writes generation after
// generation of the two pairs of files that change together, the players
// with their ratings and the active opening pair, until it is killed.
// `check DIR` first does what the game does before reading them (finishing a
// half-done switch, removing leftovers), then says whether each pair holds
// one generation; its exit status is 1 when one does not.
#include "openings/library_sets.h"
#include "players/registry.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace kv;

constexpr int kRatingBase = 1000;

int write(const std::filesystem::path& dir)
{
    // Each run starts from its own generation, so that a pair left by an
    // earlier run never passes for one of this run.
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    for (long generation = std::chrono::duration_cast<std::chrono::microseconds>(start).count();;
         ++generation) {
        std::string mark = "g";
        mark += std::to_string(generation); // appended: GCC 12 warns falsely on "g" + temporary
        PlayerRegistry players;
        players.add(mark, kDefaultCapital);
        players.setRating(1, kRatingBase + static_cast<std::int32_t>(generation % 1000));
        std::string error;
        if (!saveRegistry(players, dir, error))
            std::fprintf(stderr, "players: %s\n", error.c_str());
        OpeningBook book;
        book.white.assign({ mark });
        book.black.assign({ mark });
        if (!writeActivePair(dir, book, error))
            std::fprintf(stderr, "openings: %s\n", error.c_str());
    }
}

int check(const std::filesystem::path& dir)
{
    bool playersOk = true, openingsOk = true;
    const RegistryLoad load = loadRegistry(dir);
    if (load.registry && load.registry->size() > 1) {
        const Player& p = (*load.registry)[1];
        playersOk
            = p.name.size() > 1 && kRatingBase + std::stol(p.name.substr(1)) % 1000 == p.rating;
    } else if (std::filesystem::exists(dir / kPlayersFile)) {
        playersOk = false;
    }
    OpeningBook book;
    std::string error;
    if (readActivePair(dir, book, error)) openingsOk = book.white.lines() == book.black.lines();
    else
        openingsOk = !std::filesystem::exists(dir / kWhiteLibraryFile)
            && !std::filesystem::exists(dir / kBlackLibraryFile);
    std::printf("players %s, openings %s\n", playersOk ? "one generation" : "MIXED",
                openingsOk ? "one generation" : "MIXED");
    return playersOk && openingsOk ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "write") return write(argv[2]);
    if (mode == "check") return check(argv[2]);
    std::fprintf(stderr, "usage: kv-pair-writer write|check DIR\n");
    return 2;
}
