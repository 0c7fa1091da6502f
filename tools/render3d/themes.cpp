#include "themes.h"

#include <array>

namespace render3d {

namespace {

Material mat(Pattern p, int a, int b, double scale, double specular = 0.1, double shin = 20,
             double reflect = 0)
{
    return { p, rgb(a), rgb(b), scale, specular, shin, reflect, {} };
}

Material glowing(Material m, int glow, double strength)
{
    m.glow = rgb(glow) * strength;
    return m;
}

V3 light(double x, double y, double z) { return normalize(V3 { x, y, z }); }

// Warm walnut and maple on green felt under a lamp.
Theme classique()
{
    Theme t {};
    t.name = "Classique";
    t.light = mat(Pattern::Wood, 0xEBCB95, 0xC99E63, 1.6, 0.12, 30);
    t.dark = mat(Pattern::Wood, 0x6E4226, 0x3B2112, 1.6, 0.15, 30);
    t.frame = mat(Pattern::Wood, 0x8A4524, 0x4A1F0D, 2.2, 0.18, 40, 0.03);
    t.side = mat(Pattern::Wood, 0x6A3218, 0x3A170A, 1.5, 0.1, 20);
    t.table = mat(Pattern::Felt, 0x2F6A3E, 0x1F4A2A, 1, 0.02, 5);
    t.inlay = rgb(0xF0DDB0);
    t.tileEdges = false;
    t.lighting = { light(-0.45, 0.15, 0.88),
                   rgb(0xFFF0D8) * 2.3,
                   rgb(0xA8B4C8) * 0.45,
                   rgb(0xDDE6F2),
                   rgb(0x8A7A64),
                   0,
                   8 };
    return t;
}

// A board of ebony and pale silvered ash with a glowing silver inlay, on dark
// blue velvet strewn with stars, under cold moonlight.
Theme nuit()
{
    Theme t {};
    t.name = "Nuit";
    t.light = mat(Pattern::Wood, 0xB8C4D8, 0x8A98B4, 1.4, 0.35, 80, 0.05);
    t.dark = mat(Pattern::Wood, 0x161A2E, 0x06070E, 1.4, 0.45, 120, 0.06);
    t.frame = mat(Pattern::Marble, 0x0C0E1C, 0x2A3050, 2.5, 0.6, 300, 0.08);
    t.side = mat(Pattern::Marble, 0x080A14, 0x1C2038, 2, 0.4, 60, 0.05);
    t.table = glowing(mat(Pattern::Felt, 0x18204A, 0x080A1E, 1, 0.04, 8), 0xCFE0FF, 1.4);
    t.inlay = rgb(0xC8D8F0);
    t.inlayGlow = rgb(0x9CC0FF) * 0.6;
    t.tileEdges = false;
    t.lighting = { light(-0.35, 0.3, 0.88),
                   rgb(0xC8D8FF) * 2.0,
                   rgb(0x3A4A80) * 0.5,
                   rgb(0x9AB0E0),
                   rgb(0x10162E),
                   0.97,
                   2.6 };
    return t;
}

Theme luxe()
{
    Theme t {};
    t.name = "Luxe";
    t.light = mat(Pattern::Marble, 0xF3F0EA, 0x8C8682, 2.5, 0.5, 400, 0.06);
    t.dark = mat(Pattern::Marble, 0x1A4A38, 0xBFD9CB, 2.5, 0.55, 400, 0.06);
    t.frame = mat(Pattern::Marble, 0x18181A, 0x8A8078, 3, 0.6, 400, 0.08);
    t.side = mat(Pattern::Marble, 0x141416, 0x6A625C, 2, 0.4, 60, 0.05);
    t.table = mat(Pattern::Felt, 0x7A1628, 0x420A16, 1, 0.06, 8);
    t.inlay = rgb(0xE2B84A);
    t.tileEdges = true;
    t.lighting = { light(-0.4, 0.2, 0.9),
                   rgb(0xFFF4E6) * 2.2,
                   rgb(0xB8A8B0) * 0.45,
                   rgb(0xFFF2E0),
                   rgb(0x5A2A30),
                   0.45,
                   9 };
    return t;
}

Theme copacabana()
{
    Theme t {};
    t.name = "Copacabana";
    t.light = mat(Pattern::Tile, 0xF8F6EE, 0xE4E0D0, 1, 0.6, 300, 0.05);
    t.dark = mat(Pattern::Tile, 0x1FA2A6, 0x11788A, 1, 0.6, 300, 0.06);
    t.frame = mat(Pattern::Wood, 0x3478B8, 0x2A5E94, 2, 0.2, 30);
    t.side = mat(Pattern::Wood, 0x2A6098, 0x1E4A7A, 1.5, 0.15, 20);
    t.table = mat(Pattern::Sand, 0xF0DCAE, 0xCFAF7E, 2.2, 0.02, 5);
    t.inlay = rgb(0xFFD35A);
    t.tileEdges = true;
    t.lighting = { light(-0.5, 0.1, 0.85),
                   rgb(0xFFF6E2) * 2.9,
                   rgb(0x9CCBF0) * 0.55,
                   rgb(0xBFE4FF),
                   rgb(0xF2DDB0),
                   0,
                   8 };
    return t;
}

Theme ipanema()
{
    Theme t {};
    t.name = "Ipanema";
    t.light = mat(Pattern::Wood, 0xE8C47C, 0xC89A52, 1.2, 0.2, 40, 0.02);
    t.dark = mat(Pattern::Wood, 0x6A2E34, 0x3E1620, 1.4, 0.3, 50, 0.04);
    t.frame = mat(Pattern::Wood, 0x2E5A4A, 0x1C3A30, 2, 0.25, 40, 0.03);
    t.side = mat(Pattern::Wood, 0x24483A, 0x142A22, 1.5, 0.15, 20);
    t.table = mat(Pattern::Wood, 0x9A6238, 0x5E3418, 4.5, 0.1, 20);
    t.inlay = rgb(0xF2C48A);
    t.tileEdges = false;
    t.lighting = { light(-0.65, 0.15, 0.75),
                   rgb(0xFFB878) * 2.5,
                   rgb(0xB07AB8) * 0.5,
                   rgb(0xFFA070),
                   rgb(0x6A3A6A),
                   0.5,
                   8 };
    return t;
}

Theme inferno()
{
    Theme t {};
    t.name = "Inferno";
    t.light = mat(Pattern::Stone, 0x6E625A, 0x3E3632, 1.5, 0.15, 20);
    t.dark = glowing(mat(Pattern::Lava, 0x1E1816, 0x000000, 1.1, 0.3, 40), 0xFF5010, 2.6);
    t.frame = mat(Pattern::Marble, 0x0A0808, 0x3A1208, 2, 0.9, 400, 0.08);
    t.side = mat(Pattern::Marble, 0x080606, 0x2A0C06, 2, 0.5, 60, 0.05);
    t.table = glowing(mat(Pattern::Lava, 0x161210, 0x000000, 3.0, 0.1, 20), 0xFF3A06, 1.1);
    t.inlay = rgb(0x300A04);
    t.inlayGlow = rgb(0xFF4A10) * 1.8;
    t.tileEdges = true;
    t.lighting = { light(-0.3, 0.2, 0.9),
                   rgb(0xFF9A5C) * 1.6,
                   rgb(0x6A1C10) * 0.45,
                   rgb(0x5A1A08),
                   rgb(0x0C0302),
                   0.75,
                   6 };
    return t;
}

Theme grandLuxe()
{
    Theme t {};
    t.name = "Grand luxe";
    t.light = mat(Pattern::Nacre, 0xF6F0EC, 0xDCE6F2, 1.3, 0.5, 300, 0.06);
    t.dark = mat(Pattern::Wood, 0x3A2418, 0x0C0806, 1.6, 0.4, 500, 0.04);
    t.frame = mat(Pattern::Metal, 0xD4A437, 0xD4A437, 1, 1.1, 60, 0.45);
    t.side = mat(Pattern::Metal, 0xB08424, 0xB08424, 1, 0.9, 40, 0.35);
    t.table = mat(Pattern::Felt, 0x1C2C78, 0x0C1648, 1, 0.05, 8);
    t.inlay = rgb(0xE8E8EC);
    t.tileEdges = true;
    t.lighting = { light(-0.35, 0.2, 0.9),
                   rgb(0xFFF4E8) * 2.3,
                   rgb(0xA8B0D0) * 0.4,
                   rgb(0xE8DCC8),
                   rgb(0x20284A),
                   0.55,
                   8 };
    return t;
}

Theme salvador()
{
    Theme t {};
    t.name = "Salvador da Bahia";
    t.light = mat(Pattern::Stone, 0xEAE2CC, 0xD2C6A8, 1.4, 0.15, 25);
    t.dark = mat(Pattern::Stone, 0x8A3E26, 0x5E2818, 1.4, 0.2, 30);
    t.frame = mat(Pattern::Wood, 0xB48A52, 0x7A5A30, 2, 0.2, 30);
    t.side = mat(Pattern::Wood, 0x8A6438, 0x5A3E20, 1.5, 0.15, 20);
    t.table = mat(Pattern::Azulejo, 0xF2F0E8, 0x1E4CA0, 1.5, 0.4, 50, 0.04);
    t.inlay = rgb(0x2456B0);
    t.tileEdges = false;
    t.lighting = { light(-0.5, 0.2, 0.85),
                   rgb(0xFFE4B8) * 2.4,
                   rgb(0x90B8C8) * 0.5,
                   rgb(0xCFE6F0),
                   rgb(0xB08A60),
                   0.25,
                   9 };
    return t;
}

PieceSet woodSet()
{
    return { mat(Pattern::Wood, 0xF6E7C6, 0xDCC396, 0.5, 0.35, 40, 0.04),
             mat(Pattern::Wood, 0x3A2216, 0x160C08, 0.5, 0.4, 40, 0.05),
             rgb(0xE0A82A),
             rgb(0xE8B840),
             {} };
}

} // namespace

const Theme& theme(int n)
{
    static const std::array<Theme, kThemes> themes { classique(),  nuit(),    luxe(),
                                                     copacabana(), ipanema(), inferno(),
                                                     grandLuxe(),  salvador() };
    return themes[static_cast<size_t>(n - 1)];
}

const PieceSet& pieceSet(int n)
{
    static const std::array<PieceSet, kThemes> sets {
        woodSet(),
        // Moonstone and midnight-blue lacquer with silver crowns and rings.
        PieceSet { mat(Pattern::Nacre, 0xECF0F8, 0xC8D4EC, 0.6, 0.6, 120, 0.08),
                   mat(Pattern::Plain, 0x101A44, 0x101A44, 1, 1.0, 300, 0.1), rgb(0xB8C8E8),
                   rgb(0xD8E4F8), rgb(0xC8D4E8) },
        PieceSet { mat(Pattern::Marble, 0xF7F0E0, 0xC8BCA0, 0.6, 0.6, 70, 0.08),
                   mat(Pattern::Marble, 0x141416, 0x55555E, 0.6, 0.8, 90, 0.14), rgb(0xD8A830),
                   rgb(0xE6BC48), rgb(0xD4AA40) },
        PieceSet { mat(Pattern::Plain, 0xFAFAF6, 0xFAFAF6, 1, 0.8, 90, 0.1),
                   mat(Pattern::Plain, 0xC8341E, 0xC8341E, 1, 0.8, 90, 0.1),
                   rgb(0x1FA2D6),
                   rgb(0xFFD040),
                   {} },
        PieceSet { mat(Pattern::Wood, 0xF4DFB4, 0xDABF86, 0.45, 0.35, 40, 0.04),
                   mat(Pattern::Wood, 0x4A2418, 0x24100A, 0.45, 0.45, 50, 0.05),
                   rgb(0xC8402A),
                   rgb(0xF0B048),
                   {} },
        PieceSet { mat(Pattern::Stone, 0xE8DED2, 0xB8AA98, 0.5, 0.2, 20, 0.02),
                   mat(Pattern::Plain, 0x0A0808, 0x0A0808, 1, 1.2, 500, 0.1),
                   rgb(0xC01808),
                   rgb(0xFF7A18),
                   {} },
        PieceSet { mat(Pattern::Metal, 0xE8BE58, 0xE8BE58, 0.5, 1.2, 70, 0.55),
                   mat(Pattern::Plain, 0x0A0808, 0x0A0808, 1, 1.0, 500, 0.06), rgb(0xB01830),
                   rgb(0xE4B440), rgb(0xE0B450) },
        PieceSet { mat(Pattern::Plain, 0xF4F6F8, 0xF4F6F8, 1, 0.8, 90, 0.08),
                   mat(Pattern::Plain, 0x13307A, 0x13307A, 1, 0.8, 90, 0.1), rgb(0x2050B0),
                   rgb(0xF0C040), rgb(0x2456B0) },
    };
    return sets[static_cast<size_t>(n - 1)];
}

} // namespace render3d
