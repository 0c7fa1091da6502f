#include "commands.h"

#include "engine/endgame_knowledge.h"
#include "engine/levels.h"
#include "matches/match_runner.h"
#include "matches/pdn.h"

#include <cstdio>

namespace kv::cli {

namespace {

const char* kUsage = "usage: match A B [--ballots FILE] [--games N] [--jobs J] [--pdn FILE] "
                     "[--movetime S | --depth D | --level L] [--quiet-limit N] [--no-tables]";

// A player: "engine", or comma-separated items par=FILE, movetime=S,
// depth=D, level=L, name=NAME; "cmd=TEMPLATE" takes the rest of the text.
struct PlayerChoice {
    std::string name;
    std::string parFile;
    std::string command;
    std::optional<EngineLimits> limits;
    ParameterSet params = defaultParameters();
};

bool parseLimit(const std::string& key, const std::string& value, EngineLimits& limits, std::string& why)
{
    int n = 0;
    limits = {};
    if (key == "movetime") {
        std::int64_t ms = 0;
        if (!secondsArgument(value, ms) || ms < 1 || ms > 86400000) return why = "movetime must be 0.001 to 86400 seconds", false;
        limits.moveTimeMs = static_cast<int>(ms);
    } else if (key == "depth") {
        if (!intArgument(value, n) || n < 1 || n > 30) return why = "depth must be 1..30", false;
        limits.depth = n;
    } else if (key == "level") {
        if (!intArgument(value, n) || !levelByIndex(n)) return why = "level must be 0..8 or 11..17", false;
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
        if (eq == std::string::npos) return why = "bad player item '" + item + "' in " + text, std::nullopt;
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

int runMatchCommand(const Args& args)
{
    std::vector<std::string> names;
    std::string ballotsPath = programDir() + "/ballots.txt", pdnPath, why;
    int games = 0, jobs = 1, quietLimit = 80;
    bool tables = true;
    EngineLimits common;
    common.moveTimeMs = 100;
    int limitsGiven = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--no-tables") {
            tables = false;
        } else if (a.rfind("--", 0) != 0) {
            names.push_back(a);
        } else if (!hasValue) {
            return error(kUsage);
        } else if (a == "--ballots") {
            ballotsPath = args[++i];
        } else if (a == "--pdn") {
            pdnPath = args[++i];
        } else if (a == "--games") {
            if (!intArgument(args[++i], games) || games < 1) return error("games must be at least 1");
        } else if (a == "--jobs") {
            if (!intArgument(args[++i], jobs) || jobs < 1 || jobs > 64) return error("jobs must be 1..64");
        } else if (a == "--quiet-limit") {
            if (!intArgument(args[++i], quietLimit)) return error("quiet-limit must be a whole number of plies");
        } else if (a == "--movetime" || a == "--depth" || a == "--level") {
            ++limitsGiven;
            if (!parseLimit(a.substr(2), args[++i], common, why)) return error(why);
        } else {
            return error(kUsage);
        }
    }
    if (names.size() != 2 || limitsGiven > 1) return error(kUsage);
    std::optional<PlayerChoice> choices[2];
    for (int s = 0; s < 2; ++s)
        if (!(choices[s] = parsePlayer(names[s], why))) return error(why);
    if (choices[0]->name == choices[1]->name) choices[1]->name += "'";
    auto ballots = readBallots(ballotsPath, why);
    if (!ballots) return error(why);

    const auto keys = loadHashKeys(programDir() + "/hashkey33.dat", why);
    if (!keys) return error(why);
    EndgameKnowledge knowledge(programDir(), [](const std::string& m) { std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str()); });
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
        const EngineLimits limits = choice.limits.value_or(common);
        if (!choice.command.empty()) {
            const double seconds = limits.moveTimeMs > 0 ? limits.moveTimeMs / 1000.0 : 0.1;
            *factories[s] = [choice, seconds] { return makeExternalPlayer(choice.command, seconds); };
        } else {
            const HashKeyTables* k = &*keys;
            *factories[s] = [k, &shared, choice, limits] { return makeEnginePlayer(*k, shared, choice.params, limits); };
        }
    }

    std::string pdn;
    bool pdnFailed = false; // the games were played but not all of them were saved
    const std::string event = "korvelan match " + setup.nameA + " - " + setup.nameB;
    const auto progress = [&](const MatchGameRecord& g, const MatchScore& soFar, int done, int total) {
        std::printf("game %d/%d round %d (%s white): %s %s, %d plies; %s +%d =%d -%d\n", done, total, g.round,
                    (g.aIsWhite ? setup.nameA : setup.nameB).c_str(), outcomeWord(g).c_str(), g.result.reason.c_str(),
                    g.result.plies, setup.nameA.c_str(), soFar.wins, soFar.draws, soFar.losses);
        std::fflush(stdout);
        if (pdnPath.empty()) return;
        PdnGame p { event, g.aIsWhite ? setup.nameA : setup.nameB, g.aIsWhite ? setup.nameB : setup.nameA, g.round,
                    &g.result };
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

const CommandRegistration reg({ "match",
                                "A B [--ballots F] [--games N] [--jobs J] [--pdn F] [--movetime S|--depth D|--level L]  "
                                "engine games; A, B: engine or par=F,movetime=S,depth=D,level=L,name=N or cmd=TEMPLATE",
                                runMatchCommand });
} // namespace

} // namespace kv::cli
