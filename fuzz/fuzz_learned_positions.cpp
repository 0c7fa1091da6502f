// "damas.dat": any stored score may come back from a lookup, so the search
// must take any of them. The input is laid over the slots the probe
// positions use, the rest of the table is empty.
#include "fuzz_target.h"
#include "search_probe.h"

#include "engine/endgame_knowledge.h"

#include "rules/movegen.h"
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    static std::vector<unsigned char> image(LearnedPositions::kFileBytes);
    static SearchContext ctx(HashKeyTables::generated());
    static std::vector<std::uint32_t> touched;
    for (const std::uint32_t slot : touched)
        std::fill_n(image.begin() + slot * LearnedPositions::kEntryBytes,
                    LearnedPositions::kEntryBytes, 0);
    touched.clear();
    // Each 8-byte input record goes to the slot of a position the search will
    // meet: the keys of the probe positions after one or two moves.
    static const std::vector<PositionKeys> keys = [] {
        std::vector<PositionKeys> k;
        MoveGenerator gen;
        for (const auto fen : fuzz::kProbePositions) {
            auto pos = *parseFen(fen);
            const int n = gen.generateLegal(pos.board, pos.side);
            for (int i = 0; i < n; ++i) {
                Board b = pos.board;
                applyMove(b, gen.list(1)[i]);
                k.push_back(ctx.keysOf(b));
            }
        }
        return k;
    }();
    for (std::size_t r = 0; r + 8 <= size && r / 8 < keys.size(); r += 8) {
        const PositionKeys& k = keys[r / 8];
        const std::uint32_t slot = LearnedPositions::slotOf(k.index + (data[r] & 1));
        touched.push_back(slot);
        std::copy(data + r, data + r + 8, image.begin() + slot * LearnedPositions::kEntryBytes);
        // Half the time the record's check key matches, so the score is used.
        if (data[r] & 2)
            for (int i = 0; i < 4; ++i)
                image[slot * LearnedPositions::kEntryBytes + i]
                    = static_cast<unsigned char>(k.check >> (8 * i));
    }
    static EndgameKnowledge knowledge("/nonexistent");
    knowledge.learnedPositions().loadImage(image.data());
    ctx.setKnowledge(knowledge);
    ctx.clearTranspositionTable();
    const auto fen = fuzz::kProbePositions[size ? data[0] % fuzz::kProbePositions.size() : 0];
    fuzz::searchBriefly(ctx, fen, 3);
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    std::string scores;
    for (int i = 0; i < 40; ++i) {
        const int v = (i * 7919) % 65536 - 32768;
        scores += std::string("\x03\0\0\0", 4) + static_cast<char>(v & 0xFF)
            + static_cast<char>(v >> 8) + std::string(2, '\0');
    }
    return { scores, std::string(320, '\xFF'), std::string(320, '\x02') };
}
