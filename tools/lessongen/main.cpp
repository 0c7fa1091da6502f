// kv-lessongen BALLOTS DIR: lessons and learned positions from self-play.
// Each game starts from a balanced opening of BALLOTS; the engine plays both
// sides at a fixed depth until the position after kGamePlies plies, which is
// learned, when a lesson may hold it (a long game, material nearly level),
// with the score of a deeper search from the side to move's view, as
// "Apprendre la position" learns an analysed game's last position. Writes
// three lessons DIR/parametres/lecon_N.dal, from the games in turn, and
// DIR/damas.dat with every position learned.
#include "engine/search_driver.h"
#include "eval/learned_positions.h"
#include "matches/ballots.h"
#include "rules/game_state.h"
#include "training/lessons.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

using namespace kv;

namespace {

constexpr int kGamePlies = 30; // where each game stops to be learned
constexpr int kPlayDepth = 4;  // the depth of every move played
constexpr int kScoreDepth = 8; // the depth of the learned score
constexpr int kLessons = 3;    // lesson files
constexpr int kGamesPerLesson = 6;

// The search's score from the side to move's view; nothing without a move.
std::optional<int> searchMove(SearchContext& ctx, const GameState& g, int depth, MoveRecord* move)
{
    ctx.settings.fixedDepth = depth;
    SearchRequest r;
    r.board = g.board;
    r.side = g.side;
    const SearchResult res = searchDriver(ctx, r);
    if (move) *move = res.move;
    if (res.legalIndex < 0) return std::nullopt;
    return res.score;
}

// Plays one game from the ballot; false when it ends (or cannot start) before kGamePlies.
bool playGame(SearchContext& ctx, const Ballot& ballot, GameState& g)
{
    g.startFrom(ballot.start.board, ballot.start.side);
    for (const std::string& text : ballot.moves) {
        const auto m = parseMove(g.board, g.side, text);
        if (!m) return false;
        g.generateLegal();
        g.playMove(*m, g.gen.captureCount());
    }
    while (g.gamePly < kGamePlies) {
        MoveRecord m;
        if (!searchMove(ctx, g, kPlayDepth, &m)) return false;
        g.generateLegal();
        if (g.playMove(m, g.gen.captureCount()) != PlayResult::Played) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kv-lessongen BALLOTS DIR\n");
        return 2;
    }
    std::string why;
    const auto ballots = readBallots(argv[1], why);
    if (!ballots) {
        std::fprintf(stderr, "kv-lessongen: %s\n", why.c_str());
        return 1;
    }
    const std::filesystem::path dir(argv[2]);
    std::filesystem::create_directories(dir / "parametres");
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    const HashKeyTables keys = ctx.learnedKeys();

    LearnedPositions all;
    std::size_t next = 0;
    int learnedCount = 0;
    for (int lesson = 1; lesson <= kLessons; ++lesson) {
        LearnedPositions table;
        int games = 0;
        for (; games < kGamesPerLesson && next < ballots->size(); ++next) {
            GameState g;
            if (!playGame(ctx, (*ballots)[next], g) || !mayLearn(g.board, g.gamePly)) continue;
            const auto score = searchMove(ctx, g, kScoreDepth, nullptr);
            if (!score) continue;
            const LessonEntry e = lessonEntryOf(keys, g, g.gamePly, *score);
            learn(table, e);
            learn(all, e);
            ++games;
            ++learnedCount;
        }
        const std::string path
            = (dir / "parametres" / ("lecon_" + std::to_string(lesson) + ".dal")).string();
        if (const std::string error = table.save(path); !error.empty()) {
            std::fprintf(stderr, "kv-lessongen: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
    }
    if (const std::string error = all.save((dir / "damas.dat").string()); !error.empty()) {
        std::fprintf(stderr, "kv-lessongen: damas.dat: %s\n", error.c_str());
        return 1;
    }
    std::printf("%d positions learned into %d lessons and damas.dat\n", learnedCount, kLessons);
    return 0;
}
