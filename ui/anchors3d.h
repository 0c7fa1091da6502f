// Where each square of the 3D board pictures sits. The pictures are 785 x 521
// pixels; the image of a square's content is drawn with its top-left corner at
// the square's anchor, and a click inside the 60-pixel box from the anchor
// selects the square. Positions are display positions 1..32 (the turned board
// draws internal square s at position 33 - s), rows of four from the far side.
// Standard library only: the renderer of the pictures and the window share it.
#pragma once

#include <array>

namespace kv::view3d {

constexpr int kPictureWidth = 785;
constexpr int kPictureHeight = 521;
constexpr int kClickBox = 60; // side of the box from an anchor that selects its square
// Where the centre of a square lies in its anchor's box: the pictures' camera
// is fitted to these points, and the window draws the squares' outlines from them.
constexpr double kSquareCentreX = 30;
constexpr double kSquareCentreY = 31;

struct Anchor {
    int x, y;
};

// Index 0 is unused so that positions index directly.
constexpr std::array<Anchor, 33> kAnchors { {
    { 0, 0 },     { 538, 57 },  { 438, 57 },  { 335, 57 },  { 234, 57 },  { 596, 93 },
    { 491, 93 },  { 386, 93 },  { 281, 93 },  { 546, 133 }, { 438, 133 }, { 330, 133 },
    { 221, 133 }, { 607, 173 }, { 495, 173 }, { 383, 173 }, { 271, 173 }, { 553, 219 },
    { 437, 219 }, { 321, 219 }, { 205, 219 }, { 618, 263 }, { 498, 263 }, { 378, 263 },
    { 258, 263 }, { 560, 316 }, { 436, 316 }, { 312, 316 }, { 187, 316 }, { 632, 370 },
    { 502, 370 }, { 373, 370 }, { 244, 370 },
} };

// The position whose click box holds the point (picture pixels), or 0. Rows
// are tried from the far side and the last box found wins, so where the boxes
// of two rows overlap the nearer row takes the click.
constexpr int positionAt(double x, double y)
{
    int found = 0;
    for (int r = 0; r < 8; ++r) {
        const int first = 4 * r + 1;
        if (!(kAnchors[first].y < y && y < kAnchors[first].y + kClickBox)) continue;
        for (int p = first; p < first + 4; ++p)
            if (kAnchors[p].x < x && x < kAnchors[p].x + kClickBox) found = p;
    }
    return found;
}

} // namespace kv::view3d
