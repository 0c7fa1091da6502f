// One theme's scene seen through the fitted camera: the table, the board with
// its frame and squares, and a piece standing on a square. Colours are linear
// light; `toPixel` turns them into the picture's bytes.
#pragma once

#include "camera.h"
#include "themes.h"

#include <array>
#include <cstdint>

namespace render3d {

// Sizes in squares.
constexpr double kFrameWidth = 0.55;
constexpr double kBoardThickness = 0.32;
constexpr double kPieceRadius = 0.36;
constexpr double kManHeight = 0.12;
// Beyond this distance from its square's centre a piece leaves no trace
// (shadow included), so its image never reaches into another square's.
constexpr double kPieceReach = 0.42;

struct Piece {
    V3 centre;
    bool white = true;
    bool king = false;
    std::uint32_t seed = 0;
    double height() const { return king ? 2 * kManHeight : kManHeight; }
};

class Scene {
public:
    Scene(const Theme& theme, const PieceSet& set, const Camera& camera)
        : theme_(theme), set_(set), camera_(camera)
    {
    }

    const Camera& camera() const { return camera_; }
    // What a ray sees without pieces; the table alone when `withBoard` is false.
    V3 background(const Ray& ray, bool withBoard) const;
    // The colour of the piece where the ray meets it, if it does.
    bool piece(const Ray& ray, const Piece& p, V3& colour) const;
    // How much of the light reaches the board point q beside piece p (0..1).
    double pieceShadow(V3 q, const Piece& p) const;

private:
    V3 shade(const Material& m, const Surface& s, V3 n, V3 p, V3 view, double lightScale) const;
    V3 sky(V3 dir) const;
    V3 boardTop(V3 p, V3 view) const;
    V3 table(V3 p, V3 view) const;

    const Theme& theme_;
    const PieceSet& set_;
    const Camera& camera_;
};

// Picture bytes (red, green, blue) of a linear colour at pixel (x, y).
std::array<std::uint8_t, 3> toPixel(V3 colour, int x, int y);

} // namespace render3d
