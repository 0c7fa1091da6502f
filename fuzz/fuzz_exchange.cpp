// Games read as plain text or PDN: the list of games, then each game read
// and replayed against the rules, whatever the file holds.
#include "fuzz_target.h"

#include "files/exchange.h"
#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/replay.h"
#include "files/text_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool pdn = detectFormat(text) == ExchangeFormat::Pdn;
    const auto games = pdn ? listPdnGames(text) : listTextGames(text);
    for (int i = 0; i < static_cast<int>(games.size()) && i < 4; ++i) {
        const auto parsed = pdn ? readPdnGame(text, i) : readTextGame(text, i);
        if (!parsed) continue;
        GameState game;
        const ReplayReport report = replayGame(*parsed, game);
        if (pdn && !report.refused) writePdn(game, parsed->result);
    }
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    return {
        "[Event \"Club\"]\n[White \"Anne\"]\n[Black \"Marc\"]\n[Result \"2-0\"]\n[GameType "
        "\"28,W,8,8,N1,1\"]\n"
        "1. 22-18 11-15 {a comment} 2. 18x11 8x15 (2... 7x16 3. 21-17) 3. 24-20 * \n",
        "[FEN \"W:W21,22,K30:B9,10,K3\"]\n1. 30-26 3-7 2. 21-17 0-2\n\n[White \"X\"]\n1. 9-13 *\n",
        "Anne - Marc  2\r\n 1. 9-13 22-18\r\n 2. 13x22 25x18 3. 11-15 18x11 4. 8x15\r\n",
        "Korvelan144\r\n 1: 12-16 21-17   2: 16-19 24-20\r\n",
        "1. c3-d4 f6-e5 2. d4xf6 g7xe5 3. b2-c3 ... 1-1\r\n",
        "1. 9x18x27 22-18 2. 5-9 ... 0-2\r\n",
    };
}
