// "hashkey33.dat": any 1320 bytes are keys. The transposition table and the
// learned positions index with them, so every key of every position must
// land inside a table of any size, and an entry stored must be found again.
#include "fuzz_target.h"

#include "engine/hash_keys.h"
#include "engine/transposition.h"
#include "rules/movegen.h"
#include "rules/notation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    if (size != kHashKeyFileSize) return 0; // the loader refuses any other size
    const HashKeyTables keys = hashKeysFromImage(data);
    static TranspositionTable small(1), usual(kDefaultSizeFactor);
    static MoveGenerator gen;
    static const Position start
        = *parseFen("W:W1,2,3,5,6,9,10,13,15,18,21:B12,14,17,19,20,22,24,25,27,28,31");
    const int n = gen.generateLegal(const_cast<Board&>(start.board), start.side);
    for (int i = 0; i < n; ++i) {
        Board b = start.board;
        applyMove(b, gen.list(1)[i]);
        const PositionKeys k = computeHashKeys(keys, b);
        for (TranspositionTable* tt : { &small, &usual }) {
            // A store into an empty slot is always found again.
            tt->slot(k.index) = {};
            if (!tt->store(k.index, k.check, 100, 2, EntryType::MaxExact, 1, 5, 0, 6, 20))
                std::abort();
            if (!tt->probe(k.index, k.check, 2, 0, 6)) std::abort();
        }
    }
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    const auto image = kv::hashKeyImage(kv::HashKeyTables::generated());
    return { std::string(image.begin(), image.end()), std::string(kv::kHashKeyFileSize, '\xFF'),
             std::string(kv::kHashKeyFileSize, '\0') };
}
