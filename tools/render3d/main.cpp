// Renders the 3D board pictures into the program directory:
//   damierNi.bmp   the table of theme N alone (785 x 521)
//   damierNwi.bmp  the table with the empty board, drawn over the first
//   ImagesKi/      for piece set K, 60 x 60 images of every square: "pv" empty,
//                  "pb"/"db" white man/king, "pn"/"dn" black man/king, named
//                  prefix + K + "_" + position + "i.bmp"
// Each square's image is a crop of the empty board picture at the square's
// anchor with the piece rendered into it, so drawing it over the board is
// seamless. Each theme has its own set.
//
// Usage: kv-render3d OUTDIR [THEME...]   (all eight themes by default)
#include "bmp.h"
#include "scene.h"

#include "ui/anchors3d.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using namespace render3d;
namespace fs = std::filesystem;

namespace {

constexpr int kW = kv::view3d::kPictureWidth;
constexpr int kH = kv::view3d::kPictureHeight;
constexpr int kTile = 60;        // side of a square's image
constexpr int kBoardSamples = 3; // per pixel side, background pictures
constexpr int kPieceSamples = 3; // per pixel side, piece images

// Runs f(i) for i in [0, n) on the machine's cores, each index exactly once.
template <class F> void parallelFor(int n, F f)
{
    const int threads
        = static_cast<int>(std::max(1u, std::min(4u, std::thread::hardware_concurrency())));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&, t] {
            for (int i = t; i < n; i += threads) f(i);
        });
    for (auto& th : pool) th.join();
}

struct Picture {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kW * kH * 3);
    std::vector<V3> linear = std::vector<V3>(kW * kH);
};

void renderBackground(const Scene& scene, bool withBoard, Picture& pic)
{
    parallelFor(kH, [&](int y) {
        for (int x = 0; x < kW; ++x) {
            V3 sum;
            for (int j = 0; j < kBoardSamples; ++j)
                for (int i = 0; i < kBoardSamples; ++i)
                    sum += scene.background(scene.camera().ray(x + (i + 0.5) / kBoardSamples,
                                                               y + (j + 0.5) / kBoardSamples),
                                            withBoard);
            const V3 c = sum * (1.0 / (kBoardSamples * kBoardSamples));
            pic.linear[y * kW + x] = c;
            const auto px = toPixel(c, x, y);
            std::copy(px.begin(), px.end(), pic.bytes.begin() + (y * kW + x) * 3);
        }
    });
}

// The square's image of a piece (or of the empty square when `piece` is null).
std::vector<std::uint8_t> renderSquare(const Scene& scene, const Picture& board, int position,
                                       const Piece* piece)
{
    const auto a = kv::view3d::kAnchors[position];
    std::vector<std::uint8_t> out(kTile * kTile * 3);
    int x0 = a.x + kTile, y0 = a.y + kTile, x1 = a.x, y1 = a.y;
    if (piece) {
        // The pixels the piece and its shadow can reach.
        for (int k = 0; k < 72; ++k) {
            const double ang = k * kPi / 36;
            for (auto [r, z] :
                 { std::pair { kPieceReach, 0.0 }, std::pair { kPieceRadius, piece->height() } }) {
                double px = 0, py = 0;
                scene.camera().project(
                    piece->centre + V3 { r * std::cos(ang), r * std::sin(ang), z }, px, py);
                x0 = std::min(x0, static_cast<int>(px) - 1);
                y0 = std::min(y0, static_cast<int>(py) - 1);
                x1 = std::max(x1, static_cast<int>(px) + 1);
                y1 = std::max(y1, static_cast<int>(py) + 1);
            }
        }
    }
    for (int j = 0; j < kTile; ++j)
        for (int i = 0; i < kTile; ++i) {
            const int x = a.x + i, y = a.y + j;
            std::uint8_t* dst = out.data() + (j * kTile + i) * 3;
            const std::uint8_t* src = board.bytes.data() + (y * kW + x) * 3;
            if (!piece || x < x0 || x > x1 || y < y0 || y > y1) {
                std::copy(src, src + 3, dst);
                continue;
            }
            V3 sum;
            bool touched = false;
            for (int sj = 0; sj < kPieceSamples; ++sj)
                for (int si = 0; si < kPieceSamples; ++si) {
                    const Ray ray = scene.camera().ray(x + (si + 0.5) / kPieceSamples,
                                                       y + (sj + 0.5) / kPieceSamples);
                    V3 c;
                    if (scene.piece(ray, *piece, c)) {
                        touched = true;
                    } else {
                        const V3 q = ray.origin + ray.dir * (-ray.origin.z / ray.dir.z);
                        const double shadow = scene.pieceShadow(q, *piece);
                        if (shadow < 1) touched = true;
                        c = board.linear[y * kW + x] * shadow;
                    }
                    sum += c;
                }
            if (!touched) {
                std::copy(src, src + 3, dst);
                continue;
            }
            const auto px = toPixel(sum * (1.0 / (kPieceSamples * kPieceSamples)), x, y);
            std::copy(px.begin(), px.end(), dst);
        }
    return out;
}

