#include "scene.h"

#include "ui/anchors3d.h"

namespace render3d {

namespace {

constexpr double kOuter = 8 + kFrameWidth; // far corner of the board, the near one at -kFrameWidth
const V3 kUp { 0, 0, 1 };

// Signed distance from (x, y) to the board's outline (negative inside).
double boardDistance(double x, double y)
{
    const double cx = 4, half = 4 + kFrameWidth;
    const double dx = std::abs(x - cx) - half, dy = std::abs(y - cx) - half;
    return std::hypot(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0);
}

V3 reflectDir(V3 d, V3 n) { return d - n * (2 * dot(d, n)); }

} // namespace

V3 Scene::sky(V3 dir) const
{
    const Lighting& l = theme_.lighting;
    V3 c = mix(l.skyLow, l.skyTop, smoothstep(-0.1, 0.7, dir.z));
    // A broad soft light and the key light's own highlight.
    c += l.key * (0.9 * std::pow(std::max(0.0, dot(dir, l.keyDir)), 40.0));
    c += l.skyTop
        * (0.5 * std::pow(std::max(0.0, dot(dir, normalize(V3 { 0.6, 0.2, 0.75 }))), 12.0));
    return c;
}

V3 Scene::shade(const Material& m, const Surface& s, V3 n, V3 p, V3 view, double lightScale) const
{
    (void)p;
    const Lighting& l = theme_.lighting;
    const double ndl = std::max(0.0, dot(n, l.keyDir));
    const V3 h = normalize(l.keyDir + view);
    const double highlight = m.specular * std::pow(std::max(0.0, dot(n, h)), m.shininess)
        * std::min(4.0, (m.shininess + 8) / 40);
    const double ndv = std::max(0.0, dot(n, view));
    const double fresnel
        = m.reflect + (m.reflect > 0 ? (1 - m.reflect) * 0.5 * std::pow(1 - ndv, 5.0) : 0.0);
    const V3 env = sky(reflectDir(view * -1, n));
    V3 c;
    if (m.pattern == Pattern::Metal) {
        c = s.albedo * (l.ambient * 0.35 + l.key * (0.3 * ndl)) + s.albedo * l.key * highlight
            + s.albedo * env * fresnel;
    } else {
        c = s.albedo * (l.ambient + l.key * ndl) + l.key * highlight + env * fresnel;
    }
    return c * lightScale + s.emission;
}

V3 Scene::boardTop(V3 p, V3 view) const
{
    const Theme& t = theme_;
    V3 n = kUp;
    if (p.x >= 0 && p.x < 8 && p.y >= 0 && p.y < 8) {
        const int col = static_cast<int>(p.x), row = static_cast<int>(p.y);
        const bool dark = (col + row) % 2 == 0;
        const int idx = row * 8 + col;
        const Material& m = dark ? t.dark : t.light;
        Surface s = evaluate(m, p.x + idx * 7, p.y + idx * 3, 1000u + idx, row % 2 == 1);
        const double fx = p.x - col, fy = p.y - row;
        const double edge = std::min(std::min(fx, 1 - fx), std::min(fy, 1 - fy));
        if (t.tileEdges) {
            // Each square a separate slab with a rounded edge.
            const double w = 0.035;
            if (edge < w) {
                V3 out { fx < 0.5 ? -1.0 : 1.0, 0, 0 };
                if (std::min(fy, 1 - fy) < std::min(fx, 1 - fx))
                    out = { 0, fy < 0.5 ? -1.0 : 1.0, 0 };
                n = normalize(kUp + out * (0.9 * (1 - edge / w)));
            }
            s.albedo = s.albedo * (0.5 + 0.5 * smoothstep(0.0, 0.006, edge));
        } else {
            s.albedo = s.albedo * (0.62 + 0.38 * smoothstep(0.0, 0.005, edge));
        }
        return shade(m, s, n, p, view, 1);
    }
    const double outside = std::max(std::max(-p.x, p.x - 8), std::max(-p.y, p.y - 8));
    if (outside > 0.03 && outside < 0.07) {
        const Material gold { Pattern::Metal, t.inlay, t.inlay, 1, 0.9, 50, 0.3, {} };
        Surface s { t.inlay * (0.9 + 0.15 * fbm(p.x * 20, p.y * 20, 2, 7)), t.inlayGlow };
        return shade(gold, s, n, p, view, 1);
    }
    // The frame: grain along each side, mitred at the corners.
    const bool alongX = std::abs(p.y - 4) - 4 > std::abs(p.x - 4) - 4;
    Surface s = evaluate(t.frame, p.x + (alongX ? 0 : 31), p.y, alongX ? 51u : 52u, !alongX);
    const double toEdge = -boardDistance(p.x, p.y);
    if (toEdge < 0.07) {
        const V3 out = std::abs(p.x - 4) > std::abs(p.y - 4) ? V3 { p.x > 4 ? 1.0 : -1.0, 0, 0 }
                                                             : V3 { 0, p.y > 4 ? 1.0 : -1.0, 0 };
        n = normalize(kUp + out * (1.4 * (1 - toEdge / 0.07)));
    }
    if (outside < 0.03) s.albedo = s.albedo * (0.7 + 0.3 * smoothstep(0.0, 0.012, outside));
    return shade(t.frame, s, n, p, view, 1);
}

V3 Scene::table(V3 p, V3 view) const
{
    const Lighting& l = theme_.lighting;
    const Surface s = evaluate(theme_.table, p.x, p.y, 77u);
    // The board's shadow, pushed away from the light, and the dark seam at its foot.
    const double shift = kBoardThickness / l.keyDir.z;
    const double ds = boardDistance(p.x + l.keyDir.x * shift, p.y + l.keyDir.y * shift);
    const double d = boardDistance(p.x, p.y);
    double light = 1 - 0.55 * (1 - smoothstep(-0.1, 0.5, ds));
    light *= 1 - 0.45 * std::exp(-std::max(0.0, d) / 0.12);
    // A pool of light on the board fading into the room.
    const double r = std::max(0.0, std::hypot(p.x - 4, p.y - 4) - 4.5);
    const double pool = 1 / (1 + (r * r) / (l.poolRadius * l.poolRadius * 0.12));
    light *= 1 - l.pool * (1 - pool);
    return shade(theme_.table, s, kUp, p, view, light);
}

V3 Scene::background(const Ray& ray, bool withBoard) const
{
    const V3 o = ray.origin, d = ray.dir;
    const V3 view = d * -1;
    if (withBoard && d.z < 0) {
        const double t = -o.z / d.z;
        const V3 p = o + d * t;
        if (p.x >= -kFrameWidth && p.x <= kOuter && p.y >= -kFrameWidth && p.y <= kOuter)
            return boardTop(p, view);
        // The near side of the board, facing the camera.
        if (d.y < 0) {
            const double ts = (kOuter - o.y) / d.y;
            const V3 q = o + d * ts;
            if (ts > 0 && q.x >= -kFrameWidth && q.x <= kOuter && q.z <= 0
                && q.z >= -kBoardThickness) {
                Surface s = evaluate(theme_.side, q.x, q.z * 3, 61u, true);
                const double fromTop = -q.z;
                V3 n { 0, 1, 0 };
                if (fromTop < 0.05) n = normalize(n + kUp * (1.4 * (1 - fromTop / 0.05)));
                s.albedo = s.albedo * (0.75 + 0.25 * smoothstep(0.0, 0.1, q.z + kBoardThickness));
                return shade(theme_.side, s, n, q, view, 1);
            }
        }
    }
    if (d.z >= 0) return sky(d);
    const double t = (-kBoardThickness - o.z) / d.z;
    return table(o + d * t, view);
}

bool Scene::piece(const Ray& ray, const Piece& pc, V3& colour) const
{
    const double R = kPieceRadius, top = pc.height();
    const V3 o = ray.origin - pc.centre, d = ray.dir;
    V3 hit;
    bool onTop = false;
    if (d.z < 0) {
        const double t = (top - o.z) / d.z;
        const V3 q = o + d * t;
        if (q.x * q.x + q.y * q.y <= R * R) {
            hit = q;
            onTop = true;
        }
    }
    if (!onTop) {
        const double a = d.x * d.x + d.y * d.y, b = 2 * (o.x * d.x + o.y * d.y),
                     c = o.x * o.x + o.y * o.y - R * R;
        const double disc = b * b - 4 * a * c;
        if (disc < 0 || a < 1e-12) return false;
        const double t = (-b - std::sqrt(disc)) / (2 * a);
        if (t <= 0) return false;
        hit = o + d * t;
        if (hit.z < 0 || hit.z > top) return false;
    }
    const double r = std::hypot(hit.x, hit.y);
    const V3 radial = r > 1e-9 ? V3 { hit.x / r, hit.y / r, 0 } : V3 { 0, 1, 0 };
    const V3 tangent { -radial.y, radial.x, 0 };
    const Material& m = pc.white ? set_.white : set_.black;
    const V3 world = hit + pc.centre;
    const V3 view = d * -1;
    V3 n;
    Surface s;
    Material used = m;
    if (onTop) {
        s = evaluate(m, hit.x + pc.seed * 0.37, hit.y * 0.6 + pc.seed * 0.11, 300u + pc.seed);
        n = kUp;
        const double rr = r / R;
        // A rounded rim and two turned grooves.
        if (rr > 0.88) n = normalize(kUp + radial * (2.2 * (rr - 0.88) / 0.12));
        for (double g : { 0.56, 0.78 }) {
            const double x = (rr - g) / 0.028;
            const double w = std::exp(-x * x);
            s.albedo = s.albedo * (1 - 0.3 * w);
            n = normalize(n + radial * (0.5 * x * w));
        }
        if (set_.ring.x + set_.ring.y + set_.ring.z > 0 && rr > 0.64 && rr < 0.72) {
            used = Material { Pattern::Metal, set_.ring, set_.ring, 1, 1.0, 60, 0.45, {} };
            s = { set_.ring, {} };
        }
        if (pc.king) {
            // A crown inlaid on the top, its points towards the far side.
            const double cu = hit.x / R, cv = hit.y / R;
            bool crown = std::abs(cu) < 0.5 && cv > 0.04 && cv < 0.32;
            const double tips[3][2] = { { -0.46, -0.34 }, { 0.0, -0.48 }, { 0.46, -0.34 } };
            for (const auto& tip : tips) {
                if (cv >= tip[1] && cv <= 0.06) {
                    const double w = 0.2 * (cv - tip[1]) / (0.06 - tip[1]);
                    if (std::abs(cu - tip[0]) < w) crown = true;
                }
                if (std::hypot(cu - tip[0], cv - tip[1] + 0.03) < 0.085) crown = true;
            }
            if (crown) {
                const V3 cc = pc.white ? set_.crownOnWhite : set_.crownOnBlack;
                used = Material { Pattern::Metal, cc, cc, 1, 1.3, 50, 0.5, {} };
                s = { cc * (0.92 + 0.12 * fbm(cu * 9, cv * 9, 2, 5)), {} };
                n = normalize(kUp + V3 { 0.15 * std::sin(cu * 40), 0.15 * std::sin(cv * 40), 0 });
            }
        }
    } else {
        const double angle = std::atan2(hit.y, hit.x);
        s = evaluate(m, angle * R * 2 + pc.seed, hit.z * 3 + pc.seed * 0.5, 400u + pc.seed, true);
        // Reeded edge, rounded top and bottom, and the seam between the two men of a king.
        n = normalize(radial + tangent * (0.22 * std::sin(angle * 60)));
        const double fromTop = top - hit.z;
        if (fromTop < 0.035) n = normalize(n + kUp * (1.6 * (1 - fromTop / 0.035)));
        if (hit.z < 0.02) n = normalize(n - kUp * (1.0 * (1 - hit.z / 0.02)));
        if (pc.king) {
            const double seam = hit.z - kManHeight;
            if (std::abs(seam) < 0.03)
                n = normalize(
                    n + kUp * (seam > 0 ? -1.0 : 1.0) * (1.2 * (1 - std::abs(seam) / 0.03)));
            if (std::abs(seam) < 0.006) s.albedo = s.albedo * 0.3;
        }
        s.albedo = s.albedo * (0.55 + 0.45 * smoothstep(0.0, 0.05, hit.z));
    }
    colour = shade(used, s, n, world, view, 1);
    return true;
}

double Scene::pieceShadow(V3 q, const Piece& p) const
{
    const double qx = q.x - p.centre.x, qy = q.y - p.centre.y;
    const double dist = std::hypot(qx, qy);
    if (dist >= kPieceReach) return 1;
    const Lighting& l = theme_.lighting;
    // The piece's shadow: a disc stretched away from the light.
    const double k = p.height() * 0.7 / l.keyDir.z;
    const double ox = -l.keyDir.x * k, oy = -l.keyDir.y * k;
    const double len2 = ox * ox + oy * oy;
    const double t = len2 > 0 ? clamp01((qx * ox + qy * oy) / len2) : 0;
    const double d = std::hypot(qx - ox * t, qy - oy * t) - kPieceRadius;
    const double cast = 0.6 * (1 - smoothstep(-0.05, 0.05, d));
    const double contact = 0.45 * std::exp(-std::max(0.0, dist - kPieceRadius) / 0.02);
    const double occlusion = 1 - (1 - cast) * (1 - contact);
    return 1 - occlusion * (1 - smoothstep(kPieceReach - 0.06, kPieceReach, dist));
}

std::array<std::uint8_t, 3> toPixel(V3 c, int x, int y)
{
    const double dx = (x + 0.5) / kv::view3d::kPictureWidth - 0.5,
                 dy = (y + 0.5) / kv::view3d::kPictureHeight - 0.5;
    const double vignette = 1 - 0.55 * (dx * dx + dy * dy);
    c = c * vignette;
    auto channel = [](double v) {
        v = 1 - std::exp(-std::max(0.0, v) * 1.1); // soft shoulder for highlights
        return static_cast<std::uint8_t>(std::lround(std::pow(v, 1 / 2.2) * 255));
    };
    return { channel(c.x), channel(c.y), channel(c.z) };
}

} // namespace render3d
