// kv-problemgen build SOURCE DIR: writes every problem of the source text as
// a game file DIR/<name>.dam with its statement DIR/<name>.damt, and the
// source itself as DIR/problemes.txt, from which the window judges answers.
// kv-problemgen prove SOURCE TABLES: proves every problem of the source with
// the endgame tables of the folder TABLES and checks its stored solution
// starts with the proved key; one line per problem, exit 1 on any failure.
// kv-problemgen mine SEED COUNT TABLES: composes problems: sparse positions
// where the side to move has no capture and which look level to a shallow
// search, kept only when proved. Prints source blocks.
#include "engine/search_driver.h"
#include "files/game_file.h"
#include "io/atomic_write.h"
#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/movegen.h"
#include "training/problem_proof.h"
#include "training/problem_source.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace kv;

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: kv-problemgen build SOURCE DIR | prove SOURCE TABLES | mine SEED COUNT "
                 "TABLES\n");
    return 2;
}

bool writeText(const std::filesystem::path& path, const std::string& text)
{
    return kv::writeFileAtomically(path.string(), text).ok();
}

std::optional<std::vector<ProblemEntry>> readSource(const std::string& source, std::string& text)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kv-problemgen: cannot read %s\n", source.c_str());
        return std::nullopt;
    }
    std::stringstream whole;
    whole << in.rdbuf();
    text = whole.str();
    std::string error;
    std::vector<ProblemEntry> problems = parseProblemSource(text, error);
    if (!error.empty()) {
        std::fprintf(stderr, "kv-problemgen: %s: %s\n", source.c_str(), error.c_str());
        return std::nullopt;
    }
    return problems;
}

int build(const std::string& source, const std::string& dir)
{
    std::string text;
    const auto read = readSource(source, text);
    if (!read) return 1;
    const std::vector<ProblemEntry>& problems = *read;
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
    if (!writeText(std::filesystem::path(dir) / "problemes.txt", text)) {
        std::fprintf(stderr, "kv-problemgen: cannot write %s/problemes.txt\n", dir.c_str());
        return 1;
    }
    return 0;
}

ProblemGoal goalOf(const ProblemEntry& p) { return { p.forcedWin, p.gainMen }; }

int prove(const std::string& source, const std::string& tableDir)
{
    std::string text;
    const auto read = readSource(source, text);
    if (!read) return 1;
    egtb::EndgameTables tables;
    for (const std::string& line : tables.load(tableDir))
        std::fprintf(stderr, "kv-problemgen: %s\n", line.c_str());
    if (tables.loadedCount() == 0) return 1;
    ProblemProver prover(&tables);
    int failures = 0;
    for (const ProblemEntry& p : *read) {
        const auto started = std::chrono::steady_clock::now();
        const ProblemProof proof = prover.prove(p.position, goalOf(p), p.depth);
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - started)
                                 .count();
        std::string why = proof.failure;
        if (proof.proven) {
            const auto stored = p.solution.empty()
                ? std::nullopt
                : parseMove(p.position.board, p.position.side, p.solution.front());
            if (!stored || !(*stored == proof.key))
                why = "the stored solution does not start with the key " + moveText(proof.key);
        }
        std::printf("%s %s %s plies %d nodes %lld ms %lld%s%s\n", p.name.c_str(),
                    why.empty() ? "proved" : "NOT PROVED",
                    p.forcedWin ? "win" : ("gain " + std::to_string(p.gainMen)).c_str(),
                    proof.plies, proof.nodes, ms, why.empty() ? "" : ": ", why.c_str());
        if (!why.empty()) ++failures;
    }
    std::printf("%zu problems, %d not proved\n", read->size(), failures);
    return failures == 0 ? 0 : 1;
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

int shallowScore(SearchContext& ctx, const Board& b, SideToMove side)
{
    ctx.settings.fixedDepth = 1;
    SearchRequest r;
    r.board = b;
    r.side = side;
    return searchDriver(ctx, r).score;
}

// The French statement of a proved problem: the goal, then the piece that
// plays first, as a hint.
std::vector<std::string> statement(int number, const Position& p, const ProblemProof& proof,
                                   bool win, int gain)
{
    const std::string who = p.side == White ? "les blancs" : "les noirs";
    const char* const counts[] = { "une pièce", "deux pièces", "trois pièces" };
    const std::string goal = win ? std::string("gagnent")
                                 : "gagnent au moins "
            + (gain >= 1 && gain <= 3 ? std::string(counts[gain - 1])
                                      : std::to_string(gain) + " pièces");
    const bool king = isKing(p.board[proof.key.from]);
    return { "Problème " + std::to_string(number) + " : " + who + " jouent et " + goal + ".", "",
             "Indice : le premier coup est joué par " + std::string(king ? "la dame" : "le pion")
                 + " de la case " + std::to_string(userNumber(proof.key.from)) + "." };
}

int mine(unsigned seed, int count, const std::string& tableDir)
{
    std::mt19937 rng(seed);
    egtb::EndgameTables tables;
    tables.load(tableDir);
    ProblemProver prover(&tables);
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    MoveGenerator gen;
    int found = 0;
    for (int tries = 0; found < count && tries < 200000; ++tries) {
        Board b = randomPosition(rng);
        b[0] = OffBoard;
        const auto side = static_cast<SideToMove>(tries & 1);
        const auto other = static_cast<SideToMove>(1 - side);
        Board copy = b;
        if (gen.generateLegal(copy, side) < 2 || gen.captureCount() > 0) continue;
        copy = b;
        if (gen.generateLegal(copy, other) == 0) continue;
        const Position p { b, side };
        if (tables.value(b, side)) continue; // the tables already know it
        // Not ahead in material, and level to a one-ply look.
        const PieceCounts pc = PieceCounts::of(b);
        if ((side == White ? pc.white() - pc.black() : pc.black() - pc.white()) > 0) continue;
        if (std::abs(shallowScore(ctx, b, side)) > 60) continue;
        struct Try {
            bool win;
            int gain, plies;
        };
        for (const Try t : { Try { true, 0, 13 }, Try { false, 2, 11 }, Try { false, 1, 11 } }) {
            const ProblemProof proof = prover.prove(p, { t.win, t.gain }, t.plies, 3'000'000);
            if (!proof.proven || proof.plies < 3) continue;
            ++found;
            ProblemEntry e;
            e.name = "prob" + std::string(found < 10 ? "0" : "") + std::to_string(found);
            e.position = p;
            e.forcedWin = t.win;
            e.gainMen = t.gain;
            e.depth = t.plies;
            Board at = b;
            SideToMove toMove = side;
            for (const MoveRecord& m : proof.line) {
                e.solution.push_back(shortMoveText(at, toMove, m));
                applyMove(at, m);
                toMove = static_cast<SideToMove>(1 - toMove);
            }
            e.comment = statement(found, p, proof, t.win, t.gain);
            std::printf("# plies %d, nodes %lld\n%s\n", proof.plies, proof.nodes,
                        formatProblemEntry(e).c_str());
            std::fflush(stdout);
            break;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::string(argv[1]) == "build") return build(argv[2], argv[3]);
    if (argc >= 4 && std::string(argv[1]) == "prove") return prove(argv[2], argv[3]);
    if (argc >= 5 && std::string(argv[1]) == "mine")
        return mine(static_cast<unsigned>(std::atoi(argv[2])), std::atoi(argv[3]), argv[4]);
    return usage();
}
