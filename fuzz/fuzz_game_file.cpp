// Game files, problem files and the state file: a 22442-byte image that is
// checked whole before a game is loaded from it.
#include "fuzz_target.h"

#include "files/game_file.h"
#include "rules/game_state.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    // Short inputs are laid over a sound image so that the fuzzer reaches the
    // field checks, not only the size check.
    static const GameFileImage sound = gameFileImage(gameFileOf(GameState {}, StoredSettings {}));
    GameFileImage image = sound;
    const bool whole = size == kGameFileSize;
    for (std::size_t i = 0; i < size && i < image.size(); ++i)
        image[(i * 89) % image.size()] = data[i];
    GameFileError error;
    auto file = whole ? parseGameFile(data, size, error)
                      : parseGameFile(image.data(), image.size(), error);
    if (!file) {
        if (error.problem == GameFileProblem::None) std::abort(); // a refusal always says why
        return 0;
    }
    GameState game;
    loadGameFile(*file, game);
    // What was accepted is written back to an image that reads the same.
    const GameFileImage again = gameFileImage(gameFileOf(game, file->settings));
    if (!parseGameFile(again.data(), again.size(), error)) std::abort();
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    using namespace kv;
    GameState game;
    const GameFileImage empty = gameFileImage(gameFileOf(game, StoredSettings {}));
    return { std::string(empty.begin(), empty.end()), std::string(64, '\0'),
             std::string(300, '\xFF') };
}
