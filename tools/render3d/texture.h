// Procedural patterns of the board, table and piece materials: value noise,
// its fractal sum, cell noise, and the patterns built from them (wood, marble,
// stone, tiles, lava, nacre, brushed metal). Every pattern is a pure function
// of its coordinates and an integer seed, so renders repeat bit for bit.
#pragma once

#include "geom.h"

#include <cstdint>

namespace render3d {

double hash01(std::int64_t x, std::int64_t y, std::uint32_t seed);
double valueNoise(double x, double y, std::uint32_t seed);
double fbm(double x, double y, int octaves, std::uint32_t seed);
// Distance to the nearest cell border of a jittered grid (cracks, veins).
double cellEdge(double x, double y, std::uint32_t seed);

enum class Pattern {
    Plain,   // a colour with a little mottling
    Wood,    // growth rings and fibres along u
    Marble,  // veins of b through a
    Stone,   // speckled granite
    Tile,    // glazed ceramic with soft clouds, grout every `scale`
    Lava,    // basalt a with glowing cracks b
    Nacre,   // mother of pearl: shifting pale hues
    Metal,   // brushed metal
    Felt,    // cloth: fine fibres
    Sand,    // fine grains with ripples
    Azulejo, // white tiles painted with blue stars, grout every `scale`
};

struct Material {
    Pattern pattern = Pattern::Plain;
    V3 a, b;               // main and second colour (linear)
    double scale = 1;      // pattern size in squares
    double specular = 0.1; // highlight strength
    double shininess = 20;
    double reflect = 0; // share of the environment mirrored
    V3 glow {};         // light of its own (lava)
};

struct Surface {
    V3 albedo;
    V3 emission;
};

// The surface of material m at coordinates (u, v); `grainAcross` turns wood
// and brushing by a quarter turn.
Surface evaluate(const Material& m, double u, double v, std::uint32_t seed,
                 bool grainAcross = false);

} // namespace render3d
