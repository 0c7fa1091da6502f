#include "game/clocks.h"

#include <chrono>
#include <cstdio>

namespace kv {

ClockText clockText(std::int64_t seconds)
{
    if (seconds < 0) seconds = 0;
    const std::int64_t m = seconds / 60, s = seconds % 60;
    char sec[8];
    std::snprintf(sec, sizeof sec, "%02d", static_cast<int>(s));
    return { std::to_string(m), sec };
}

GameClocks::GameClocks(TimeSource now)
    : now_(now ? std::move(now) : TimeSource([] {
          using namespace std::chrono;
          return static_cast<std::int64_t>(
              duration_cast<seconds>(steady_clock::now().time_since_epoch()).count());
      }))
{
    stampBoth();
}

void GameClocks::stampBoth()
{
    const std::int64_t t = now();
    turnStart_ = { t, t };
}

std::int64_t GameClocks::runningTotal(const GameState& g, int side) const
{
    const std::int64_t spent = now() - turnStart_[side & 1];
    return g.clock[side & 1] + (spent > 0 ? spent : 0);
}

void GameClocks::closeTurn(GameState& g, int side)
{
    g.clock[side & 1] = static_cast<std::int32_t>(runningTotal(g, side));
}

void GameClocks::reset(GameState& g)
{
    g.clock = { 0, 0 };
    stampBoth();
}

} // namespace kv
