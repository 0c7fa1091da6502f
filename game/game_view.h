// What the game controller asks of the window. The controller owns the game
// and decides; the view shows the board picture, panels, clocks and messages,
// plays sounds and answers questions about its timer. Test doubles and the
// main window implement it.
#pragma once

#include "game/board_picture.h"
#include "game/clocks.h"
#include "game/command_states.h"

#include <QString>

namespace kv {

struct RatedResult;

enum class Sound { Move, Won, Lost };

enum class GamePanel {
    CaptureNotice,   // "Prise" "majoritaire" "obligatoire"
    HandicapApology, // the beginner handicap's apology
    DrawOffer,       // the computer offers a draw
    DrawRefused,     // the user's draw offer is refused
    GameEnd,         // the end-of-game message
    NewGame,         // the new-game pages
    CustomLevel,     // the minutes of the custom level
};

class GameView {
public:
    virtual ~GameView() = default;

    virtual void boardChanged() = 0; // repaint from the picture
    virtual void showPanel(GamePanel panel, bool shown) = 0;
    virtual void showEndMessage(const QString& text) = 0; // label qui_gagne
    virtual void playSound(Sound sound) = 0;
    virtual void refreshStatus() = 0;   // counters, names, captions, move count
    virtual void refreshMoveList() = 0; // the move list from the GameState's model
    virtual void showClock(int side, const ClockText& text) = 0;
    virtual void applyCommandStates(const CommandStates& states) = 0;
    virtual void clearStatistics() { } // the root moves and statistics before a search
    // A game has ended: the rated result of a match, to show and store, or
    // nullptr when the game was not rated.
    virtual void matchRated(const RatedResult* /*rated*/) { }
    virtual void analysisChanged() { } // the analysis walked a step, began or ended
    virtual void setupChanged() { }    // the position editor opened, closed or refused

    // Timer1, the one-second timer of the human's clock.
    virtual bool clockTimerRunning() const = 0;
    virtual void startClockTimer() = 0;
    // The clocks stand still until the user's first click starts the timer again.
    virtual void stopClockTimer() { }

    // Lets pending window events run (commands, clicks, repaints).
    virtual void processEvents() = 0;
    // Blocks until an event arrives (the loop has nothing to do).
    virtual void waitForEvents() = 0;
    // The loop has ended: leave the application with status 0.
    virtual void quitApplication() = 0;
};

} // namespace kv
