// Internal to the engine: the node search and the tables it works on.
#pragma once

#include "engine/search_context.h"

namespace kv {

class Searcher {
public:
    Searcher(const HashKeyTables& keys, const ParameterSet& params);
    HashKeyTables keys;
    TranspositionTable tt;
    int depthOffset = 0;
    Evaluator evaluator;
    SearchKnowledge noKnowledge;
    const SearchKnowledge* knowledge = &noKnowledge;
    int lastCompletedScore = 0;
    std::uint32_t nodes = 0;
    int iterationDepth = 0;
    std::vector<std::string> statistics;
};

} // namespace kv
