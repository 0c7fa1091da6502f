#include "transposition.h"

namespace kv {

// The type an entry has when the search for root side s stored it (own) or
// when the search for the other side did (other).
namespace {
constexpr int own(int base, int s) { return base + s; }
constexpr int other(int base, int s) { return base + 1 - s; }
} // namespace

TableUse useAtMaxNode(int t, int v, int s, int alpha, int beta)
{
    using namespace EntryType;
    TableUse u { false, 0, false, alpha, beta };
    const auto done = [&u](int score) { u.returns = true, u.score = score; };
    if (t == own(MaxDecided, s) || t == own(MaxExact, s)) {
        done(v);
    } else if (t == other(MinDecided, s) || t == other(MinExact, s)) {
        done(-v);
    } else if (t == own(MaxLower, s)) {
        if (v >= beta) done(v);
        else u.hashMove = true, u.alpha = v;
    } else if (t == other(MinUpper, s)) {
        if (-v >= beta) done(-v);
        else u.hashMove = true, u.alpha = -v;
    } else if (t == other(MinLower, s)) {
        if (-v <= alpha) done(-v);
        else u.hashMove = true, u.beta = -v;
    } else if (t == own(MaxUpper, s)) {
        if (v <= alpha) done(v);
        else u.hashMove = true, u.beta = v;
    }
    return u;
}

TableUse useAtMinNode(int t, int v, int s, int alpha, int beta)
{
    using namespace EntryType;
    TableUse u { false, 0, false, alpha, beta };
    const auto done = [&u](int score) { u.returns = true, u.score = score; };
    if (t == own(MinDecided, s) || t == own(MinExact, s)) {
        done(v);
    } else if (t == other(MaxDecided, s) || t == other(MaxExact, s)) {
        done(-v);
    } else if (t == own(MinUpper, s)) {
        if (v <= alpha) done(v);
        else u.hashMove = true, u.beta = v;
    } else if (t == other(MaxLower, s)) {
        if (-v <= alpha) done(-v);
        else u.hashMove = true, u.beta = -v;
    } else if (t == own(MinLower, s)) {
        if (v >= beta) done(v);
        else u.hashMove = true, u.alpha = v;
    } else if (t == other(MaxUpper, s)) {
        if (-v >= beta) done(-v);
        else u.hashMove = true, u.alpha = -v;
    }
    return u;
}

TranspositionTable::TranspositionTable(int sizeFactor) { resize(sizeFactor); }

void TranspositionTable::resize(int sizeFactor)
{
    sizeFactor_ = sizeFactor <= 0 ? kDefaultSizeFactor : sizeFactor;
    std::vector<TranspositionEntry>().swap(table_);
    table_.assign(static_cast<std::size_t>(sizeFactor_) * kEntriesPerSizeFactor,
                  TranspositionEntry {});
    divisor_ = table_.size();
    reciprocal_ = ~std::uint64_t(0) / divisor_ + 1;
}

void TranspositionTable::clear()
{
    for (auto& e : table_) e.type = 0;
}

const TranspositionEntry* TranspositionTable::find(std::uint32_t indexKey, std::uint32_t checkKey,
                                                   int ply, int gamePly) const
{
    const TranspositionEntry& e = slot(indexKey);
    if (e.type == 0 || e.check != checkKey) return nullptr;
    if (e.ply != static_cast<std::uint8_t>(ply + gamePly)) return nullptr;
    return &e;
}

const TranspositionEntry* TranspositionTable::probe(std::uint32_t indexKey, std::uint32_t checkKey,
                                                    int ply, int gamePly, int nodeHorizon) const
{
    const TranspositionEntry* e = find(indexKey, checkKey, ply, gamePly);
    return e && deepEnough(*e, gamePly, nodeHorizon) ? e : nullptr;
}

bool TranspositionTable::store(std::uint32_t indexKey, std::uint32_t checkKey, int score, int ply,
                               int type, Square from, Square to, int gamePly, int nodeHorizon,
                               int pieces)
{
    TranspositionEntry& e = slot(indexKey);
    const int horizon = gamePly + nodeHorizon;

    // Decides whether the slot's entry gives way. An empty slot always does,
    // and so does a bound or exact entry when a decided one arrives.
    const auto replaces = [&] {
        if (e.type == 0 || (type >= 100 && e.type < 100)) return true;
        if (type == e.type && ply + gamePly < e.ply) return true; // same kind, nearer the root
        if (e.type < 100) {
            if (horizon > e.horizon) return true;
            if (!EntryType::isExact(e.type)) {
                if (horizon >= e.horizon) return true;
                if (horizon >= e.horizon - 1 && EntryType::isExact(type)) return true;
            }
        }
        // Entries of a search much shallower or deeper are stale: overwrite.
        return !(e.horizon - 16 <= horizon && horizon <= e.horizon + 16);
    };
    if (!replaces()) return false;
    if (horizon >= 255 || pieces <= 3) return false;

    e.check = checkKey;
    e.score = static_cast<std::int16_t>(score);
    e.from = from;
    e.to = to;
    e.type = static_cast<std::uint8_t>(type);
    e.ply = static_cast<std::uint8_t>(ply + gamePly);
    e.horizon = static_cast<std::uint8_t>(horizon);
    return true;
}

} // namespace kv
