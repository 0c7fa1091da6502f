// What the board shows: the content drawn on each square, its marker, and the
// view flags. The controller changes it step by step (a blinking piece, the
// jumps of a long capture) and asks the view to repaint; the view draws only
// from here. Squares are internal squares 1..32.
#pragma once

#include "rules/board.h"

#include <array>
#include <cstdint>

namespace kv {

// Marker colours of the last move and of move input.
enum class MarkColour : std::uint8_t {
    None,
    Red,     // the piece picked up
    Blue,    // where capture paths split
    Fuchsia, // a destination that names one move
    Cyan,    // the computer's destination
    Silver,  // the computer's origin
};

struct BoardPicture {
    std::array<std::uint8_t, 33> content {};
    std::array<MarkColour, 33> marker {};
    bool inverted = false;  // turned half a circle
    bool numbering = false; // square labels shown
    bool blind = false;     // pieces not drawn
    // The engine's advice for the user ("Conseil"): an arrow, 0 when none.
    Square hintFrom = 0, hintTo = 0;

    // Drawing a square paints over its marker, as a fresh square image does.
    void draw(Square s, std::uint8_t c)
    {
        content[s] = c;
        marker[s] = MarkColour::None;
    }
    void showBoard(const Board& b)
    {
        for (int s = 1; s <= 32; ++s) draw(static_cast<Square>(s), b[s]);
    }
    // Redraws every empty square, which removes the markers on them.
    void clearEmptyMarkers()
    {
        for (int s = 1; s <= 32; ++s)
            if (content[s] == Empty) marker[s] = MarkColour::None;
    }
    void clearMarkers() { marker = {}; }
};

// Display cell (column from the left, row from the top, 0..7) of an internal
// square, and back; the turned board mirrors the square number.
struct Cell {
    int column = -1, row = -1;
};
Cell cellOf(Square s, bool inverted);
Square squareOfCell(Cell c, bool inverted); // 0 for a light square or outside

} // namespace kv
