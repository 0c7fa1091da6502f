#include "commands.h"
#include "options.h"

#include "engine/endgame_knowledge.h"
#include "engine/levels.h"
#include "matches/match_pdn.h"
#include "matches/match_runner.h"

#include <cstdio>

namespace kv::cli {

namespace {

// A player: "engine", or comma-separated items par=FILE, movetime=S,
// depth=D, level=L, name=NAME; "cmd=TEMPLATE" takes the rest of the text.
struct PlayerChoice {
    std::string name;
    std::string parFile;
    std::string command;
    std::optional<EngineLimits> limits;
    ParameterSet params = defaultParameters();
};

bool parseLimit(const std::string& key, const std::string& value, EngineLimits& limits,
                std::string& why)
{
    int n = 0;
    limits = {};
    if (key == "movetime") {
        std::int64_t ms = 0;
        if (!secondsArgument(value, ms) || ms < 1 || ms > 86400000)
            return why = "movetime must be 0.001 to 86400 seconds", false;
        limits.moveTimeMs = static_cast<int>(ms);
    } else if (key == "depth") {
        if (!intArgument(value, n) || n < 1 || n > 30) return why = "depth must be 1..30", false;
        limits.depth = n;
    } else if (key == "level") {
        if (!intArgument(value, n) || !levelByIndex(n))
            return why = "level must be 0..8 or 11..17", false;
        limits.level = levelByIndex(n);
    } else {
        return why = "unknown limit " + key, false;
    }
    return true;
}

std::optional<PlayerChoice> parsePlayer(const std::string& text, std::string& why)
{
    PlayerChoice p;
    p.name = text;
    std::string rest = text == "engine" ? std::string() : text;
    while (!rest.empty()) {
        if (rest.rfind("cmd=", 0) == 0) {
            p.command = rest.substr(4);
            break;
        }
        const std::size_t comma = rest.find(',');
        const std::string item = rest.substr(0, comma);
        rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos)
            return why = "bad player item '" + item + "' in " + text, std::nullopt;
        const std::string key = item.substr(0, eq), value = item.substr(eq + 1);
        if (key == "name") {
            p.name = value;
        } else if (key == "par") {
            p.parFile = value;
            std::string problem;
            if (!loadParameters(p.params, value, [&problem](const std::string& m) { problem = m; }))
                return why = value + ": " + problem, std::nullopt;
        } else {
            EngineLimits l;
            if (!parseLimit(key, value, l, why)) return std::nullopt;
            p.limits = l;
        }
    }
    if (p.command.empty() == false && p.command.find_first_not_of(' ') == std::string::npos)
        return why = "empty command for " + text, std::nullopt;
    return p;
}

std::string outcomeWord(const MatchGameRecord& g)
{
    const MatchScore s = g.forA();
    return s.wins ? "win" : s.losses ? "loss" : "draw";
}

struct MatchOptions {
    std::vector<std::string> names;
    std::string ballotsPath = programDir() + "/ballots.txt", pdnPath;
    int games = 0, jobs = 1, quietLimit = 80;
    bool noTables = false;
    int depth = 0, level = -1; // not given
    int clockSpeed = 1;
    int moveTimeMs = 100;
};

int runMatchCommand(const MatchOptions& options)
{
    const std::vector<std::string>& names = options.names;
    const std::string &ballotsPath = options.ballotsPath, &pdnPath = options.pdnPath;
    std::string why;
    const int games = options.games, jobs = options.jobs, quietLimit = options.quietLimit;
    const bool tables = !options.noTables;
    // Every player not given its own limit plays with the common one.
    EngineLimits common;
    if (options.depth > 0) common.depth = options.depth;
    else if (options.level >= 0) common.level = levelByIndex(options.level);
    else common.moveTimeMs = options.moveTimeMs;
    std::optional<PlayerChoice> choices[2];
    for (int s = 0; s < 2; ++s)
        if (!(choices[s] = parsePlayer(names[s], why))) return error(why);
    if (choices[0]->name == choices[1]->name) choices[1]->name += "'";
    auto ballots = readBallots(ballotsPath, why);
    if (!ballots) return error(why);

    const auto keys = loadHashKeys(programDir() + "/hashkey33.dat", why);
    if (!keys) return error(why);
    EndgameKnowledge knowledge(programDir(), [](const std::string& m) {
        std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str());
    });
    SearchKnowledge none;
    if (tables) knowledge.loadTables(); // before the threads share it
    const SearchKnowledge& shared = tables ? static_cast<const SearchKnowledge&>(knowledge) : none;

