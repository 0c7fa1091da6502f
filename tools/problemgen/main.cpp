// kv-problemgen build SOURCE DIR: writes every problem of the source text as
// a game file DIR/<name>.dam with its comment DIR/<name>.damt.
// kv-problemgen mine SEED COUNT [DEPTH]: composes candidate problems: sparse
// positions where the side to move has no capture, looks level to a shallow
// search, and wins (or wins two men) in a deeper one. Prints source blocks.
#include "engine/search_driver.h"
#include "files/game_file.h"
#include "io/atomic_write.h"
#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/movegen.h"
#include "training/problem_source.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace kv;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: kv-problemgen build SOURCE DIR | mine SEED COUNT [DEPTH]\n");
    return 2;
}

bool writeText(const std::filesystem::path& path, const std::string& text)
{
    return kv::writeFileAtomically(path.string(), text).ok();
}

int build(const std::string& source, const std::string& dir)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kv-problemgen: cannot read %s\n", source.c_str());
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    const std::vector<ProblemEntry> problems = parseProblemSource(text.str(), error);
    if (!error.empty()) {
        std::fprintf(stderr, "kv-problemgen: %s: %s\n", source.c_str(), error.c_str());
        return 1;
    }
    std::filesystem::create_directories(dir);
    GameState game;
    for (const ProblemEntry& p : problems) {
        // The computer defends: it plays the side that does not move first.
        game.enginePlaysBlack = p.position.side == White ? 1 : 0;
        game.whiteName = p.position.side == White ? "Inconnu" : "Korvelan";
        game.blackName = p.position.side == White ? "Korvelan" : "Inconnu";
        game.clock = {};
        game.startFrom(p.position.board, p.position.side);
        GameFileError fileError;
        const std::string base = (std::filesystem::path(dir) / p.name).string();
        if (!WriteGameFile(base + ".dam", gameFileOf(game, StoredSettings {}), fileError)) {
            std::fprintf(stderr, "kv-problemgen: %s.dam: %s\n", base.c_str(),
                         fileError.detail.c_str());
            return 1;
        }
        std::string comment;
        for (const std::string& l : p.comment) comment += l + "\n";
        if (!writeText(base + ".damt", comment)) {
            std::fprintf(stderr, "kv-problemgen: cannot write %s.damt\n", base.c_str());
            return 1;
        }
    }
    return 0;
}

// ---------------------------------------------------------------- composing

Board randomPosition(std::mt19937& rng)
{
    Board b;
    b.clear();
    std::uniform_int_distribution<int> men(2, 4), sq(1, 32), coin(0, 9);
    const int whiteMen = men(rng);
    const int blackMen = whiteMen + (coin(rng) < 5 ? 0 : coin(rng) < 5 ? 1 : -1);
    const auto place = [&](std::uint8_t code, int n) {
        for (int placed = 0, tries = 0; placed < n && tries < 500; ++tries) {
            const auto s = static_cast<Square>(sq(rng));
            if (b[s] != Empty) continue;
            if (isMan(code) && (promotes(code, s) || (code == WhiteMan ? s > 28 : s < 5))) continue;
            b[s] = code;
            ++placed;
        }
    };
    place(WhiteMan, whiteMen);
    place(BlackMan, std::max(1, blackMen));
    if (coin(rng) < 3) {
        place(WhiteKing, 1);
        place(BlackKing, 1);
    }
    return b;
}

int search(SearchContext& ctx, const Board& b, SideToMove side, int depth,
           std::vector<MoveRecord>* pv = nullptr)
{
    ctx.settings.fixedDepth = depth;
    SearchRequest r;
    r.board = b;
    r.side = side;
    const SearchResult res = searchDriver(ctx, r);
    if (pv) *pv = ctx.principalVariation();
    return res.score;
}

int mine(unsigned seed, int count, int depth)
{
    std::mt19937 rng(seed);
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    MoveGenerator gen;
    int found = 0;
    for (int tries = 0; found < count && tries < 200000; ++tries) {
        Board b = randomPosition(rng);
        b[0] = OffBoard;
        const SideToMove side = static_cast<SideToMove>(tries & 1);
        const SideToMove other = static_cast<SideToMove>(1 - side);
        Board copy = b;
        if (gen.generateLegal(copy, side) < 2 || gen.captureCount() > 0) continue;
        copy = b;
        if (gen.generateLegal(copy, other) == 0) continue;
        const PieceCounts pc = PieceCounts::of(b);
        const int mine = side == White ? 3 * pc[WhiteMan] + 5 * pc[WhiteKing]
                                       : 3 * pc[BlackMan] + 5 * pc[BlackKing];
        const int theirs = side == White ? 3 * pc[BlackMan] + 5 * pc[BlackKing]
                                         : 3 * pc[WhiteMan] + 5 * pc[WhiteKing];
        if (mine > theirs) continue;
        if (search(ctx, b, side, 1) > 60) continue;
        std::vector<MoveRecord> pv;
        const int deep = search(ctx, b, side, depth, &pv);
        const bool win = deep >= 30000;
        if (!win && deep < 2 * 200 - 60 + 40) continue;
        ++found;
        Position p { b, side };
        std::printf("[prob%02d]\nfen %s\n%s\ndepth %d\n", found, formatFen(p).c_str(),
                    win ? "goal win" : "goal gain 2", depth);
        std::string line;
        for (std::size_t i = 0; i < pv.size() && i < 9; ++i) {
            std::string t = moveText(pv[i]);
            const auto cut = t.find(' ');
            if (cut != std::string::npos) t.resize(cut);
            line += (i ? " " : "") + t;
        }
        std::printf("# score %d\n%s\n\n", deep, line.c_str());
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::string(argv[1]) == "build") return build(argv[2], argv[3]);
    if (argc >= 4 && std::string(argv[1]) == "mine")
        return mine(static_cast<unsigned>(std::atoi(argv[2])), std::atoi(argv[3]),
                    argc > 4 ? std::atoi(argv[4]) : 13);
    return usage();
}
