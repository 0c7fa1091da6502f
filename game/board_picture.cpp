#include "game/board_picture.h"

#include "rules/geometry.h"

namespace kv {

Cell cellOf(Square s, bool inverted)
{
    const Square shown = inverted ? mirror(s) : s;
    return { columnOf(shown), rowOf(shown) };
}

Square squareOfCell(Cell c, bool inverted)
{
    if (c.column < 0 || c.column > 7 || c.row < 0 || c.row > 7) return 0;
    if ((c.column + c.row) % 2 != 0) return 0; // light squares
    // Columns are counted from the right in the row's square order.
    const int fromRight = 7 - c.column;
    const Square s = static_cast<Square>(fromRight / 2 + 4 * c.row + 1);
    return inverted ? mirror(s) : s;
}

} // namespace kv