    MatchSetup setup;
    setup.nameA = choices[0]->name;
    setup.nameB = choices[1]->name;
    setup.ballots = std::move(*ballots);
    setup.games = games;
    setup.jobs = jobs;
    setup.rules.quietPlyLimit = quietLimit;
    setup.rules.tableAdjudication = tables;
    setup.knowledge = &shared;
    PlayerFactory* factories[2] = { &setup.makeA, &setup.makeB };
    for (int s = 0; s < 2; ++s) {
        const PlayerChoice choice = *choices[s];
        EngineLimits limits = choice.limits.value_or(common);
        limits.clockSpeed = options.clockSpeed;
        if (!choice.command.empty()) {
            const double seconds = limits.moveTimeMs > 0 ? limits.moveTimeMs / 1000.0 : 0.1;
            *factories[s]
                = [choice, seconds] { return makeExternalPlayer(choice.command, seconds); };
        } else {
            const HashKeyTables* k = &*keys;
            *factories[s] = [k, &shared, choice, limits] {
                return makeEnginePlayer(*k, shared, choice.params, limits);
            };
        }
    }

    std::string pdn;
    bool pdnFailed = false; // the games were played but not all of them were saved
    const std::string event = "korvelan match " + setup.nameA + " - " + setup.nameB;
    const auto progress
        = [&](const MatchGameRecord& g, const MatchScore& soFar, int done, int total) {
              std::printf("game %d/%d round %d (%s white): %s %s, %d plies; %s +%d =%d -%d\n", done,
                          total, g.round, (g.aIsWhite ? setup.nameA : setup.nameB).c_str(),
                          outcomeWord(g).c_str(), g.result.reason.c_str(), g.result.plies,
                          setup.nameA.c_str(), soFar.wins, soFar.draws, soFar.losses);
              std::fflush(stdout);
              if (pdnPath.empty()) return;
              PdnGame p { event, g.aIsWhite ? setup.nameA : setup.nameB,
                          g.aIsWhite ? setup.nameB : setup.nameA, g.round, &g.result };
              pdn += pdnText(p);
              std::string problem;
              if (!writeTextFile(pdnPath, pdn, problem)) {
                  std::fprintf(stderr, "korvelan-cli: %s\n", problem.c_str());
                  pdnFailed = true;
              }
          };
    const std::vector<MatchGameRecord> played = runMatch(setup, progress);
    MatchScore total;
    for (const MatchGameRecord& g : played) total.add(g.forA());
    std::printf("%s\n", summaryLine(setup.nameA, setup.nameB, total).c_str());
    return pdnFailed ? 1 : 0;
}

CommandBody defineMatch(CLI::App& app)
{
    auto options = std::make_shared<MatchOptions>();
    app.add_option("PLAYERS", options->names,
                   "Player A and player B: 'engine', or comma-separated par=FILE.par, movetime=S, "
                   "depth=D, level=L, "
                   "name=NAME; or cmd=TEMPLATE, an outside engine (the rest of the text)")
        ->required()
        ->expected(2);
    app.add_option("--ballots", options->ballotsPath,
                   "The openings, one a line (default: the shipped ballots.txt)")
        ->type_name("FILE");
    addBoundedOption(app, "--games", options->games, 1, 1'000'000,
                     "Play this many games (default: each ballot twice, colours reversed)");
    addBoundedOption(app, "--jobs", options->jobs, 1, 64, "Play this many games at once");
    app.add_option("--pdn", options->pdnPath, "Write the games played to this PDN file")
        ->type_name("FILE");
    auto* time = addSecondsOption(app, "--movetime", options->moveTimeMs,
                                  "Each move's time (default 0.1)");
    auto* depth = addDepthOption(app, "--depth", options->depth, "Each move's depth instead")
                      ->excludes(time);
    addLevelOption(app, "--level", options->level, "Play at the game's level instead")
        ->excludes(time, depth);
    addBoundedOption(app, "--clock-speed", options->clockSpeed, 1, 1000,
                     "Run the levels' clocks this many times fast, dividing their budgets");
    addBoundedOption(app, "--quiet-limit", options->quietLimit, 0, 1000,
                     "Draw a game after this many plies without progress (0: never; default 80)");
    app.add_flag("--no-tables", options->noTables,
                 "Play and adjudicate without the endgame tables");
    return [options] { return runMatchCommand(*options); };
}

const CommandRegistration reg(
    { "match",
      "Engine games between two players from balanced openings: a line per game, the score last",
      defineMatch });
} // namespace

} // namespace kv::cli
