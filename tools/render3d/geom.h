// Small vector arithmetic for the renderer: points, directions and linear RGB
// colours are all three doubles.
#pragma once

#include <algorithm>
#include <cmath>

namespace render3d {

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) { return { a.x + b.x, a.y + b.y, a.z + b.z }; }
inline V3 operator-(V3 a, V3 b) { return { a.x - b.x, a.y - b.y, a.z - b.z }; }
inline V3 operator*(V3 a, double k) { return { a.x * k, a.y * k, a.z * k }; }
inline V3 operator*(double k, V3 a) { return a * k; }
inline V3 operator*(V3 a, V3 b) { return { a.x * b.x, a.y * b.y, a.z * b.z }; }
inline V3& operator+=(V3& a, V3 b) { return a = a + b; }
inline double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 cross(V3 a, V3 b)
{
    return { a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x };
}
inline double length(V3 a) { return std::sqrt(dot(a, a)); }
inline V3 normalize(V3 a) { return a * (1.0 / length(a)); }
inline V3 mix(V3 a, V3 b, double t) { return a + (b - a) * t; }
inline V3 rgb(int hex)
{
    // sRGB hex to linear.
    auto lin = [](int v) { return std::pow(v / 255.0, 2.2); };
    return { lin((hex >> 16) & 0xff), lin((hex >> 8) & 0xff), lin(hex & 0xff) };
}

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double smoothstep(double e0, double e1, double v)
{
    const double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline double fract(double v) { return v - std::floor(v); }

constexpr double kPi = 3.14159265358979323846;

struct Ray {
    V3 origin, dir;
};

} // namespace render3d
