// The renderer's camera against the anchors, the click boxes, and the files
// it writes.
#include "bmp.h"
#include "camera.h"
#include "scene.h"
#include "texture.h"

#include "ui/anchors3d.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace render3d;
namespace view3d = kv::view3d;

namespace {

// The anchors are a perspective view of the board: one camera puts every
// square's centre within about two pixels of where the window expects it.
TEST(Camera, FitsTheAnchors)
{
    const CameraFit fit = fitCamera();
    EXPECT_LT(fit.rmsError, 1.5);
    EXPECT_LT(fit.maxError, 2.5);
    for (int p = 1; p <= 32; ++p) {
        double x = 0, y = 0;
        ASSERT_TRUE(fit.camera.project(squareCentre(p), x, y));
        EXPECT_NEAR(x, view3d::kAnchors[p].x + kCentreOffsetX, 2.5) << p;
        EXPECT_NEAR(y, view3d::kAnchors[p].y + kCentreOffsetY, 2.5) << p;
        // The ray back through that point meets the board at the square's centre.
        const Ray r = fit.camera.ray(x, y);
        const V3 q = r.origin + r.dir * (-r.origin.z / r.dir.z);
        EXPECT_NEAR(q.x, squareCentre(p).x, 1e-6);
        EXPECT_NEAR(q.y, squareCentre(p).y, 1e-6);
    }
    // A piece never reaches out of its image: a king's top and its shadow stay inside the 60-pixel
    // box.
    for (int p = 1; p <= 32; ++p)
        for (int k = 0; k < 36; ++k) {
            const double a = k * kPi / 18;
            for (auto [r, z] :
                 { std::pair { kPieceReach, 0.0 }, std::pair { kPieceRadius, 2 * kManHeight } }) {
                double x = 0, y = 0;
                fit.camera.project(squareCentre(p) + V3 { r * std::cos(a), r * std::sin(a), z }, x,
                                   y);
                EXPECT_GT(x, view3d::kAnchors[p].x + 0.5) << p;
                EXPECT_LT(x, view3d::kAnchors[p].x + 59.5) << p;
                EXPECT_GT(y, view3d::kAnchors[p].y + 0.5) << p;
                EXPECT_LT(y, view3d::kAnchors[p].y + 59.5) << p;
            }
        }
}

TEST(ClickBoxes, EachBoxCentreSelectsItsSquareAndTheGapsNone)
{
    for (int p = 1; p <= 32; ++p)
        EXPECT_EQ(view3d::positionAt(view3d::kAnchors[p].x + 30, view3d::kAnchors[p].y + 30), p);
    // Where the boxes of two rows overlap, the nearer row takes the click.
    EXPECT_EQ(view3d::positionAt(view3d::kAnchors[5].x + 30, view3d::kAnchors[5].y + 2), 5);
    EXPECT_EQ(view3d::positionAt(view3d::kAnchors[2].x + 80, view3d::kAnchors[2].y + 30),
              0); // a light square
    EXPECT_EQ(view3d::positionAt(5, 5), 0);
    EXPECT_EQ(view3d::positionAt(view3d::kAnchors[1].x, view3d::kAnchors[1].y + 30),
              0); // edges are outside
    EXPECT_EQ(view3d::positionAt(-100, 1e9), 0);
}

TEST(Bmp, WritesPaddedBottomUpRows)
{
    const std::string path = (std::filesystem::temp_directory_path()
                              / ("kv_bmp_" + std::to_string(::getpid()) + ".bmp"))
                                 .string();
    // 3 x 2 pixels: rows of 9 bytes padded to 12.
    const std::vector<std::uint8_t> rgb { 1,  2,  3,  4,  5,  6,  7,  8,  9,
                                          10, 11, 12, 13, 14, 15, 16, 17, 18 };
    ASSERT_TRUE(writeBmp(path, 3, 2, rgb));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> f((std::istreambuf_iterator<char>(in)), {});
    std::remove(path.c_str());
    ASSERT_EQ(f.size(), 54u + 24u);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[2], 78);  // file size
    EXPECT_EQ(f[18], 3);  // width
    EXPECT_EQ(f[22], 2);  // height, positive: bottom-up
    EXPECT_EQ(f[28], 24); // bits per pixel
    // First stored row is the bottom one, blue-green-red.
    EXPECT_EQ(f[54], 12);
    EXPECT_EQ(f[55], 11);
    EXPECT_EQ(f[56], 10);
    EXPECT_EQ(f[63], 0); // padding
    EXPECT_EQ(f[66], 3);
    EXPECT_FALSE(writeBmp("/nonexistent-dir/x.bmp", 3, 2, rgb));
}

TEST(Scene, PiecesAndShadowsStayOnTheirSquare)
{
    const CameraFit fit = fitCamera();
    for (int n = 1; n <= kThemes; ++n) {
        const Scene scene(theme(n), pieceSet(n), fit.camera);
        const Piece king { squareCentre(18), true, true, 1 };
        EXPECT_EQ(scene.pieceShadow(squareCentre(18) + V3 { kPieceReach, 0, 0 }, king), 1) << n;
        EXPECT_LT(scene.pieceShadow(squareCentre(18) + V3 { kPieceRadius + 0.01, 0, 0 }, king), 0.9)
            << n;
        // A ray at the piece's centre meets it; one at a neighbouring square does not.
        double x = 0, y = 0;
        fit.camera.project(squareCentre(18) + V3 { 0, 0, king.height() }, x, y);
        V3 c;
        EXPECT_TRUE(scene.piece(fit.camera.ray(x, y), king, c));
        fit.camera.project(squareCentre(14), x, y);
        EXPECT_FALSE(scene.piece(fit.camera.ray(x, y), king, c));
    }
}

TEST(Texture, PatternsArePureFunctions)
{
    EXPECT_EQ(hash01(3, 4, 5), hash01(3, 4, 5));
    EXPECT_NE(hash01(3, 4, 5), hash01(4, 3, 5));
    for (double v : { valueNoise(0.3, 7.9, 2), fbm(-4.2, 1.1, 5, 9), cellEdge(2.5, 3.25, 1) }) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 1.5);
    }
    const Surface a = evaluate(theme(3).light, 1.25, 2.5, 7),
                  b = evaluate(theme(3).light, 1.25, 2.5, 7);
    EXPECT_EQ(a.albedo.x, b.albedo.x);
    EXPECT_EQ(a.albedo.z, b.albedo.z);
}

} // namespace
