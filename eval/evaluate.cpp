// Placeholder evaluation: material only. Replaced by the full evaluation.
#include "evaluate.h"

namespace kv {

ParameterSet defaultParameters() { return {}; }

Evaluator::Evaluator(const ParameterSet& params) : params_(params) { }

void Evaluator::setParameters(const ParameterSet& params) { params_ = params; }

void Evaluator::preparePhase(const Board&, const PieceCounts&) { }

EvalSums Evaluator::prepareSums(const Board& b, const PieceCounts&, SideToMove e) { return computeSums(b, e); }

EvalSums Evaluator::computeSums(const Board&, SideToMove) const { return {}; }

void Evaluator::updateSums(EvalSums&, const Board&, const MoveRecord&, SideToMove) const { }

int Evaluator::evaluate(const EvalNode& node, SideToMove e, int, int) const
{
    const PieceCounts& c = node.counts;
    const int white = 200 * c[WhiteMan] + 600 * c[WhiteKing];
    const int black = 200 * c[BlackMan] + 600 * c[BlackKing];
    return e == White ? white - black : black - white;
}

int Evaluator::staticEvaluation(const Board& b, SideToMove e)
{
    const PieceCounts c = PieceCounts::of(b);
    const EvalSums s = prepareSums(b, c, e);
    return evaluate(EvalNode { b, c, 2, 0, 0, s }, e, -32000, 32000);
}

} // namespace kv
