// The text and PDN readers on the files of the corpus and on many damaged
// copies of them: every reader must come back with a sound game or nothing,
// never read outside its input (the test runs with address checks).
#include "files/exchange.h"
#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/replay.h"
#include "files/text_import.h"
#include "rules/record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

using namespace kv;

namespace {

std::vector<std::string> corpus()
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(KV_FUZZ_CORPUS)) {
        std::ifstream in(e.path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        out.push_back(s.str());
    }
    return out;
}

// Runs both readers over exactly `bytes`, from a buffer of that size.
void readAll(const std::string& bytes)
{
    const auto buffer = std::make_unique<char[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    const std::string_view view(buffer.get(), bytes.size());
    for (ExchangeFormat format : { ExchangeFormat::Text, ExchangeFormat::Pdn }) {
        const auto list = format == ExchangeFormat::Text ? listTextGames(view) : listPdnGames(view);
        const int count = static_cast<int>(std::min<std::size_t>(list.size(), 3));
        for (int i = 0; i < count; ++i) {
            EXPECT_LE(list[i].white.size(), static_cast<std::size_t>(kNameLength));
            auto parsed
                = format == ExchangeFormat::Text ? readTextGame(view, i) : readPdnGame(view, i);
            if (!parsed) continue;
            for (const WrittenMove& m : parsed->moves)
                for (Square s : m.squares) ASSERT_LE(s, 32);
            GameState g;
            const ReplayReport r = replayGame(*parsed, g);
            EXPECT_LE(r.played.size(), static_cast<std::size_t>(kLastPlyEntry));
            EXPECT_EQ(g.gamePly, r.played.size());
        }
    }
}

} // namespace

TEST(ReaderFuzz, CorpusAsItIs)
{
    const auto files = corpus();
    ASSERT_GE(files.size(), 4u);
    for (const std::string& f : files) readAll(f);
}

TEST(ReaderFuzz, DamagedCopies)
{
    const auto files = corpus();
    std::mt19937 rng(2026);
    const std::string alphabet = "[]{}();$%\"\\.-x 0123456789\r\n\tABCDEFGHK:W,*!?\x00\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string s = files[rng() % files.size()];
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const std::size_t at = rng() % s.size();
            switch (rng() % 5) {
            case 0: s[at] = alphabet[rng() % alphabet.size()]; break;
            case 1: s.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
            case 2: s.erase(at, 1 + rng() % 20); break;
            case 3: s.resize(at); break;
            default: s.insert(at, files[rng() % files.size()].substr(0, rng() % 200)); break;
            }
        }
        readAll(s);
    }
}

TEST(ReaderFuzz, RandomBytes)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        std::string s(rng() % 400, '\0');
        for (char& c : s) c = static_cast<char>(rng());
        readAll(s);
        readAll("[" + s);
    }
}
