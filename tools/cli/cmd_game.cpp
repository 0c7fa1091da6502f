#include "commands.h"

#include <CLI/CLI.hpp>

#include "files/game_file.h"
#include "io/text_encoding.h"
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
    std::printf("white      %s\n", escapeControls(game.whiteName).c_str());
    std::printf("black      %s\n", escapeControls(game.blackName).c_str());
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
    return intArgument(t.substr(0, sep), from) && intArgument(t.substr(sep + 1), to) && from >= 1
        && from <= 32 && to >= 1 && to <= 32;
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
        if (userNumber(m.from) != from || userNumber(m.to) != to || m.isCapture() != capture)
            continue;
        if (game.playMove(m, game.gen.captureCount()) != PlayResult::Played)
            return error("the record is full at '" + token + "'"), false;
        return true;
    }
    return error("illegal move '" + token + "' at ply " + std::to_string(game.gamePly + 1)), false;
}

struct NewGameOptions {
    std::string path, moves, names;
};

int newGame(const NewGameOptions& options)
{
    const std::string &path = options.path, &moves = options.moves, &names = options.names;
    GameState game;
    game.newGame();
    game.whiteName = "Inconnu";
    game.blackName = "Korvelan";
    if (!names.empty()) {
        const auto comma = names.find(',');
        if (comma == std::string::npos) return error("--names wants WHITE,BLACK");
        game.whiteName = cleanName(names.substr(0, comma), kNameLength);
        game.blackName = cleanName(names.substr(comma + 1), kNameLength);
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

CommandBody defineGame(CLI::App& app)
{
    auto shown = std::make_shared<std::string>();
    auto created = std::make_shared<NewGameOptions>();
    app.add_option("FILE", *shown, "The game file to show");
    CLI::App* make = app.add_subcommand(
        "new", "Write a game file from a move list; prints the position reached");
    make->add_option("FILE", created->path, "The game file to write")->required();
    make->add_option("--moves", created->moves, "The moves from the start, \"11-15 24-20 ...\"");
    make->add_option("--names", created->names,
                     "The players' names, WHITE,BLACK (default Inconnu,Korvelan)");
    app.require_subcommand(0, 1);
    return [shown, created, make] {
        if (make->parsed()) return newGame(*created);
        if (shown->empty()) return error("game: FILE or new is required");
        return showGame(*shown);
    };
}

const CommandRegistration
    reg({ "game",
          "Show a game file (names, plies, level, moves; last line: the current position), or "
          "write one with 'game new'",
          defineGame });
} // namespace

} // namespace kv::cli
