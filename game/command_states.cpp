#include "game/command_states.h"

namespace kv {

CommandStates commandStates(const CommandInputs& in)
{
    CommandStates c;
    if (in.match) {
        // A rated match allows neither take-backs nor clock tricks, nor
        // anything that would hand the player's side to someone else.
        c.fileMenu = c.playersMenu = c.parametersMenu = c.ponder = c.clocksToZero = c.stopSearch
            = false;
        c.editMenu = c.navigationButtons = c.stopByClick = c.clockPause = false;
        c.humanVsHuman = c.computerVsComputer = false;
        c.levelMenu = in.gamePly <= 10;
        c.analysisMenu = c.analyse = c.problems = false;
    }
    if (in.thinking) {
        c.newGame = c.humanVsHuman = c.editMenu = c.playersMenu = c.parametersMenu = false;
        c.offerDraw = false;
        if (!in.computerVsComputer) c.fileMenu = false;
        c.busyCursor = true;
        c.analyse = c.problems = false;
    }
    if (in.gameOver && !in.analysing) {
        // Nobody moves in a finished game: no draw, no resignation, no reply
        // from the other colour and no thinking to stop.
        c.offerDraw = c.resign = c.swapPlayers = c.stopSearch = false;
    }
    if (in.analysing) {
        // The walk owns the board and the record until it ends.
        c.newGame = c.humanVsHuman = c.editMenu = c.navigationButtons = c.playersMenu = false;
        c.offerDraw = c.ponder = c.analyse = c.problems = false;
        c.analysisRunning = true;
    }
    if (in.positionSetup) c.analyse = c.editMenu = c.navigationButtons = c.offerDraw = false;
    return c;
}

} // namespace kv
