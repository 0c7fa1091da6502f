#include "tune_samples.h"

#include "eval/evaluate.h"
#include "files/exchange.h"
#include "files/replay.h"
#include "rules/movegen.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace kv {

bool addGameSamples(SampleSet& set, const std::string& path, std::string& why, int skipPlies)
{
    const std::optional<ExchangeFile> file = readExchangeFile(path, why);
    if (!file) return false;
    if (file->cut) {
        // Reading the head alone would skew the samples without a word.
        why = "longer than a game file may be; split it into smaller files";
        return false;
    }
    const GameIndex games = listGames(*file);
    const int count = static_cast<int>(games.size());
    MoveGenerator gen;
    for (int i = 0; i < count; ++i) {
        const std::optional<ParsedGame> parsed = readGame(*file, games, i);
        if (!parsed || parsed->result == GameResult::None) continue;
        const float result = parsed->result == GameResult::WhiteWon ? 1.0f
            : parsed->result == GameResult::Draw                    ? 0.5f
                                                                    : 0.0f;
        GameState game;
        const ReplayReport report = replayGame(*parsed, game);
        if (report.refused || !report.skipped.empty())
            continue; // not a game of ours: its positions cannot be trusted
        std::vector<TuneSample>& into = set.games++ % 10 == 9 ? set.heldOut : set.training;
        Board b = parsed->setup ? parsed->setup->board : initialPosition().board;
        SideToMove side = parsed->setup ? parsed->setup->side : White;
        for (std::size_t ply = 0; ply < report.played.size(); ++ply) {
            Board scratch = b;
            gen.generateLegal(scratch, side);
            if (static_cast<int>(ply) >= skipPlies && gen.captureCount() == 0)
                into.push_back({ b, side, result });
            applyMove(b, report.played[ply]);
            side = static_cast<SideToMove>(side ^ 1);
        }
    }
    return true;
}

std::optional<SampleSet> readSampleSet(const std::vector<std::string>& paths, std::string& why)
{
    SampleSet set;
    for (const std::string& path : paths)
        if (!addGameSamples(set, path, why)) {
            why = path + ": " + why;
            return std::nullopt;
        }
    return set;
}

int whiteEvaluation(Evaluator& ev, const TuneSample& s)
{
    const PieceCounts c = PieceCounts::of(s.board);
    // The men table follows the variant found by the previous preparation, as
    // in play from one move to the next: prepare twice so that it is this
    // position's own.
    ev.preparePhase(s.board, c);
    ev.preparePhase(s.board, c);
    const EvalSums sums = ev.prepareSums(s.board, c, s.side);
    const int v = ev.evaluate(EvalNode { s.board, c, 1, 0, 0, sums }, s.side, -32000, 32000);
    return s.side == White ? v : -v;
}

namespace {
double expected(double scale, int eval)
{
    return 1.0 / (1.0 + std::pow(10.0, -scale * eval / 400.0));
}
} // namespace

double TuneObjective::error(const ParameterSet& params,
                            const std::vector<TuneSample>& samples) const
{
    if (samples.empty()) return 0;
    std::vector<double> sums(std::max(1u, std::thread::hardware_concurrency()), 0.0);
    onEveryCore(samples.size(), [&](std::size_t part, std::size_t parts) {
        Evaluator ev(params); // each part its own: evaluation prepares state
        for (std::size_t i = part; i < samples.size(); i += parts) {
            const double d = samples[i].result - expected(scale_, whiteEvaluation(ev, samples[i]));
            sums[part] += d * d;
        }
    });
    double sum = 0;
    for (double part : sums) sum += part;
    return sum / static_cast<double>(samples.size());
}

double bestScale(const std::function<double(double)>& error)
{
    double lo = 0.01, hi = 4.0;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 40; ++i) {
        const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (error(a) < error(b)) hi = b;
        else lo = a;
    }
    return (lo + hi) / 2;
}

void TuneObjective::fitScale(const ParameterSet& params)
{
    scale_ = bestScale([&](double scale) {
        scale_ = scale;
        return error(params, set_.training);
    });
}

namespace {
enum class ItemKind { Tempo, Threshold, TableSquare };
ItemKind kindOf(int offset)
{
    if (offset >= kTempoOffset && offset < kTempoOffset + 8) return ItemKind::Tempo;
    if (offset >= kThresholdOffset && offset < kThresholdOffset + 3) return ItemKind::Threshold;
    return ItemKind::TableSquare;
}
} // namespace

bool TunedItem::step(ParameterSet& p, int delta) const
{
    ParameterSet q = p;
    const int v = value(p) + delta;
    q.bytes[offset] = static_cast<std::uint8_t>(v);
    switch (kindOf(offset)) {
    case ItemKind::Tempo:
        if (v < -20 || v > 20) return false;
        break;
    case ItemKind::Threshold:
        // Opening above middle game above pre-endgame, all within the 24 men.
        if (!(q.threshold(0) <= 22 && q.threshold(0) > q.threshold(1)
              && q.threshold(1) > q.threshold(2) && q.threshold(2) >= 2))
            return false;
        break;
    case ItemKind::TableSquare:
        if (v < 0 || v > 120) return false;
        break;
    }
    p = q;
    return true;
}

int TunedItem::value(const ParameterSet& p) const
{
    switch (kindOf(offset)) {
    case ItemKind::Tempo: return static_cast<std::int8_t>(p.bytes[offset]);
    case ItemKind::Threshold: return p.threshold(offset - kThresholdOffset);
    case ItemKind::TableSquare: break;
    }
    return p.bytes[offset];
}

double distanceFrom(const ParameterSet& p, const ParameterSet& from,
                    const std::vector<TunedItem>& items)
{
    if (items.empty()) return 0;
    double sum = 0;
    for (const TunedItem& item : items) {
        const double d = item.value(p) - item.value(from);
        sum += d * d;
    }
    return sum / static_cast<double>(items.size());
}

std::vector<TunedItem> tunedItems()
{
    std::vector<TunedItem> items;
    for (int t = 0; t < kMenTables; ++t)
        for (int sq = 1; sq <= 28; ++sq) items.push_back({ t * kTableEntries + sq, 2 });
    for (int i = 0; i < 8; ++i) items.push_back({ kTempoOffset + i, 1 });
    for (int i = 0; i < 3; ++i) items.push_back({ kThresholdOffset + i, 1 });
    return items;
}

} // namespace kv
