// Paints the six 60 x 60 square images of the flat board: the light square,
// the empty dark square, and the four pieces on a dark square. Pieces are
// turned wooden discs seen from above: a soft shadow, a bevelled rim, two
// grooves and a lit face; kings carry a gold crown.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int kSize = 60;

// Fine wood grain: gently waving stripes of two close tones.
void woodSquare(QPainter& p, QColor base, QColor grain, int seed)
{
    p.fillRect(0, 0, kSize, kSize, base);
    p.setPen(Qt::NoPen);
    for (int y = 0; y < kSize; y += 3) {
        const int wave = ((y * 7 + seed * 13) % 11) - 5;
        QColor c = grain;
        c.setAlpha(28 + ((y + seed) % 4) * 10);
        p.setBrush(c);
        p.drawRect(QRectF(0, y + wave * 0.15, kSize, 1.2));
    }
    QLinearGradient light(0, 0, kSize, kSize);
    light.setColorAt(0, QColor(255, 255, 255, 22));
    light.setColorAt(1, QColor(0, 0, 0, 22));
    p.fillRect(0, 0, kSize, kSize, light);
}

void darkSquare(QPainter& p)
{
    woodSquare(p, QColor(0x5a, 0x3a, 0x22), QColor(0x2e, 0x1c, 0x10), 3);
}

void crown(QPainter& p, QPointF c, QColor edge)
{
    QPainterPath path;
    const double w = 19, h = 13;
    const double x = c.x() - w / 2, y = c.y() - h / 2 + 1;
    path.moveTo(x, y + h);
    path.lineTo(x, y + 3);
    path.lineTo(x + w * 0.25, y + h * 0.55);
    path.lineTo(x + w * 0.5, y);
    path.lineTo(x + w * 0.75, y + h * 0.55);
    path.lineTo(x + w, y + 3);
    path.lineTo(x + w, y + h);
    path.closeSubpath();
    QLinearGradient gold(x, y, x, y + h);
    gold.setColorAt(0, QColor(0xff, 0xe6, 0x8a));
    gold.setColorAt(0.5, QColor(0xe0, 0xae, 0x2c));
    gold.setColorAt(1, QColor(0xa8, 0x74, 0x10));
    p.setBrush(gold);
    p.setPen(QPen(edge, 1.0));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x20, 0x30));
    p.drawEllipse(QPointF(x + w * 0.5, y + h * 0.72), 1.8, 1.8);
}

void piece(QPainter& p, bool white, bool king)
{
    darkSquare(p);
    const QPointF c(kSize / 2.0, kSize / 2.0);
    const double r = 23.5;

    QRadialGradient shadow(c + QPointF(2.5, 3), r + 3);
    shadow.setColorAt(0.8, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(2.5, 3), r + 3, r + 3);

    const QColor face = white ? QColor(0xf3, 0xea, 0xd6) : QColor(0x2a, 0x24, 0x22);
    const QColor rimDark = white ? QColor(0xa8, 0x98, 0x7c) : QColor(0x0c, 0x0a, 0x0a);
    const QColor rimLight = white ? QColor(0xff, 0xfb, 0xf2) : QColor(0x5c, 0x52, 0x4e);

    QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
    rim.setColorAt(0, rimLight);
    rim.setColorAt(1, rimDark);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);

    QRadialGradient top(c - QPointF(6, 7), r);
    top.setColorAt(0, face.lighter(white ? 104 : 150));
    top.setColorAt(1, face.darker(white ? 112 : 120));
    p.setBrush(top);
    p.drawEllipse(c, r - 3, r - 3);

    p.setBrush(Qt::NoBrush);
    for (double g : { r - 8.5, r - 14.0 }) {
        p.setPen(QPen(QColor(0, 0, 0, white ? 55 : 110), 1.3));
        p.drawEllipse(c + QPointF(0.4, 0.4), g, g);
        p.setPen(QPen(QColor(255, 255, 255, white ? 150 : 45), 0.9));
        p.drawEllipse(c - QPointF(0.5, 0.5), g, g);
    }
    if (king) crown(p, c, white ? QColor(0x7a, 0x52, 0x08) : QColor(0x3a, 0x24, 0x00));
}

bool save(const QImage& img, const QString& path)
{
    if (img.save(path, "BMP")) return true;
    std::fprintf(stderr, "kv-imagegen: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-imagegen DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    struct Item {
        const char* name;
        int kind; // 0 light, 1 empty dark, 2.. pieces
    };
    const Item items[] = { { "1cache.BMP", 0 }, { "1pva.bmp", 1 }, { "1pba.BMP", 2 },
                           { "1pna.bmp", 3 },   { "1dba.bmp", 4 }, { "1dna.bmp", 5 } };
    bool ok = true;
    for (const Item& it : items) {
        QImage img(kSize, kSize, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        switch (it.kind) {
        case 0: woodSquare(p, QColor(0xe9, 0xd2, 0xa6), QColor(0xb8, 0x93, 0x5c), 7); break;
        case 1: darkSquare(p); break;
        default: piece(p, it.kind == 2 || it.kind == 4, it.kind >= 4); break;
        }
        p.end();
        ok = save(img, dir + "/" + it.name) && ok;
    }
    return ok ? 0 : 1;
}
