// The search's scores beyond the shared scale (eval/score_scale.h) and the
// codes its transposition table stores. The search's scores are from the
// root side's view.
#pragma once

#include "eval/score_scale.h"

namespace kv {

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
