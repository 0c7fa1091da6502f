// The camera is found by Levenberg-Marquardt over eight parameters (eye
// position, yaw, pitch, roll, focal length and the horizontal principal
// point), as many as a plane-to-picture homography has, so the fit is the
// best perspective view of a flat board through the anchors.
#include "camera.h"

#include "rules/geometry.h"
#include "ui/anchors3d.h"

#include <array>
#include <vector>

namespace render3d {

namespace {

constexpr int kParams = 8;
using Params = std::array<double, kParams>;

Camera cameraOf(const Params& p)
{
    Camera c;
    c.eye = { p[0], p[1], p[2] };
    const double yaw = p[3], pitch = p[4], roll = p[5];
    const V3 f { std::cos(pitch) * std::sin(yaw), -std::cos(pitch) * std::cos(yaw),
                 -std::sin(pitch) };
    const V3 r0 = normalize(V3 { -f.y, f.x, 0 });
    const V3 d0 = cross(r0, f);
    c.forward = f;
    c.right = r0 * std::cos(roll) + d0 * std::sin(roll);
    c.down = d0 * std::cos(roll) - r0 * std::sin(roll);
    c.focal = p[6];
    c.cx = p[7];
    c.cy = kv::view3d::kPictureHeight / 2.0;
    return c;
}

std::vector<double> residuals(const Params& p)
{
    const Camera c = cameraOf(p);
    std::vector<double> r;
    r.reserve(64);
    for (int s = 1; s <= 32; ++s) {
        double x = 0, y = 0;
        c.project(squareCentre(s), x, y);
        r.push_back(x - (kv::view3d::kAnchors[s].x + kCentreOffsetX));
        r.push_back(y - (kv::view3d::kAnchors[s].y + kCentreOffsetY));
    }
    return r;
}

double cost(const std::vector<double>& r)
{
    double c = 0;
    for (double v : r) c += v * v;
    return c;
}

// Solves a x = b in place by Gaussian elimination with partial pivoting.
bool solve(std::array<std::array<double, kParams>, kParams> a, std::array<double, kParams>& b)
{
    for (int i = 0; i < kParams; ++i) {
        int pivot = i;
        for (int k = i + 1; k < kParams; ++k)
            if (std::abs(a[k][i]) > std::abs(a[pivot][i])) pivot = k;
        if (std::abs(a[pivot][i]) < 1e-300) return false;
        std::swap(a[i], a[pivot]);
        std::swap(b[i], b[pivot]);
        for (int k = i + 1; k < kParams; ++k) {
            const double m = a[k][i] / a[i][i];
            for (int j = i; j < kParams; ++j) a[k][j] -= m * a[i][j];
            b[k] -= m * b[i];
        }
    }
    for (int i = kParams - 1; i >= 0; --i) {
        for (int j = i + 1; j < kParams; ++j) b[i] -= a[i][j] * b[j];
        b[i] /= a[i][i];
    }
    return true;
}

} // namespace

Ray Camera::ray(double px, double py) const
{
    return { eye, normalize(forward + right * ((px - cx) / focal) + down * ((py - cy) / focal)) };
}

bool Camera::project(V3 p, double& px, double& py) const
{
    const V3 q = p - eye;
    const double z = dot(q, forward);
    if (z <= 1e-9) return false;
    px = cx + focal * dot(q, right) / z;
    py = cy + focal * dot(q, down) / z;
    return true;
}

V3 squareCentre(int position)
{
    const auto s = static_cast<kv::Square>(position);
    return { kv::columnOf(s) + 0.5, kv::rowOf(s) + 0.5, 0 };
}

CameraFit fitCamera()
{
    // A start in front of the board, above it, looking down at its middle.
    Params p { 4, 15, 9, 0, 0.7, 0, 900, kv::view3d::kPictureWidth / 2.0 };
    double lambda = 1e-3;
    std::vector<double> r = residuals(p);
    double c = cost(r);
    for (int iter = 0; iter < 400; ++iter) {
        // Jacobian by central differences.
        std::array<std::vector<double>, kParams> jac;
        for (int k = 0; k < kParams; ++k) {
            const double h = 1e-6 * std::max(1.0, std::abs(p[k]));
            Params a = p, b = p;
            a[k] += h;
            b[k] -= h;
            const auto ra = residuals(a), rb = residuals(b);
            jac[k].resize(r.size());
            for (size_t i = 0; i < r.size(); ++i) jac[k][i] = (ra[i] - rb[i]) / (2 * h);
        }
        std::array<std::array<double, kParams>, kParams> jtj {};
        std::array<double, kParams> jtr {};
        for (int a = 0; a < kParams; ++a) {
            for (int b = 0; b < kParams; ++b)
                for (size_t i = 0; i < r.size(); ++i) jtj[a][b] += jac[a][i] * jac[b][i];
            for (size_t i = 0; i < r.size(); ++i) jtr[a] -= jac[a][i] * r[i];
        }
        bool improved = false;
        for (int tries = 0; tries < 12 && !improved; ++tries) {
            auto m = jtj;
            for (int k = 0; k < kParams; ++k) m[k][k] *= 1 + lambda;
            auto step = jtr;
            if (!solve(m, step)) {
                lambda *= 10;
                continue;
            }
            Params q = p;
            for (int k = 0; k < kParams; ++k) q[k] += step[k];
            const auto rq = residuals(q);
            const double cq = cost(rq);
            if (cq < c) {
                improved = c - cq > 1e-12 * c;
                p = q;
                r = rq;
                c = cq;
                lambda = std::max(lambda / 3, 1e-12);
                improved = true;
            } else {
                lambda *= 4;
            }
        }
        if (!improved) break;
    }
    CameraFit fit;
    fit.camera = cameraOf(p);
    double worst = 0;
    for (size_t i = 0; i + 1 < r.size(); i += 2)
        worst = std::max(worst, std::hypot(r[i], r[i + 1]));
    fit.rmsError = std::sqrt(c / 32);
    fit.maxError = worst;
    return fit;
}

} // namespace render3d
