// The search's score scale and the codes its transposition table stores.
// Scores are in search units (200 = a man) from the root side's view.
#pragma once

namespace kv {

// A side without a move has lost: the score of a won position before the
// plies it takes to reach it are subtracted, so a quicker win scores more.
inline constexpr int kWinScore = 32000;
// A score beyond this is a win found by the rules or the end tables, not by
// the evaluation: the search stops deepening and analysis stops there.
inline constexpr int kDecidedScore = 30000;
// Scores beyond this come from the end tables, a won end or the
// kings-versus-men rule: aspiration windows and learned scores leave them alone.
inline constexpr int kProvenScore = 31000;
// Kings against men that cannot hold: a win just above kProvenScore.
inline constexpr int kKingsVersusMenScore = 31001;

// Transposition-table entry types for root side s: the stored type is the
// base plus s (0 white, 1 black); 0 is an empty slot.
namespace EntryType {
inline constexpr int MaxExact = 1, MaxLower = 3, MaxUpper = 5, MaxDecided = 100;
inline constexpr int MinExact = 51, MinUpper = 53, MinLower = 55, MinDecided = 150;
constexpr bool isExact(int t) { return t == 1 || t == 2 || t == 51 || t == 52; }
} // namespace EntryType

} // namespace kv
