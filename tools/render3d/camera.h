// A pinhole camera fitted to the 32 anchors of the board pictures. Board
// coordinates are in squares: x from the left edge of the playing field
// (0..8), y from its far edge (0..8), z up from the board's top face. The
// camera reproduces where the window expects each square: the centre of a
// square projects to its anchor plus a fixed offset inside the click box.
#pragma once

#include "geom.h"

#include "ui/anchors3d.h"

namespace render3d {

struct Camera {
    V3 eye, right, down, forward;
    double focal = 900, cx = 392.5, cy = 260.5;

    // Ray through a point of the picture (pixel (i, j) covers [i, i+1) x [j, j+1)).
    Ray ray(double px, double py) const;
    // Picture point of a board point; false when it is behind the camera.
    bool project(V3 p, double& px, double& py) const;
};

struct CameraFit {
    Camera camera;
    double rmsError = 0; // pixels, square centres against anchor + offset
    double maxError = 0;
};

// Where a square's centre sits inside its anchor's box.
constexpr double kCentreOffsetX = kv::view3d::kSquareCentreX;
constexpr double kCentreOffsetY = kv::view3d::kSquareCentreY;

CameraFit fitCamera();

// Board point of the centre of a display position 1..32.
V3 squareCentre(int position);

} // namespace render3d
