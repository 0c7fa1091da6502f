#include "texture.h"

namespace render3d {

double hash01(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full + seed * 0x165667B19E3779F9ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 29;
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const double c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0, amp = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + 97u * i);
        total += amp;
        x = x * 2.03 + 17.1;
        y = y * 2.03 - 3.7;
        amp *= 0.5;
    }
    return sum / total;
}

double cellEdge(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    double d1 = 1e9, d2 = 1e9;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const auto cx = static_cast<std::int64_t>(fx) + i,
                       cy = static_cast<std::int64_t>(fy) + j;
            const double px = cx + 0.15 + 0.7 * hash01(cx, cy, seed);
            const double py = cy + 0.15 + 0.7 * hash01(cx, cy, seed + 7);
            const double d = std::hypot(px - x, py - y);
            if (d < d1) {
                d2 = d1;
                d1 = d;
            } else if (d < d2) {
                d2 = d;
            }
        }
    return d2 - d1;
}

Surface evaluate(const Material& m, double u, double v, std::uint32_t seed, bool grainAcross)
{
    if (grainAcross) std::swap(u, v);
    const double s = m.scale;
    u /= s;
    v /= s;
    Surface out { m.a, {} };
    switch (m.pattern) {
    case Pattern::Plain: {
        out.albedo = m.a * (0.94 + 0.12 * fbm(u * 3, v * 3, 3, seed));
        break;
    }
    case Pattern::Wood: {
        // Rings: bands across v bent by slow noise; fibres: fast noise across v only.
        const double bend = fbm(u * 0.35, v * 1.2, 3, seed) * 2.2;
        const double ring = fract(v * 2.4 + bend + 0.3 * std::sin(u * 0.9 + seed));
        const double band = smoothstep(0.0, 0.55, ring) * (1 - smoothstep(0.75, 1.0, ring));
        const double fibre = fbm(u * 1.5, v * 38, 2, seed + 5);
        double t = 0.25 + 0.55 * band + 0.35 * (fibre - 0.5);
        t += 0.15 * (fbm(u * 6, v * 6, 2, seed + 9) - 0.5);
        out.albedo = mix(m.b, m.a, clamp01(t));
        break;
    }
    case Pattern::Marble: {
        const double turb = fbm(u * 1.6, v * 1.6, 5, seed);
        const double w = std::sin((u * 1.3 + v * 0.8 + 5.5 * turb) * kPi);
        const double vein = std::pow(1 - std::abs(w), 14.0);
        const double fine = std::pow(
            1 - std::abs(std::sin((u * 3.1 - v * 2.2 + 7 * fbm(u * 3, v * 3, 4, seed + 3)) * kPi)),
            24.0);
        const double cloud = fbm(u * 2.5, v * 2.5, 4, seed + 11);
        V3 base = m.a * (0.9 + 0.2 * cloud);
        out.albedo = mix(base, m.b, clamp01(vein * 0.75 + fine * 0.25));
        break;
    }
    case Pattern::Stone: {
        const double n = fbm(u * 4, v * 4, 4, seed);
        const double speck = hash01(static_cast<std::int64_t>(std::floor(u * 90)),
                                    static_cast<std::int64_t>(std::floor(v * 90)), seed + 2);
        V3 c = mix(m.a, m.b, smoothstep(0.35, 0.7, n));
        if (speck > 0.93) c = c * 1.35;
        else if (speck < 0.06) c = c * 0.6;
        out.albedo = c;
        break;
    }
    case Pattern::Tile: {
        const double cloud = fbm(u * 1.8, v * 1.8, 4, seed);
        out.albedo = mix(m.a, m.b, smoothstep(0.3, 0.8, cloud));
        const double gu = std::min(fract(u), 1 - fract(u)), gv = std::min(fract(v), 1 - fract(v));
        out.albedo = out.albedo * (0.55 + 0.45 * smoothstep(0.004, 0.02, std::min(gu, gv)));
        break;
    }
    case Pattern::Azulejo: {
        const double fu = fract(u) - 0.5, fv = fract(v) - 0.5;
        const double d = std::hypot(fu, fv), ang = std::atan2(fv, fu);
        const double star = 0.5 + 0.5 * std::cos(8 * ang);
        double ink = 1 - smoothstep(0.02, 0.035, std::abs(d - 0.22 - 0.08 * star));
        ink = std::max(ink, 1 - smoothstep(0.06, 0.08, d));
        const double corner = std::hypot(std::abs(fu) - 0.5, std::abs(fv) - 0.5);
        ink = std::max(ink, 1 - smoothstep(0.14, 0.16, corner));
        ink *= 0.8 + 0.2 * fbm(u * 8, v * 8, 2, seed);
        out.albedo = mix(m.a * (0.95 + 0.08 * fbm(u * 3, v * 3, 2, seed + 1)), m.b, ink);
        const double g = std::min(0.5 - std::abs(fu), 0.5 - std::abs(fv));
        out.albedo = out.albedo * (0.6 + 0.4 * smoothstep(0.005, 0.02, g));
        break;
    }
    case Pattern::Lava: {
        // Cracks of uneven width glowing from within, with a dim halo on the rock.
        const double warp = 0.5 * fbm(u * 3, v * 3, 3, seed);
        const double e = cellEdge(u * 2.2 + warp, v * 2.2 - warp, seed);
        const double width = 0.015 + 0.05 * fbm(u * 1.5, v * 1.5, 2, seed + 3);
        const double crack = 1 - smoothstep(width * 0.4, width, e);
        const double halo = std::exp(-e / 0.06) * 0.35;
        const double rock = fbm(u * 6, v * 6, 3, seed + 4);
        const double heat = 0.5 + 0.8 * fbm(u * 2, v * 2, 2, seed + 8);
        out.albedo = m.a * (0.5 + 0.9 * rock) * (1 - crack);
        out.emission = m.glow * ((crack + halo) * heat);
        break;
    }
    case Pattern::Nacre: {
        const double n = fbm(u * 2.5, v * 2.5, 4, seed);
        const double h = fract(n * 3 + u * 0.3);
        V3 tint { 0.9 + 0.1 * std::sin(h * 2 * kPi), 0.9 + 0.1 * std::sin(h * 2 * kPi + 2.1),
                  0.92 + 0.08 * std::sin(h * 2 * kPi + 4.2) };
        out.albedo = mix(m.a, m.b, smoothstep(0.4, 0.7, n)) * tint;
        break;
    }
    case Pattern::Metal: {
        const double brush = fbm(u * 0.5, v * 60, 2, seed);
        out.albedo = m.a * (0.9 + 0.2 * brush);
        break;
    }
    case Pattern::Felt: {
        const double n = fbm(u * 40, v * 40, 2, seed) * 0.6 + fbm(u * 3, v * 3, 3, seed + 1) * 0.4;
        out.albedo = mix(m.b, m.a, n);
        // A glowing felt is strewn with tiny sparkles.
        if (m.glow.x + m.glow.y + m.glow.z > 0) {
            const auto gx = static_cast<std::int64_t>(std::floor(u * 24)),
                       gy = static_cast<std::int64_t>(std::floor(v * 24));
            const double h = hash01(gx, gy, seed + 21);
            if (h > 0.985) {
                const double cx = gx + 0.5, cy = gy + 0.5;
                const double d = std::hypot(u * 24 - cx, v * 24 - cy);
                out.emission = m.glow * ((h - 0.985) / 0.015 * std::exp(-d * d / 0.02));
            }
        }
        break;
    }
    case Pattern::Sand: {
        const double ripple
            = 0.5 + 0.5 * std::sin((v * 3.0 + 1.2 * fbm(u * 0.6, v * 0.6, 3, seed)) * 2 * kPi);
        const double grain = hash01(static_cast<std::int64_t>(std::floor(u * 160)),
                                    static_cast<std::int64_t>(std::floor(v * 160)), seed);
        out.albedo = mix(m.b, m.a, 0.55 + 0.3 * ripple * 0.5 + 0.25 * (grain - 0.5));
        break;
    }
    }
    return out;
}

} // namespace render3d
