#include "commands.h"

#include "files/game_file.h"
#include "rules/game_state.h"
#include "rules/geometry.h"

#include <cstdio>
#include <sstream>

namespace kv::cli {

namespace {

std::string sideName(SideToMove s) { return s == White ? "white" : "black"; }

// Prints what a game file holds; the last line is the current position.
int showGame(const std::string& path)
{
    GameFileError why;
    const std::optional<GameFile> file = ReadGameFile(path, why);
    if (!file) return error(path + ": " + why.detail);
    GameState game;
    loadGameFile(*file, game);
    std::printf("white      %s\n", game.whiteName.c_str());
    std::printf("black      %s\n", game.blackName.c_str());
    std::printf("computer   %s\n", sideName(game.enginePlaysBlack ? Black : White).c_str());
    std::printf("to move    %s\n", sideName(game.side).c_str());
    std::printf("game ply   %d\n", game.gamePly);
    std::printf("recorded   %d\n", game.recordedPlies);
    std::printf("level      %d\n", file->settings.levelIndex);
    for (const std::string& line : game.moveList.lines())
        if (!line.empty()) std::printf("%s\n", line.c_str());
    std::printf("%s\n", formatFen(Position { game.board, game.side }).c_str());
    return 0;
}

// "11-15" or "24x15" (leading zeros allowed) as user numbers and capture mark.
bool parseMoveToken(const std::string& t, int& from, int& to, bool& capture)
{
    const auto sep = t.find_first_of("-x");
    if (sep == std::string::npos) return false;
    capture = t[sep] == 'x';
    return intArgument(t.substr(0, sep), from) && intArgument(t.substr(sep + 1), to) && from >= 1 && from <= 32
        && to >= 1 && to <= 32;
}

// Plays one move of the list; an illegal or malformed move is an error.
bool playToken(GameState& game, const std::string& token)
{
    int from = 0, to = 0;
    bool capture = false;
    if (!parseMoveToken(token, from, to, capture)) return error("bad move '" + token + "'"), false;
    const int n = game.generateLegal();
    for (int i = 0; i < n; ++i) {
        const MoveRecord m = game.gen.list(1)[i];
        if (userNumber(m.from) != from || userNumber(m.to) != to || m.isCapture() != capture) continue;
        if (game.playMove(m, game.gen.captureCount()) != PlayResult::Played)
            return error("the record is full at '" + token + "'"), false;
        return true;
    }
    return error("illegal move '" + token + "' at ply " + std::to_string(game.gamePly + 1)), false;
}

int newGame(const Args& args)
{
    if (args.empty()) return error("usage: game new FILE --moves \"11-15 24-20 ...\" [--names W,B]");
    const std::string path = args[0];
    std::string moves, names;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--moves" && i + 1 < args.size()) moves = args[++i];
        else if (args[i] == "--names" && i + 1 < args.size()) names = args[++i];
        else return error("unknown argument '" + args[i] + "'");
    }
    GameState game;
    game.newGame();
    game.whiteName = "Inconnu";
    game.blackName = "Korvelan";
    if (!names.empty()) {
        const auto comma = names.find(',');
        if (comma == std::string::npos) return error("--names wants WHITE,BLACK");
        game.whiteName = names.substr(0, comma);
        game.blackName = names.substr(comma + 1);
    }
    game.storeRecordEntry(0);
    std::istringstream in(moves);
    for (std::string token; in >> token;)
        if (!playToken(game, token)) return kUsageError;

    GameFileError why;
    if (!WriteGameFile(path, gameFileOf(game, StoredSettings {}), why)) return error(why.detail);
    std::printf("%s\n", formatFen(Position { game.board, game.side }).c_str());
    return 0;
}

int runGame(const Args& args)
{
    if (args.size() == 1 && args[0] != "new") return showGame(args[0]);
    if (!args.empty() && args[0] == "new") return newGame(Args(args.begin() + 1, args.end()));
    return error("usage: game FILE | game new FILE --moves \"...\" [--names W,B]");
}

const CommandRegistration reg({ "game",
                                "FILE | new FILE --moves \"11-15 24-20\" [--names W,B]  show a game file "
                                "(last line: the current position) or write one from a move list",
                                runGame });
} // namespace

} // namespace kv::cli