bool renderSet(const Scene& scene, const Picture& board, int set, const fs::path& out)
{
    const fs::path dir = out / ("Images" + std::to_string(set) + "i");
    fs::create_directories(dir);
    struct Kind {
        const char* prefix;
        bool piece, white, king;
    };
    const Kind kinds[5] = { { "pv", false, false, false },
                            { "pb", true, true, false },
                            { "db", true, true, true },
                            { "pn", true, false, false },
                            { "dn", true, false, true } };
    std::vector<int> failed(33, 0);
    parallelFor(32, [&](int i) {
        const int position = i + 1;
        for (int k = 0; k < 5; ++k) {
            const Kind& kind = kinds[k];
            Piece p { squareCentre(position), kind.white, kind.king,
                      static_cast<std::uint32_t>(position * 7 + k) };
            const auto img = renderSquare(scene, board, position, kind.piece ? &p : nullptr);
            const std::string name = std::string(kind.prefix) + std::to_string(set) + "_"
                + std::to_string(position) + "i.bmp";
            if (!writeBmp((dir / name).string(), kTile, kTile, img)) failed[position] = 1;
        }
    });
    for (int f : failed)
        if (f) return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: kv-render3d OUTDIR [THEME...]\n");
        return 2;
    }
    const fs::path out = argv[1];
    std::vector<int> themes;
    for (int i = 2; i < argc; ++i) themes.push_back(std::atoi(argv[i]));
    if (themes.empty())
        for (int t = 1; t <= kThemes; ++t) themes.push_back(t);

    std::error_code ec;
    fs::create_directories(out, ec);
    const CameraFit fit = fitCamera();
    std::printf("camera fitted to the anchors: rms %.2f px, worst %.2f px\n", fit.rmsError,
                fit.maxError);

    for (int n : themes) {
        if (n < 1 || n > kThemes) {
            std::fprintf(stderr, "no theme %d\n", n);
            return 2;
        }
        const int set = n;
        const Scene scene(theme(n), pieceSet(set), fit.camera);
        Picture room, board;
        renderBackground(scene, false, room);
        renderBackground(scene, true, board);
        const std::string base = "damier" + std::to_string(n);
        if (!writeBmp((out / (base + "i.bmp")).string(), kW, kH, room.bytes)
            || !writeBmp((out / (base + "wi.bmp")).string(), kW, kH, board.bytes)) {
            std::fprintf(stderr, "cannot write %s pictures in %s\n", base.c_str(),
                         out.string().c_str());
            return 1;
        }
        if (!renderSet(scene, board, set, out)) {
            std::fprintf(stderr, "cannot write the images of set %d in %s\n", set,
                         out.string().c_str());
            return 1;
        }
    }
    return 0;
}
