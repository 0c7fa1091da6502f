// "hashkey33.dat": any 1320 bytes are keys; the table and the learned
// positions index with them, so every key must stay inside its table.
#include "fuzz_target.h"
#include "search_probe.h"

#include "engine/hash_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    if (size != kHashKeyFileSize) return 0; // the loader refuses any other size
    SearchContext ctx(hashKeysFromImage(data));
    fuzz::searchBriefly(ctx, fuzz::kProbePositions[1], 3);
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    const auto image = kv::hashKeyImage(kv::HashKeyTables::generated());
    return { std::string(image.begin(), image.end()), std::string(kv::kHashKeyFileSize, '\xFF'),
             std::string(kv::kHashKeyFileSize, '\0') };
}
