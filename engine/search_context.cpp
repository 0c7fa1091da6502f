#include "search_context.h"

#include "searcher.h"

#include <chrono>

namespace kv {

static std::int64_t wholeSeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

SearchContext::SearchContext(const HashKeyTables& keys, const ParameterSet& params)
    : clock(wholeSeconds)
    , searcher_(std::make_unique<Searcher>(keys, params))
{
}

SearchContext::SearchContext(const HashKeyTables& keys, const SearchKnowledge& knowledge, const ParameterSet& params)
    : SearchContext(keys, params)
{
    setKnowledge(knowledge);
}

SearchContext::~SearchContext() = default;

void SearchContext::setKnowledge(const SearchKnowledge& k) { searcher_->knowledge = &k; }
const SearchKnowledge& SearchContext::knowledge() const { return *searcher_->knowledge; }
void SearchContext::setParameters(const ParameterSet& params) { searcher_->evaluator.setParameters(params); }
Evaluator& SearchContext::evaluator() { return searcher_->evaluator; }

void SearchContext::resizeTranspositionTable(int sizeFactor, int depthOffset)
{
    searcher_->tt.resize(sizeFactor);
    searcher_->depthOffset = depthOffset;
}

void SearchContext::clearTranspositionTable() { searcher_->tt.clear(); }
const TranspositionTable& SearchContext::transpositionTable() const { return searcher_->tt; }
int SearchContext::tableDepthOffset() const { return searcher_->depthOffset; }
const HashKeyTables& SearchContext::hashKeys() const { return searcher_->keys; }
PositionKeys SearchContext::keysOf(const Board& b) const { return computeHashKeys(searcher_->keys, b); }
int SearchContext::lastCompletedScore() const { return searcher_->lastCompletedScore; }
void SearchContext::setLastCompletedScore(int score) { searcher_->lastCompletedScore = score; }
std::uint32_t SearchContext::nodes() const { return searcher_->nodes; }
int SearchContext::iterationDepth() const { return searcher_->iterationDepth; }
std::vector<MoveRecord> SearchContext::principalVariation() const { return {}; }
const std::vector<std::string>& SearchContext::statisticsLines() const { return searcher_->statistics; }

Searcher::Searcher(const HashKeyTables& k, const ParameterSet& params)
    : keys(k)
    , evaluator(params)
{
}

} // namespace kv
