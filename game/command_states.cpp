#include "game/command_states.h"

namespace kv {

CommandStates commandStates(const CommandInputs& in)
{
    CommandStates c;
    if (in.match) {
        // A rated match allows neither take-backs nor clock tricks.
        c.fileMenu = c.playersMenu = c.parametersMenu = c.ponder = c.clocksToZero = c.stopSearch = false;
        c.editMenu = c.navigationButtons = c.stopByClick = false;
        c.levelMenu = in.gamePly <= 10;
    }
    if (in.thinking) {
        c.newGame = c.humanVsHuman = c.editMenu = c.playersMenu = c.parametersMenu = false;
        c.offerDraw = false;
        if (!in.computerVsComputer) c.fileMenu = false;
        c.busyCursor = true;
    }
    return c;
}

} // namespace kv
