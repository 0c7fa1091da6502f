#include "commands.h"

#include <CLI/CLI.hpp>

#include "files/game_file.h"
#include "files/pdn_writer.h"
#include "files/text_export.h"
#include "rules/game_state.h"

#include <cstdio>
#include <memory>

namespace kv::cli {

namespace {

// A game file holds no result; a position in which the side to move has no
// move is one the other side has won.
GameResult outcomeOf(GameState& game)
{
    if (game.generateLegal() > 0) return GameResult::None;
    return winFor(game.side ^ 1);
}

int runExport(const std::vector<std::string>& args)
{
    GameFileError why;
    const std::optional<GameFile> file = ReadGameFile(args[0], why);
    if (!file) return error(args[0] + ": " + (why.detail.empty() ? "cannot be read" : why.detail));
    auto game = std::make_unique<GameState>();
    loadGameFile(*file, *game);
    const GameResult result = outcomeOf(*game);
    const std::string text = args[1] == "pdn" ? writePdn(*game, result) : exportText(*game, result);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

CommandBody defineExport(CLI::App& app)
{
    auto args = std::make_shared<std::vector<std::string>>(2);
    app.add_option("FILE", (*args)[0], "The game file (.dam)")->required();
    app.add_option("FORMAT", (*args)[1], "text or pdn")
        ->required()
        ->check(CLI::IsMember({ "text", "pdn" }));
    return [args] { return runExport(*args); };
}

const CommandRegistration
    reg({ "export", "The game of a game file as exported text or PDN on standard output",
          defineExport });

} // namespace

} // namespace kv::cli
