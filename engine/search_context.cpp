#include "search_context.h"

#include "searcher.h"

#include "rules/movegen.h"

#include <chrono>
#include <random>

namespace kv {

static std::int64_t monotonicMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

SearchContext::SearchContext(const HashKeyTables& keys, const ParameterSet& params)
    : clockMs(monotonicMilliseconds), searcher_(std::make_unique<Searcher>(keys, params))
{
}

SearchContext::SearchContext(const HashKeyTables& keys, const SearchKnowledge& knowledge,
                             const ParameterSet& params)
    : SearchContext(keys, params)
{
    setKnowledge(knowledge);
}

SearchContext::~SearchContext() = default;

void SearchContext::setKnowledge(const SearchKnowledge& k) { searcher_->knowledge = &k; }
const SearchKnowledge& SearchContext::knowledge() const { return *searcher_->knowledge; }
void SearchContext::setParameters(const ParameterSet& params)
{
    searcher_->evaluator.setParameters(params);
}
Evaluator& SearchContext::evaluator() { return searcher_->evaluator; }

void SearchContext::resizeTranspositionTable(int sizeFactor, int depthOffset)
{
    Searcher& s = *searcher_;
    s.tt.resize(sizeFactor);
    s.depthOffset = depthOffset;
    // New index keys below the number of entries; the check keys keep the
    // file's values.
    std::uniform_int_distribution<std::uint32_t> draw(
        0, static_cast<std::uint32_t>(s.tt.entries() - 1));
    for (int code = WhiteMan; code <= BlackKing; ++code)
        for (int sq = 0; sq <= kSquares; ++sq)
            s.keys.index[hashKeySlot(static_cast<std::uint8_t>(code), static_cast<Square>(sq))]
                = draw(s.rng);
}

void SearchContext::clearTranspositionTable() { searcher_->tt.clear(); }
const TranspositionTable& SearchContext::transpositionTable() const { return searcher_->tt; }
int SearchContext::tableDepthOffset() const { return searcher_->depthOffset; }
void SearchContext::setTableDepthOffset(int depthOffset) { searcher_->depthOffset = depthOffset; }
const HashKeyTables& SearchContext::hashKeys() const { return searcher_->keys; }
HashKeyTables SearchContext::learnedKeys() const
{
    return { searcher_->learnedIndex, searcher_->keys.check };
}
PositionKeys SearchContext::keysOf(const Board& b) const
{
    return computeHashKeys(searcher_->keys, b);
}
int SearchContext::lastCompletedScore() const { return searcher_->lastCompletedScore; }
void SearchContext::setLastCompletedScore(int score) { searcher_->lastCompletedScore = score; }
std::uint32_t SearchContext::nodes() const { return searcher_->nodes; }
int SearchContext::iterationDepth() const { return searcher_->iterationDepth; }
std::vector<MoveRecord> SearchContext::principalVariation() const
{
    std::vector<MoveRecord> line;
    for (int j = 1; j < 33 && searcher_->pv[1][j].from != 0; ++j)
        line.push_back(searcher_->pv[1][j]);
    return line;
}
std::vector<MoveRecord> SearchContext::rootMoves() const
{
    const MoveList& list = searcher_->gen.list(1);
    return { list.begin(), list.end() };
}

const SearchInfo* SearchContext::lastSearchInfo() const
{
    return searcher_->infoReported ? &searcher_->info : nullptr;
}

} // namespace kv
