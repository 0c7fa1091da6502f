#include "commands.h"

#include <CLI/CLI.hpp>

#include "eval/egtb_solver.h"
#include "eval/egtb_verify.h"
#include "eval/learned_positions.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kv::cli {

namespace {
using namespace kv::egtb;

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int build(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const auto start = std::chrono::steady_clock::now();
    EndgameTables tables;
    const SolveResult result = solveAllTables(tables);
    if (!result.error.empty()) return error("solver: " + result.error);
    int longest = 0;
    for (const TableStats& s : result.stats) {
        std::printf(
            "%-10s %7u positions  %7u won (longest %3d)  %7u lost (longest %3d)  %7u drawn\n",
            std::string(tableLayout(s.table).name).c_str(), s.positions, s.wins, s.longestWin,
            s.losses, s.longestLoss, s.draws);
        longest = std::max({ longest, s.longestWin, s.longestLoss });
    }
    const auto problems = tables.save(dir);
    for (const auto& p : problems) std::fprintf(stderr, "korvelan-cli: %s\n", p.c_str());
    if (!problems.empty()) return kUsageError;
    std::fprintf(stderr, "time %.2f s, longest distance %d\n", secondsSince(start), longest);
    std::printf("%d tables written to %s\n", kTableCount, dir.c_str());
    return 0;
}

bool loadTables(EndgameTables& tables, const std::string& dir)
{
    const auto problems = tables.load(dir);
    for (const auto& p : problems) std::fprintf(stderr, "korvelan-cli: %s\n", p.c_str());
    return problems.empty();
}

int verify(const std::string& dir)
{
    EndgameTables tables;
    loadTables(tables, dir);
    const auto start = std::chrono::steady_clock::now();
    const VerifyReport r = verifyAllTables(tables, 20);
    for (const auto& e : r.examples) std::printf("error: %s\n", e.c_str());
    std::fprintf(stderr, "time %.2f s\n", secondsSince(start));
    std::printf("%" PRIu64 " positions checked, %" PRIu64 " errors\n", r.checked, r.errors);
    return r.errors == 0 ? 0 : 1;
}

int probe(const std::string& fen, const std::string& dir)
{
    auto pos = fenArgument(fen);
    if (!pos) return kUsageError;
    const auto slot = locate(pos->board, pos->side);
    if (!slot) return error("no endgame table holds this material");
    EndgameTables tables;
    tables.load(dir);
    const auto v = tables.at(slot->table, slot->index);
    if (!v)
        return error("table \"" + std::string(tableLayout(slot->table).name)
                     + "\" is not loaded from " + dir);
    std::printf("table %s index %u\n", std::string(tableLayout(slot->table).name).c_str(),
                slot->index);
    if (*v > 0) std::printf("the side to move wins; %d plies to the end\n", *v - 1);
    else if (*v < 0) std::printf("the side to move loses; %d plies to the end\n", -*v - 1);
    else std::printf("draw\n");
    std::printf("%d\n", *v);
    return 0;
}

int learned(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::string path = (std::filesystem::path(dir) / "damas.dat").string();
    if (const std::string why = LearnedPositions().save(path); !why.empty()) return error(why);
    std::printf("%s\n", path.c_str());
    return 0;
}

CommandBody defineEgtb(CLI::App& app)
{
    auto dir = std::make_shared<std::string>(programDir());
    auto fen = std::make_shared<std::string>();
    const auto action = [&app, dir](const char* name, const char* what) {
        CLI::App* sub = app.add_subcommand(name, what);
        sub->add_option("DIR", *dir, "The folder of the tables")->required();
        return sub;
    };
    const CLI::App* building = action("build", "Solve every table and write them to DIR");
    const CLI::App* checking
        = action("verify",
                 "Check that every value of the tables of DIR follows from the values of "
                 "its replies; last line: the errors (exit status 1 if any)");
    const CLI::App* learning
        = action("learned", "Write an empty file of learned positions (damas.dat) to DIR");
    CLI::App* probing
        = app.add_subcommand("probe",
                             "The table value of a position: who wins, in how many plies; last "
                             "line: the value (plies + 1, negative for a loss, 0 a draw)");
    probing->add_option("FEN", *fen, "The position")->required();
    probing->add_option("DIR", *dir, "The folder of the tables (default: the program's)");
    app.require_subcommand(1);
    return [=] {
        if (building->parsed()) return build(*dir);
        if (checking->parsed()) return verify(*dir);
        if (learning->parsed()) return learned(*dir);
        return probe(*fen, *dir);
    };
}

const CommandRegistration reg(
    { "egtb", "Endgame tables: solve and write them, check them, probe a position", defineEgtb });
} // namespace

} // namespace kv::cli
