// ".par" files: whatever bytes they hold are the evaluation's parameters, so
// the evaluation and the search must stay within their tables for any of them.
#include "fuzz_target.h"
#include "search_probe.h"

#include "eval/parameters.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    static SearchContext ctx(HashKeyTables::generated());
    // The loader's rule: the bytes read replace the start of the image.
    ParameterSet set = defaultParameters();
    std::copy(data, data + std::min(size, set.bytes.size()), set.bytes.begin());
    ctx.setParameters(set);
    for (const auto fen : fuzz::kProbePositions) {
        const auto pos = parseFen(fen);
        ctx.evaluator().staticEvaluation(pos->board, pos->side);
        fuzz::searchBriefly(ctx, fen);
    }
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    const auto bytes = kv::defaultParameters().bytes;
    std::string image(bytes.begin(), bytes.end());
    return { image, image.substr(0, 300), std::string(1162, '\xFF'), std::string(1162, '\x80') };
}
