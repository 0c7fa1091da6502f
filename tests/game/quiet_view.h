// A view that shows nothing: for controller tests that only look at the game.
// `onEvents` runs where the window would process its events, so a test can
// send commands in the middle of a search.
#pragma once

#include "game/game_view.h"

#include <functional>

namespace kv::test {

class QuietView : public GameView {
public:
    void boardChanged() override { }
    void showPanel(GamePanel, bool) override { }
    void showEndMessage(const QString&) override { }
    void playSound(Sound) override { }
    void refreshStatus() override { }
    void refreshMoveList() override { }
    void showClock(int, const ClockText&) override { }
    void applyCommandStates(const CommandStates&) override { }
    bool clockTimerRunning() const override { return true; }
    void startClockTimer() override { }
    void processEvents() override
    {
        if (onEvents) onEvents();
    }
    void waitForEvents() override { }
    void quitApplication() override { }

    std::function<void()> onEvents;
};

} // namespace kv::test
