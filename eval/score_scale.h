// The score scale the evaluation, the end tables and the search share. Scores
// are in units of 1/200 of a man, from the view of the side they are for.
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

} // namespace kv
