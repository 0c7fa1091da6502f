#include "pattern_fit.h"

#include "engine/search_context.h"
#include "engine/search_driver.h"
#include "eval/evaluate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace kv {

std::vector<PatternExample> patternExamples(const std::vector<TuneSample>& samples,
                                            const ParameterSet& params)
{
    Evaluator ev(params);
    ev.usePatterns(false); // the values are fitted to what the rest leaves
    std::vector<PatternExample> out;
    out.reserve(samples.size());
    for (const TuneSample& s : samples) {
        const PieceCounts c = PieceCounts::of(s.board);
        const knowledge::BothViews views(s.board, c);
        const int men = std::min(c[WhiteMan] + c[BlackMan], kPatternFullBoard);
        out.push_back({ patternEntries(views), static_cast<float>(men) / kPatternFullBoard,
                        static_cast<float>(whiteEvaluation(ev, s)), s.result, s.result });
    }
    return out;
}

namespace {

double expectedScore(double k, double eval) { return 1.0 / (1.0 + std::exp(-k * eval)); }

// The slope per evaluation unit of 1 / (1 + 10^(-scale x eval / 400)).
double slopeOf(double scale) { return scale * std::log(10.0) / 400.0; }

} // namespace

void blendSearchScores(std::vector<PatternExample>& examples,
                       const std::vector<TuneSample>& samples, double scale, int depth,
                       double share)
{
    const HashKeyTables keys = HashKeyTables::generated();
    const double k = slopeOf(scale);
    onEveryCore(examples.size(), [&](std::size_t part, std::size_t parts) {
        SearchContext ctx(keys);
        ctx.evaluator().usePatterns(false);
        ctx.settings.bookEnabled = false;
        ctx.settings.levelTime = 32000;
        ctx.settings.fixedDepth = depth;
        for (std::size_t i = part; i < examples.size(); i += parts) {
            SearchRequest req;
            req.board = samples[i].board;
            req.side = samples[i].side;
            const SearchResult r = searchDriver(ctx, req);
            if (r.outcome != SearchOutcome::Searched) continue; // forced or over: keep the result
            const int white = samples[i].side == White ? r.score : -r.score;
            examples[i].target = static_cast<float>(share * examples[i].result
                                                    + (1 - share) * expectedScore(k, white));
        }
    });
}

PatternFit::PatternFit(const std::vector<PatternExample>& training, double scale, double l2,
                       const PatternTable& prior)
    : training_(training), k_(slopeOf(scale)), l2_(l2), w_(2 * kPatternEntries), m_(w_.size()),
      v_(w_.size())
{
    for (int e = 0; e < kPatternEntries; ++e) {
        w_[2 * e] = prior[e].full;
        w_[2 * e + 1] = prior[e].empty;
    }
    prior_ = w_;
}

double PatternFit::value(const PatternExample& x) const
{
    double full = 0, empty = 0;
    for (int b = 0; b < kPatternBlocks; ++b) {
        full += w_[2 * x.entries.white[b]] - w_[2 * x.entries.black[b]];
        empty += w_[2 * x.entries.white[b] + 1] - w_[2 * x.entries.black[b] + 1];
    }
    return x.base + x.fullShare * full + (1 - x.fullShare) * empty;
}

void PatternFit::step(double rate)
{
    // The gradient of the mean cross-entropy, gathered per core.
    std::vector<std::vector<double>> grads(std::max(1u, std::thread::hardware_concurrency()));
    const double n = static_cast<double>(training_.size());
    onEveryCore(training_.size(), [&](std::size_t part, std::size_t parts) {
        std::vector<double>& g = grads[part];
        g.assign(w_.size(), 0.0);
        for (std::size_t i = part; i < training_.size(); i += parts) {
            const PatternExample& x = training_[i];
            const double d = (expectedScore(k_, value(x)) - x.target) * k_ / n;
            const double full = d * x.fullShare, empty = d * (1 - x.fullShare);
            for (int b = 0; b < kPatternBlocks; ++b) {
                g[2 * x.entries.white[b]] += full;
                g[2 * x.entries.white[b] + 1] += empty;
                g[2 * x.entries.black[b]] -= full;
                g[2 * x.entries.black[b] + 1] -= empty;
            }
        }
    });
    // Adam, with the L2 pull added to the gradient.
    constexpr double beta1 = 0.9, beta2 = 0.999, eps = 1e-12;
    ++steps_;
    const double c1 = 1 - std::pow(beta1, steps_), c2 = 1 - std::pow(beta2, steps_);
    for (std::size_t j = 0; j < w_.size(); ++j) {
        double g = 2 * l2_ * (w_[j] - prior_[j]);
        for (const std::vector<double>& part : grads)
            if (!part.empty()) g += part[j];
        m_[j] = beta1 * m_[j] + (1 - beta1) * g;
        v_[j] = beta2 * v_[j] + (1 - beta2) * g * g;
        w_[j] -= rate * (m_[j] / c1) / (std::sqrt(v_[j] / c2) + eps);
    }
}

double PatternFit::error(const std::vector<PatternExample>& examples) const
{
    std::vector<double> sums(std::max(1u, std::thread::hardware_concurrency()), 0.0);
    onEveryCore(examples.size(), [&](std::size_t part, std::size_t parts) {
        for (std::size_t i = part; i < examples.size(); i += parts) {
            const double d = examples[i].result - expectedScore(k_, value(examples[i]));
            sums[part] += d * d;
        }
    });
    double sum = 0;
    for (double s : sums) sum += s;
    return examples.empty() ? 0 : sum / static_cast<double>(examples.size());
}

PatternTable PatternFit::table() const
{
    const auto rounded = [](double v) {
        return static_cast<std::int16_t>(std::clamp(std::lround(v), -1000L, 1000L));
    };
    PatternTable t {};
    for (int e = 0; e < kPatternEntries; ++e) t[e] = { rounded(w_[2 * e]), rounded(w_[2 * e + 1]) };
    return t;
}

double fitPatternScale(const std::vector<PatternExample>& examples)
{
    const auto errorAt = [&](double scale) {
        const double k = slopeOf(scale);
        double sum = 0;
        for (const PatternExample& x : examples) {
            const double d = x.result - expectedScore(k, x.base);
            sum += d * d;
        }
        return sum;
    };
    return bestScale(errorAt);
}

std::string patternSource(const PatternTable& t)
{
    std::string out, line;
    int previous = 0;
    for (int e = 0; e < kPatternEntries; ++e) {
        if (t[e] == PatternWeight {}) continue;
        line += std::to_string(e - previous) + ',' + std::to_string(t[e].full) + ','
            + std::to_string(t[e].empty) + ',';
        previous = e;
        if (line.size() > 90) out += line + '\n', line.clear();
    }
    return line.empty() ? out : out + line + '\n';
}

} // namespace kv
