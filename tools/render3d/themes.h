// The eight board themes and their eight piece sets as data: materials of the
// squares, frame, table and pieces, and the light of each scene.
#pragma once

#include "texture.h"

namespace render3d {

struct Lighting {
    V3 keyDir; // towards the key light
    V3 key;    // its colour times intensity
    V3 ambient;
    V3 skyTop, skyLow; // what glossy surfaces mirror, overhead and low
    double pool = 0;   // how much the table darkens away from the board
    double poolRadius = 8;
};

struct Theme {
    const char* name;
    Material light, dark, frame, side, table;
    V3 inlay;
    V3 inlayGlow;   // light of its own of the inlay line
    bool tileEdges; // squares are separate tiles with bevelled edges
    Lighting lighting;
};

struct PieceSet {
    Material white, black;
    V3 crownOnWhite, crownOnBlack;
    V3 ring; // a metal ring inlaid in the top face, or 0
};

constexpr int kThemes = 8;
const Theme& theme(int n);       // 1..8
const PieceSet& pieceSet(int n); // 1..8, one for each theme
// The theme whose scene the pieces of a set are photographed in.
constexpr int sceneOfSet(int set) { return set; }

} // namespace render3d
