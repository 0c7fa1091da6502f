// The two game clocks: seconds used by each side, the start of the current
// turn and the running total shown once a second. The used seconds live in the
// GameState (they travel with every record entry); this class keeps the rest
// and does the arithmetic. The time source is injected so tests can set it.
#pragma once

#include "rules/game_state.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kv {

struct ClockText {
    std::string minutes; // "1"
    std::string seconds; // "05": always two digits
};

// 65 seconds show as "1" and "05"; negative values are shown as 0.
ClockText clockText(std::int64_t seconds);

class GameClocks {
public:
    using TimeSource = std::function<std::int64_t()>; // whole seconds

    explicit GameClocks(TimeSource now = {});

    std::int64_t now() const { return now_(); }
    // Replaces the time source (tests); the turn starts keep their readings.
    void setTimeSource(TimeSource now) { now_ = std::move(now); }

    // Both sides start their turn now (new game, navigation, timer start).
    void stampBoth();
    void stamp(int side) { turnStart_[side & 1] = now(); }

    // used + (now - turn start): what the side to move has spent so far.
    std::int64_t runningTotal(const GameState& g, int side) const;

    // The side that has just moved keeps its running total as used seconds.
    void closeTurn(GameState& g, int side);

    // "Horloges à zéro": nothing used, both turns start now.
    void reset(GameState& g);

    std::int64_t turnStart(int side) const { return turnStart_[side & 1]; }

private:
    TimeSource now_;
    std::array<std::int64_t, 2> turnStart_ {};
};

} // namespace kv
