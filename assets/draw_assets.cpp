// Draws the pictures of Kelvaro: the underwater background behind the trading screen (at normal
// and at double resolution) and the fish icon of the application in four sizes.
//
//     QT_QPA_PLATFORM=offscreen kelvaro_draw_assets [output-folder]
//
// Everything is painted from fixed numbers and a fixed random seed, so running the program again
// writes exactly the same files.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <random>
#include <vector>

namespace {

// The background is designed in these logical pixels; the @2x picture paints the same scene
// through a painter scaled by two.
constexpr int kSceneWidth = 789;
constexpr int kSceneHeight = 498;

// ---------------------------------------------------------------------------------------------
// Small helpers
// ---------------------------------------------------------------------------------------------

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

QColor rgba(int r, int g, int b, double alpha = 1.0) {
    QColor c(r, g, b);
    c.setAlphaF(float(clamp01(alpha)));
    return c;
}

QColor withAlpha(QColor c, double alpha) {
    c.setAlphaF(float(clamp01(alpha)));
    return c;
}

QColor mix(const QColor &a, const QColor &b, double t) {
    const float u = float(clamp01(t));
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * u, a.greenF() + (b.greenF() - a.greenF()) * u,
        a.blueF() + (b.blueF() - a.blueF()) * u, a.alphaF() + (b.alphaF() - a.alphaF()) * u);
}

QPointF lerp(const QPointF &a, const QPointF &b, double t) { return a + (b - a) * t; }

// Random numbers from the standard Mersenne twister only (its output is the same everywhere),
// so the pictures do not depend on the library's distribution classes.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    double uniform(double lo, double hi) {
        return lo + (hi - lo) * (double(engine_()) / 4294967296.0);
    }

private:
    std::mt19937 engine_;
};

// Integer hash for the cellular light pattern: the same cell always gets the same point.
double cellHash(int i, int j, std::uint32_t salt) {
    std::uint32_t h = std::uint32_t(i) * 0x8da6b343u;
    h ^= std::uint32_t(j) * 0xd8163841u;
    h ^= salt * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h & 0xffffffu) / double(0x1000000);
}

// Smooth value noise in [0, 1], used to make light and rocks less regular.
double valueNoise(double x, double y, std::uint32_t salt) {
    const int i = int(std::floor(x));
    const int j = int(std::floor(y));
    const double fx = smoothstep(0.0, 1.0, x - i);
    const double fy = smoothstep(0.0, 1.0, y - j);
    const double top =
        cellHash(i, j, salt) + (cellHash(i + 1, j, salt) - cellHash(i, j, salt)) * fx;
    const double bottom =
        cellHash(i, j + 1, salt) + (cellHash(i + 1, j + 1, salt) - cellHash(i, j + 1, salt)) * fx;
    return top + (bottom - top) * fy;
}

// ---------------------------------------------------------------------------------------------
// Layers: parts of the scene are painted on their own transparent image, softened or tinted,
// and then laid over the picture.
// ---------------------------------------------------------------------------------------------

QImage blankLayer(double scale) {
    QImage layer(int(std::lround(kSceneWidth * scale)), int(std::lround(kSceneHeight * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void preparePainter(QPainter &p, double scale) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
}

void putLayer(QPainter &p, const QImage &layer,
              QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver) {
    p.save();
    p.setCompositionMode(mode);
    p.drawImage(QRectF(0, 0, kSceneWidth, kSceneHeight), layer);
    p.restore();
}

void boxBlurLine(QRgb *first, int count, std::ptrdiff_t step, int radius, std::vector<QRgb> &line) {
    line.resize(std::size_t(count));
    for (int i = 0; i < count; ++i)
        line[std::size_t(i)] = first[i * step];

    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](int index, int sign) {
        const QRgb c = line[std::size_t(std::clamp(index, 0, count - 1))];
        sum[0] += sign * qAlpha(c);
        sum[1] += sign * qRed(c);
        sum[2] += sign * qGreen(c);
        sum[3] += sign * qBlue(c);
    };
    for (int i = -radius; i <= radius; ++i)
        add(i, 1);
    for (int i = 0; i < count; ++i) {
        first[i * step] = qRgba((sum[1] + radius) / window, (sum[2] + radius) / window,
                                (sum[3] + radius) / window, (sum[0] + radius) / window);
        add(i + radius + 1, 1);
        add(i - radius, -1);
    }
}

// Three box passes each way come close to a gaussian blur of the given radius (in pixels).
void blurLayer(QImage &image, double radius) {
    const int r = int(std::lround(radius / 1.7));
    if (r < 1)
        return;
    std::vector<QRgb> line;
    const int w = image.width();
    const int h = image.height();
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const std::ptrdiff_t stride = image.bytesPerLine() / 4;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxBlurLine(bits + y * stride, w, 1, r, line);
        for (int x = 0; x < w; ++x)
            boxBlurLine(bits + x, h, stride, r, line);
    }
}

// ---------------------------------------------------------------------------------------------
// Water
// ---------------------------------------------------------------------------------------------

struct WaterStop {
    double at;
    QColor colour;
};

std::array<WaterStop, 6> waterStops() {
    return {{{0.00, QColor(86, 188, 234)},
             {0.13, QColor(38, 142, 208)},
             {0.32, QColor(20, 104, 178)},
             {0.56, QColor(11, 74, 146)},
             {0.80, QColor(6, 48, 108)},
             {1.00, QColor(3, 28, 72)}}};
}

QLinearGradient waterGradient() {
    QLinearGradient g(0, 0, 0, kSceneHeight);
    for (const WaterStop &stop : waterStops())
        g.setColorAt(stop.at, stop.colour);
    return g;
}

// The colour of open water at a given depth of the picture, for fish seen through it.
QColor waterAt(double y) {
    const auto stops = waterStops();
    const double t = clamp01(y / kSceneHeight);
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const double u = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            return mix(stops[i - 1].colour, stops[i].colour, u);
        }
    }
    return stops.back().colour;
}

constexpr double kSunX = 560.0;

void drawWater(QPainter &p) {
    const QRectF scene(0, 0, kSceneWidth, kSceneHeight);
    p.fillRect(scene, waterGradient());

    // Glow of the sun through the surface, upper right of the middle.
    QRadialGradient glow(QPointF(kSunX, -60), 470);
    glow.setColorAt(0.0, rgba(210, 245, 255, 0.55));
    glow.setColorAt(0.35, rgba(150, 220, 250, 0.22));
    glow.setColorAt(1.0, rgba(120, 200, 245, 0.0));
    p.fillRect(scene, glow);

    // The left half is in the shade of the open water, which keeps the labels over it readable.
    p.save();
    p.translate(120, 190);
    p.scale(1.5, 1.0);
    QRadialGradient shade(QPointF(0, 0), 230);
    shade.setColorAt(0.0, rgba(4, 30, 80, 0.36));
    shade.setColorAt(0.55, rgba(4, 30, 80, 0.22));
    shade.setColorAt(1.0, rgba(4, 30, 80, 0.0));
    p.fillRect(QRectF(-200, -300, 500, 600), shade);
    p.restore();
}

// Distance from a point to the border between the two nearest cells of a jittered grid: small
// values are the bright lines of sunlight focused by the ripples of the surface.
double cellBorderDistance(double x, double y, std::uint32_t salt) {
    const int ci = int(std::floor(x));
    const int cj = int(std::floor(y));
    double nearest = 1e9;
    double second = 1e9;
    for (int dj = -1; dj <= 1; ++dj) {
        for (int di = -1; di <= 1; ++di) {
            const int i = ci + di;
            const int j = cj + dj;
            const double px = i + 0.1 + 0.8 * cellHash(i, j, salt);
            const double py = j + 0.1 + 0.8 * cellHash(i, j, salt + 7u);
            const double d = std::hypot(x - px, y - py);
            if (d < nearest) {
                second = nearest;
                nearest = d;
            } else if (d < second) {
                second = d;
            }
        }
    }
    return second - nearest;
}

double causticLight(double x, double y) {
    // Seen from below at a slant the ripple pattern is squeezed vertically; a smooth random warp
    // keeps the cells from looking like a grid.
    const double warpX = valueNoise(x / 38.0, y / 16.0, 41u) - 0.5;
    const double warpY = valueNoise(x / 38.0, y / 16.0, 43u) - 0.5;
    const double u = x / 30.0 + 1.1 * warpX + 0.3 * std::sin(y / 9.0 + x / 41.0);
    const double v = y / 12.0 + 1.1 * warpY;
    const double lines = 1.0 - smoothstep(0.0, 0.13, cellBorderDistance(u, v, 11u));
    const double fine = 1.0 - smoothstep(0.0, 0.1, cellBorderDistance(u * 1.9, v * 1.9, 29u));
    const double patches = 0.25 + 0.75 * valueNoise(x / 70.0, y / 40.0, 5u);
    return (0.8 * lines * lines + 0.2 * fine * fine) * patches;
}

void drawCaustics(QPainter &p, double scale) {
    constexpr double kDepth = 125.0;
    QImage layer = blankLayer(scale);
    const int rows = std::min(layer.height(), int(std::ceil(kDepth * scale)));
    for (int py = 0; py < rows; ++py) {
        auto *line = reinterpret_cast<QRgb *>(layer.scanLine(py));
        const double y = (py + 0.5) / scale;
        const double fade = std::pow(1.0 - smoothstep(0.0, kDepth, y), 1.6);
        for (int px = 0; px < layer.width(); ++px) {
            const double x = (px + 0.5) / scale;
            const double sun = 0.45 + 0.55 * std::exp(-std::pow((x - kSunX) / 330.0, 2.0));
            const double a = clamp01(0.6 * fade * sun * causticLight(x, y));
            const int alpha = int(std::lround(a * 255.0));
            line[px] = qRgba(alpha * 235 / 255, alpha * 250 / 255, alpha, alpha);
        }
    }
    blurLayer(layer, 1.2 * scale);
    putLayer(p, layer, QPainter::CompositionMode_Screen);
}

void drawLightRays(QPainter &p, double scale, Dice &dice) {
    QImage layer = blankLayer(scale);
    {
        QPainter lp(&layer);
        preparePainter(lp, scale);
        const QPointF sun(kSunX, -420);
        double x = -40;
        while (x < kSceneWidth + 120) {
            const QPointF surface(x, 0);
            QPointF dir = surface - sun;
            dir /= std::hypot(dir.x(), dir.y());
            const QPointF across(-dir.y(), dir.x());
            const double length = dice.uniform(240, 460);
            const double top = dice.uniform(5, 16);
            const double bottom = top * dice.uniform(2.0, 3.4);
            const double nearSun = std::exp(-std::pow((x - kSunX) / 300.0, 2.0));
            const double strength = dice.uniform(0.10, 0.24) * (0.35 + 0.65 * nearSun);

            const QPointF start = surface - dir * 30.0;
            const QPointF end = surface + dir * length;
            QPolygonF ray;
            ray << start - across * top << start + across * top << end + across * bottom
                << end - across * bottom;
            QLinearGradient g(start, end);
            g.setColorAt(0.0, rgba(235, 250, 255, strength));
            g.setColorAt(0.45, rgba(220, 245, 255, strength * 0.45));
            g.setColorAt(1.0, rgba(220, 245, 255, 0.0));
            lp.setPen(Qt::NoPen);
            lp.setBrush(g);
            lp.drawPolygon(ray);
            x += dice.uniform(38, 95);
        }
    }
    blurLayer(layer, 9.0 * scale);
    putLayer(p, layer, QPainter::CompositionMode_Screen);
}

// Height of a rocky ridge at x: a sum of rounded bumps of random places and sizes.
struct Bump {
    double x;
    double width;
    double height;
};

std::vector<Bump> makeBumps(Dice &dice, int count, double minHeight, double maxHeight) {
    std::vector<Bump> bumps;
    for (int i = 0; i < count; ++i) {
        const double x = dice.uniform(-60, kSceneWidth + 60);
        const double width = dice.uniform(22, 85);
        const double height = dice.uniform(minHeight, maxHeight);
        bumps.push_back({x, width, height});
    }
    return bumps;
}

double ridgeHeight(const std::vector<Bump> &bumps, double x, std::uint32_t salt) {
    double h = 0;
    for (const Bump &b : bumps) {
        const double t = (x - b.x) / b.width;
        h = std::max(h, b.height * std::exp(-t * t));
    }
    return h + 4.0 * valueNoise(x / 9.0, 0.5, salt);
}

struct Ridge {
    std::vector<Bump> bumps;
    double base;
    std::uint32_t salt;

    double topAt(double x) const { return base - ridgeHeight(bumps, x, salt); }
};

// Sea fans and branching coral: a stem that forks again and again.
void drawBranches(QPainter &p, Dice &dice, QPointF from, double angle, double length, double width,
                  int depth, double spread, double shrink) {
    const QPointF to = from + QPointF(std::sin(angle), -std::cos(angle)) * length;
    p.setPen(QPen(p.pen().color(), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (depth == 0)
        return;
    for (int side = -1; side <= 1; side += 2) {
        const double turn = side * dice.uniform(0.35, 1.0) * spread;
        drawBranches(p, dice, to, angle + turn, length * shrink * dice.uniform(0.85, 1.1),
                     width * 0.75, depth - 1, spread * 0.92, shrink);
    }
}

void drawGrowth(QPainter &p, Dice &dice, const Ridge &ridge, double haze, int count) {
    p.save();
    for (int i = 0; i < count; ++i) {
        const double x = dice.uniform(10, kSceneWidth - 10);
        const QPointF foot(x, ridge.topAt(x) + 3);
        const bool fan = dice.uniform(0, 1) < 0.5;
        const QColor colour = fan ? QColor(130, 60, 100) : QColor(140, 116, 86);
        p.setPen(QPen(withAlpha(mix(colour, waterAt(foot.y() - 20), haze), 0.8)));
        if (fan) {
            drawBranches(p, dice, foot, dice.uniform(-0.15, 0.15), dice.uniform(4, 6), 2.2, 7, 0.42,
                         0.9);
        } else {
            for (int stem = 0; stem < 4; ++stem)
                drawBranches(p, dice, foot, dice.uniform(-0.9, 0.9), dice.uniform(6, 9), 3.4, 3,
                             0.45, 0.75);
        }
    }
    p.restore();
}

Ridge drawRidge(QPainter &p, Dice &dice, double base, int count, double minHeight, double maxHeight,
                double haze, std::uint32_t salt) {
    const std::vector<Bump> bumps = makeBumps(dice, count, minHeight, maxHeight);
    QPainterPath ridge;
    ridge.moveTo(-10, kSceneHeight + 10);
    for (double x = -10; x <= kSceneWidth + 10; x += 2)
        ridge.lineTo(x, base - ridgeHeight(bumps, x, salt));
    ridge.lineTo(kSceneWidth + 10, kSceneHeight + 10);
    ridge.closeSubpath();

    const double top = base - maxHeight;
    QLinearGradient g(0, top, 0, kSceneHeight);
    g.setColorAt(0.0, mix(QColor(58, 96, 112), waterAt(top), haze));
    g.setColorAt(0.35, mix(QColor(26, 58, 78), waterAt(base), haze));
    g.setColorAt(1.0, mix(QColor(8, 24, 42), waterAt(kSceneHeight), haze * 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ridge);

    // Lumps of coral and stone: lighter tops, darker undersides.
    p.save();
    p.setClipPath(ridge);
    for (int i = 0; i < count * 4; ++i) {
        const double x = dice.uniform(0, kSceneWidth);
        const double y = base - ridgeHeight(bumps, x, salt) + dice.uniform(4, 40);
        const double r = dice.uniform(5, 16);
        QRadialGradient lump(QPointF(x - r * 0.3, y - r * 0.4), r * 1.3);
        lump.setColorAt(0.0, withAlpha(mix(QColor(90, 130, 140), waterAt(y), haze), 0.35));
        lump.setColorAt(0.6, withAlpha(mix(QColor(40, 75, 92), waterAt(y), haze), 0.18));
        lump.setColorAt(1.0, rgba(10, 30, 50, 0.0));
        p.setBrush(lump);
        p.drawEllipse(QPointF(x, y), r * 1.3, r);
    }
    p.restore();
    return {bumps, base, salt};
}

void drawSeabed(QPainter &p, Dice &dice) {
    const Ridge far = drawRidge(p, dice, 470, 10, 10, 34, 0.72, 3u);
    drawGrowth(p, dice, far, 0.8, 6);
    const Ridge near = drawRidge(p, dice, 505, 9, 12, 40, 0.5, 9u);
    drawGrowth(p, dice, near, 0.68, 5);
}

// Drifting specks in the water; soft dots of various sizes.
void drawParticles(QPainter &p, Dice &dice, int count, double maxRadius, double maxAlpha) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(dice.uniform(0, kSceneWidth), dice.uniform(0, kSceneHeight));
        const double r = dice.uniform(0.5, maxRadius);
        const double a = dice.uniform(0.2, 1.0) * maxAlpha * (1.0 - 0.5 * c.y() / kSceneHeight);
        QRadialGradient g(c, r);
        g.setColorAt(0.0, rgba(225, 245, 255, a));
        g.setColorAt(0.5, rgba(210, 240, 255, a * 0.6));
        g.setColorAt(1.0, rgba(210, 240, 255, 0.0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

void drawBubble(QPainter &p, const QPointF &c, double r) {
    QRadialGradient body(c, r);
    body.setColorAt(0.0, rgba(200, 235, 255, 0.04));
    body.setColorAt(0.7, rgba(200, 235, 255, 0.12));
    body.setColorAt(0.92, rgba(230, 250, 255, 0.5));
    body.setColorAt(1.0, rgba(230, 250, 255, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    const QPointF spot = c + QPointF(-0.35 * r, -0.38 * r);
    QRadialGradient shine(spot, r * 0.35);
    shine.setColorAt(0.0, rgba(255, 255, 255, 0.85));
    shine.setColorAt(1.0, rgba(255, 255, 255, 0.0));
    p.setBrush(shine);
    p.drawEllipse(spot, r * 0.35, r * 0.35);
}

// A loose column of bubbles rising from somewhere below, growing as they rise.
void drawBubbleTrail(QPainter &p, Dice &dice, QPointF from, double to, int count) {
    for (int i = 0; i < count; ++i) {
        const double t = dice.uniform(0, 1);
        const double y = from.y() + (to - from.y()) * t;
        const double x = from.x() + 7.0 * std::sin(t * 9.0 + dice.uniform(0, 1)) +
                         dice.uniform(-3, 3) + 18.0 * t;
        drawBubble(p, QPointF(x, y), 1.1 + 2.6 * t * dice.uniform(0.6, 1.2));
    }
}

void drawVignette(QPainter &p) {
    p.save();
    p.translate(kSceneWidth * 0.5, kSceneHeight * 0.42);
    p.scale(1.0, 0.72);
    QRadialGradient g(QPointF(0, 0), 560);
    g.setColorAt(0.0, rgba(0, 12, 40, 0.0));
    g.setColorAt(0.6, rgba(0, 12, 40, 0.0));
    g.setColorAt(1.0, rgba(0, 12, 40, 0.4));
    p.fillRect(QRectF(-600, -600, 1200, 1200), g);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Fins, shared by both kinds of fish
// ---------------------------------------------------------------------------------------------

// Fish are drawn in their own units: heading right, the snout near x = 1, the body around the
// origin. The painter's transform places and sizes them.

struct FinRays {
    QPointF rootFrom;
    QPointF rootTo;
    QPointF tipFrom;
    QPointF tipTo;
    int count;
};

void paintFinRays(QPainter &p, const QPainterPath &fin, const FinRays &rays, const QColor &colour,
                  double width) {
    p.save();
    p.setClipPath(fin, Qt::IntersectClip);
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    for (int i = 0; i < rays.count; ++i) {
        const double t = rays.count > 1 ? double(i) / (rays.count - 1) : 0.5;
        p.drawLine(lerp(rays.rootFrom, rays.rootTo, t), lerp(rays.tipFrom, rays.tipTo, t));
    }
    p.restore();
}

struct FinLook {
    QColor root;   // colour where the fin meets the body
    QColor edge;   // colour (with its translucency) towards the edge
    QColor margin; // thin line along the edge
    QColor rays;
};

void paintFin(QPainter &p, const QPainterPath &fin, const QPointF &root, const QPointF &tip,
              const FinLook &look, const FinRays *rays, double pixel) {
    QLinearGradient g(root, tip);
    g.setColorAt(0.0, look.root);
    g.setColorAt(0.55, mix(look.root, look.edge, 0.6));
    g.setColorAt(1.0, look.edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(fin);
    if (rays)
        paintFinRays(p, fin, *rays, look.rays, std::max(0.012, pixel * 0.6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.margin, std::max(0.02, pixel * 0.8)));
    p.drawPath(fin);
}

// Soft roundness of a body: dark towards its outline, a sheen where the light from above hits.
void shadeBody(QPainter &p, const QPainterPath &body, const QPointF &centre, double rx, double ry,
               const QColor &shadow, const QPointF &shineAt, double shineR, double shineAlpha) {
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(Qt::NoPen);

    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient volume(QPointF(0, -0.15 * rx), rx * 1.08);
    volume.setColorAt(0.0, withAlpha(shadow, 0.0));
    volume.setColorAt(0.4, withAlpha(shadow, 0.0));
    volume.setColorAt(0.75, withAlpha(shadow, shadow.alphaF() * 0.3));
    volume.setColorAt(1.0, shadow);
    p.setBrush(volume);
    p.drawRect(QRectF(-2 * rx, -2 * rx, 4 * rx, 4 * rx));
    p.restore();

    p.save();
    p.translate(shineAt);
    p.scale(1.0, 0.55);
    QRadialGradient shine(QPointF(0, 0), shineR);
    shine.setColorAt(0.0, rgba(255, 255, 245, shineAlpha));
    shine.setColorAt(0.5, rgba(255, 255, 240, shineAlpha * 0.35));
    shine.setColorAt(1.0, rgba(255, 255, 240, 0.0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, 0), shineR, shineR);
    p.restore();

    p.restore();
}

// Sunlight from above catching the upper edge of a body.
void paintTopLight(QPainter &p, const QPainterPath &body, double top, double fadeAt) {
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    QLinearGradient light(0, top, 0, fadeAt);
    light.setColorAt(0.0, rgba(255, 246, 200, 0.5));
    light.setColorAt(1.0, rgba(255, 246, 200, 0.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(light), 0.09));
    p.drawPath(body);
    p.restore();
}

// Less light reaches the underside.
void paintUnderShade(QPainter &p, const QPainterPath &body, double from, double bottom) {
    QLinearGradient shade(0, from, 0, bottom);
    shade.setColorAt(0.0, rgba(90, 40, 30, 0.0));
    shade.setColorAt(1.0, rgba(90, 40, 30, 0.28));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.fillRect(QRectF(-1.5, from, 3.0, bottom - from + 0.1), shade);
    p.restore();
}

void drawEye(QPainter &p, const QPointF &c, double r, const QColor &ring, bool sparkle) {
    p.setPen(Qt::NoPen);
    QRadialGradient iris(c, r);
    iris.setColorAt(0.0, QColor(40, 26, 10));
    iris.setColorAt(0.62, QColor(40, 26, 10));
    iris.setColorAt(0.75, ring);
    iris.setColorAt(1.0, ring.darker(170));
    p.setBrush(iris);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(6, 4, 2));
    p.drawEllipse(c + QPointF(0.05 * r, 0.02 * r), r * 0.5, r * 0.5);
    if (sparkle) {
        p.setBrush(rgba(255, 255, 255, 0.9));
        p.drawEllipse(c + QPointF(-0.22 * r, -0.28 * r), r * 0.2, r * 0.17);
    }
}

// ---------------------------------------------------------------------------------------------
// Orange tang (a surgeonfish): oval, flat body, pointed snout, crescent tail, long low fins
// along the back and belly.
// ---------------------------------------------------------------------------------------------

QPainterPath tangBodyPath() {
    QPainterPath path;
    path.moveTo(1.0, -0.03);
    path.cubicTo(0.93, -0.14, 0.82, -0.29, 0.64, -0.44);  // steep, almost straight forehead
    path.cubicTo(0.36, -0.63, -0.1, -0.61, -0.42, -0.44); // back
    path.cubicTo(-0.62, -0.32, -0.74, -0.18, -0.87, -0.1);
    path.lineTo(-0.89, 0.1); // narrow tail stalk
    path.cubicTo(-0.76, 0.16, -0.62, 0.29, -0.44, 0.4);
    path.cubicTo(-0.15, 0.57, 0.26, 0.56, 0.52, 0.37); // belly
    path.cubicTo(0.74, 0.22, 0.9, 0.09, 0.99, 0.02);
    path.quadTo(1.03, -0.005, 1.0, -0.03); // lips
    path.closeSubpath();
    return path;
}

QPainterPath tangDorsalFinPath() {
    QPainterPath path;
    path.moveTo(0.62, -0.4);
    path.cubicTo(0.46, -0.66, 0.02, -0.8, -0.36, -0.73);
    path.cubicTo(-0.64, -0.67, -0.82, -0.42, -0.87, -0.1);
    path.lineTo(-0.6, -0.2);
    path.lineTo(0.3, -0.4);
    path.closeSubpath();
    return path;
}

QPainterPath tangAnalFinPath() {
    QPainterPath path;
    path.moveTo(0.3, 0.44);
    path.cubicTo(0.1, 0.72, -0.34, 0.76, -0.62, 0.56);
    path.cubicTo(-0.8, 0.43, -0.88, 0.26, -0.88, 0.1);
    path.lineTo(-0.6, 0.2);
    path.lineTo(0.1, 0.38);
    path.closeSubpath();
    return path;
}

QPainterPath tangTailPath() {
    QPainterPath path;
    path.moveTo(-0.84, -0.075);
    path.cubicTo(-0.96, -0.16, -1.12, -0.38, -1.33, -0.6); // upper lobe
    path.cubicTo(-1.22, -0.4, -1.1, -0.18, -1.08, 0.0);    // crescent edge
    path.cubicTo(-1.1, 0.18, -1.22, 0.4, -1.33, 0.6);
    path.cubicTo(-1.12, 0.38, -0.96, 0.16, -0.84, 0.075); // lower lobe
    path.closeSubpath();
    return path;
}

// The tail of the smallest icon: bigger lobes and a deeper fork, so it still reads as a tail.
QPainterPath tangBoldTailPath() {
    QPainterPath path;
    path.moveTo(-0.8, -0.12);
    path.lineTo(-1.3, -0.64);
    path.lineTo(-1.13, 0.0);
    path.lineTo(-1.3, 0.64);
    path.lineTo(-0.8, 0.12);
    path.closeSubpath();
    return path;
}

QPainterPath tangPectoralPath() {
    QPainterPath path;
    path.moveTo(0.45, 0.06);
    path.cubicTo(0.36, 0.0, 0.18, -0.03, 0.07, 0.02);
    path.cubicTo(0.02, 0.07, 0.03, 0.15, 0.09, 0.2);
    path.cubicTo(0.22, 0.21, 0.36, 0.17, 0.45, 0.12);
    path.closeSubpath();
    return path;
}

QPainterPath tangPelvicPath() {
    QPainterPath path;
    path.moveTo(0.5, 0.34);
    path.cubicTo(0.42, 0.44, 0.3, 0.56, 0.2, 0.62);
    path.cubicTo(0.28, 0.5, 0.34, 0.42, 0.36, 0.36);
    path.closeSubpath();
    return path;
}

struct TangColours {
    QColor back;  // along the back, the deepest orange
    QColor flank; // the bright middle
    QColor belly; // the yellower underside
    QColor fin;
    QColor outline;
};

TangColours tangColours(double warmth) {
    // warmth 0 is a yellow-orange fish, 1 a deep orange one.
    TangColours c;
    c.back = mix(QColor(226, 128, 16), QColor(204, 78, 12), warmth);
    c.flank = mix(QColor(255, 178, 34), QColor(250, 128, 24), warmth);
    c.belly = mix(QColor(255, 214, 86), QColor(255, 176, 66), warmth);
    c.fin = mix(QColor(250, 160, 30), QColor(238, 112, 20), warmth);
    c.outline = mix(QColor(130, 64, 6), QColor(110, 38, 6), warmth);
    return c;
}

const QPointF kTangEye(0.6, -0.17);

void fillTangBody(QPainter &p, const QPainterPath &body, const TangColours &c) {
    // Deeper orange along the back, golden towards the belly.
    QLinearGradient g(0, -0.6, 0, 0.56);
    g.setColorAt(0.0, c.back);
    g.setColorAt(0.42, c.flank);
    g.setColorAt(0.75, mix(c.flank, c.belly, 0.6));
    g.setColorAt(1.0, c.belly);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
}

QPainterPath tangGillPath() {
    QPainterPath gill;
    gill.moveTo(0.5, -0.4);
    gill.cubicTo(0.38, -0.16, 0.36, 0.12, 0.5, 0.34);
    return gill;
}

// The icon version of the tang, for sizes where fins with rays would only be noise: a bold
// outline round the whole fish, solid fins, a big eye. With `small` only the silhouette, the
// eye and the tail remain.
void drawBoldTang(QPainter &p, const TangColours &c, bool small, double pixel) {
    const QPainterPath body = tangBodyPath();
    const QPainterPath dorsal = tangDorsalFinPath();
    const QPainterPath anal = tangAnalFinPath();
    const QPainterPath tail = tangBoldTailPath();

    // At the smallest size the long fins would fill the gap in front of the tail; without them
    // the tail stands out.
    std::vector<const QPainterPath *> fins{&tail};
    if (!small) {
        fins.push_back(&dorsal);
        fins.push_back(&anal);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.outline, pixel * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPainterPath *part : fins)
        p.drawPath(*part);
    p.drawPath(body);

    p.setPen(Qt::NoPen);
    QLinearGradient fin(0, -0.78, 0, 0.78);
    fin.setColorAt(0.0, c.fin.darker(112));
    fin.setColorAt(0.5, c.fin);
    fin.setColorAt(1.0, c.fin.darker(108));
    p.setBrush(fin);
    for (const QPainterPath *part : fins)
        p.drawPath(*part);

    fillTangBody(p, body, c);
    if (!small) {
        shadeBody(p, body, QPointF(0.05, 0.0), 0.98, 0.58, rgba(120, 40, 0, 0.4),
                  QPointF(0.3, -0.28), 0.45, 0.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(c.outline, 0.55), pixel * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(tangGillPath());
        p.setPen(QPen(withAlpha(c.outline, 0.6), pixel * 0.8));
        p.drawPath(body);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 8, 2));
    const double r = small ? pixel * 0.85 : std::max(0.1, pixel * 1.05);
    p.drawEllipse(kTangEye, r, r);
}

// The fins that show behind the body: tail, back, belly and the small pelvic fin.
void drawTangFins(QPainter &p, const TangColours &c, double pixel, double tailSwing) {
    FinLook fins;
    fins.root = c.fin;
    fins.edge = withAlpha(mix(c.fin, c.belly, 0.5), 0.62);
    fins.margin = rgba(215, 240, 255, 0.3);
    fins.rays = withAlpha(c.outline, 0.2);

    const FinRays tailRays{{-0.86, -0.03}, {-0.86, 0.03}, {-1.4, -0.6}, {-1.4, 0.6}, 12};
    const FinRays dorsalRays{{0.5, -0.42}, {-0.8, -0.14}, {0.3, -0.9}, {-1.02, -0.36}, 17};
    const FinRays analRays{{0.2, 0.42}, {-0.82, 0.12}, {0.0, 0.9}, {-1.02, 0.34}, 14};
    p.save();
    p.translate(-0.84, 0);
    p.rotate(tailSwing);
    p.translate(0.84, 0);
    paintFin(p, tangTailPath(), QPointF(-0.86, 0), QPointF(-1.3, 0), fins, &tailRays, pixel);
    p.restore();
    paintFin(p, tangDorsalFinPath(), QPointF(0, -0.52), QPointF(0, -0.8), fins, &dorsalRays, pixel);
    paintFin(p, tangAnalFinPath(), QPointF(0, 0.5), QPointF(0, 0.76), fins, &analRays, pixel);
    FinLook pelvic = fins;
    pelvic.edge = withAlpha(c.fin, 0.6);
    paintFin(p, tangPelvicPath(), QPointF(0.45, 0.38), QPointF(0.22, 0.6), pelvic, nullptr, pixel);
}

// `pixel` is the size of one output pixel in fish units, so that lines never get thinner than
// what can be seen. `tailSwing` turns the tail (degrees) as if caught mid-stroke.
void drawTang(QPainter &p, const TangColours &c, double pixel, double tailSwing = 0.0) {
    const QPainterPath body = tangBodyPath();
    drawTangFins(p, c, pixel, tailSwing);
    fillTangBody(p, body, c);

    // Faint lengthwise lines that many surgeonfish show on their flanks.
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(QPen(withAlpha(c.back, 0.1), std::max(0.012, pixel * 0.5)));
    p.setBrush(Qt::NoBrush);
    for (int i = -5; i <= 5; ++i) {
        const double y = i * 0.085;
        QPainterPath line;
        line.moveTo(0.55, y * 0.8);
        line.cubicTo(0.2, y * 1.05, -0.3, y * 0.95, -0.9, y * 0.25);
        p.drawPath(line);
    }
    p.restore();

    shadeBody(p, body, QPointF(0.05, 0.0), 0.98, 0.58, rgba(120, 40, 0, 0.55), QPointF(0.3, -0.28),
              0.45, 0.45);
    paintTopLight(p, body, -0.62, -0.15);
    paintUnderShade(p, body, 0.05, 0.56);

    // Gill cover, with a lit edge behind the groove.
    const QPainterPath gill = tangGillPath();
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(withAlpha(c.outline, 0.45), std::max(0.02, pixel * 0.7), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gill);
    p.setPen(QPen(rgba(255, 230, 160, 0.3), 0.015, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gill.translated(0.025, 0));

    // The scalpel on the tail stalk that gives surgeonfish their name.
    QPainterPath blade;
    blade.moveTo(-0.66, 0.02);
    blade.quadTo(-0.72, -0.012, -0.79, 0.0);
    blade.quadTo(-0.72, 0.036, -0.66, 0.02);
    p.setPen(QPen(withAlpha(c.outline, 0.5), 0.008));
    p.setBrush(rgba(250, 252, 255, 0.85));
    p.drawPath(blade);

    // A subtle darker outline.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(c.outline, 0.6), std::max(0.014, pixel * 0.9), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);

    FinLook pectoral;
    pectoral.root = withAlpha(c.belly, 0.4);
    pectoral.edge = withAlpha(c.belly, 0.15);
    pectoral.margin = withAlpha(c.outline, 0.2);
    pectoral.rays = withAlpha(c.outline, 0.25);
    const FinRays rays{{0.44, 0.08}, {0.44, 0.11}, {0.0, -0.02}, {0.06, 0.26}, 7};
    paintFin(p, tangPectoralPath(), QPointF(0.44, 0.1), QPointF(0.05, 0.1), pectoral, &rays, pixel);

    drawEye(p, kTangEye, 0.088, QColor(235, 150, 40), true);

    // Small mouth at the tip of the snout.
    p.setPen(QPen(withAlpha(c.outline, 0.85), std::max(0.016, pixel * 0.6), Qt::SolidLine,
                  Qt::RoundCap));
    QPainterPath mouth;
    mouth.moveTo(1.01, -0.005);
    mouth.quadTo(0.97, 0.012, 0.93, 0.012);
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// ---------------------------------------------------------------------------------------------
// Copperband butterflyfish: a white disc with copper bars, a long tweezer snout and a false eye
// on the back fin.
// ---------------------------------------------------------------------------------------------

QPainterPath butterflyBodyPath() {
    QPainterPath path;
    path.moveTo(0.92, -0.012); // tip of the snout
    path.cubicTo(0.76, -0.022, 0.6, -0.03, 0.5, -0.055);
    path.cubicTo(0.4, -0.085, 0.31, -0.24, 0.2, -0.42); // forehead up to the nape
    path.cubicTo(0.0, -0.58, -0.34, -0.55, -0.52, -0.35);
    path.cubicTo(-0.58, -0.27, -0.62, -0.17, -0.67, -0.12);
    path.lineTo(-0.69, 0.12);
    path.cubicTo(-0.62, 0.19, -0.56, 0.3, -0.48, 0.38);
    path.cubicTo(-0.3, 0.57, 0.05, 0.59, 0.22, 0.42); // belly
    path.cubicTo(0.33, 0.3, 0.4, 0.14, 0.5, 0.06);    // throat
    path.cubicTo(0.6, 0.036, 0.76, 0.026, 0.905, 0.02);
    path.quadTo(0.93, 0.006, 0.92, -0.012);
    path.closeSubpath();
    return path;
}

QPainterPath butterflyDorsalFinPath() {
    QPainterPath path;
    path.moveTo(0.22, -0.36);
    path.cubicTo(0.15, -0.6, 0.02, -0.76, -0.16, -0.79);
    path.cubicTo(-0.42, -0.82, -0.64, -0.68, -0.72, -0.45);
    path.cubicTo(-0.76, -0.32, -0.73, -0.2, -0.66, -0.1);
    path.lineTo(-0.3, -0.2);
    path.closeSubpath();
    return path;
}

QPainterPath butterflyAnalFinPath() {
    QPainterPath path;
    path.moveTo(0.1, 0.5);
    path.cubicTo(-0.04, 0.72, -0.36, 0.8, -0.57, 0.64);
    path.cubicTo(-0.7, 0.52, -0.73, 0.3, -0.66, 0.1);
    path.lineTo(-0.3, 0.2);
    path.closeSubpath();
    return path;
}

QPainterPath butterflyTailPath() {
    QPainterPath path;
    path.moveTo(-0.65, -0.12);
    path.cubicTo(-0.73, -0.18, -0.83, -0.27, -0.92, -0.31);
    path.cubicTo(-1.0, -0.16, -1.0, 0.16, -0.92, 0.31);
    path.cubicTo(-0.83, 0.27, -0.73, 0.18, -0.65, 0.12);
    path.closeSubpath();
    return path;
}

QPainterPath butterflyPelvicPath() {
    QPainterPath path;
    path.moveTo(0.3, 0.36);
    path.cubicTo(0.26, 0.5, 0.18, 0.62, 0.1, 0.7);
    path.cubicTo(0.14, 0.58, 0.16, 0.48, 0.16, 0.42);
    path.closeSubpath();
    return path;
}

QPainterPath smoothLine(const std::vector<QPointF> &points) {
    // Catmull-Rom through the points, as cubic pieces.
    QPainterPath path(points.front());
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = points[i == 0 ? 0 : i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = points[std::min(i + 2, points.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

// Boolean operations on paths flatten the curves at the size of the coordinates, and fish units
// are small: work on an enlarged copy.
QPainterPath outsideOf(std::initializer_list<const QPainterPath *> parts) {
    const QTransform up = QTransform::fromScale(1000, 1000);
    QPainterPath area;
    area.addRect(QRectF(-3000, -3000, 6000, 6000));
    for (const QPainterPath *part : parts)
        area = area.subtracted(up.map(*part));
    return up.inverted().map(area);
}

struct Band {
    std::vector<QPointF> centre;
    double halfWidth;
};

std::vector<Band> butterflyBands() {
    return {
        // Through the eye, following the slope of the head.
        {{{0.1, -0.62}, {0.23, -0.3}, {0.3, -0.1}, {0.31, 0.08}, {0.26, 0.3}, {0.15, 0.62}}, 0.048},
        {{{0.06, -0.95}, {0.1, -0.4}, {0.1, 0.05}, {0.07, 0.45}, {0.01, 0.95}}, 0.055},
        {{{-0.2, -0.95}, {-0.15, -0.4}, {-0.14, 0.05}, {-0.17, 0.5}, {-0.23, 0.95}}, 0.06},
        // The last one runs far into the soft back and belly fins.
        {{{-0.5, -0.95}, {-0.43, -0.45}, {-0.41, 0.05}, {-0.44, 0.5}, {-0.5, 0.95}}, 0.068},
    };
}

void paintBands(QPainter &p, double pixel) {
    QLinearGradient copper(0, -0.8, 0, 0.8);
    copper.setColorAt(0.0, QColor(206, 96, 32));
    copper.setColorAt(0.4, QColor(240, 138, 50));
    copper.setColorAt(0.6, QColor(236, 128, 46));
    copper.setColorAt(1.0, QColor(198, 90, 32));
    const double edge = std::max(0.016, pixel * 1.1);
    p.setBrush(Qt::NoBrush);
    for (const Band &band : butterflyBands()) {
        const QPainterPath line = smoothLine(band.centre);
        const double width = 2 * band.halfWidth;
        p.setPen(QPen(rgba(205, 228, 250, 0.9), width + 2 * edge + 0.022, Qt::SolidLine,
                      Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(line);
        p.setPen(
            QPen(QColor(30, 18, 14), width + 2 * edge, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(line);
        p.setPen(QPen(QBrush(copper), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(line);
    }
}

// The dark bar across the tail stalk, rimmed with white.
void paintStalkBar(QPainter &p) {
    QPainterPath bar;
    bar.moveTo(-0.665, -0.2);
    bar.lineTo(-0.665, 0.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(250, 252, 255, 0.95), 0.085, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(bar);
    p.setPen(QPen(QColor(20, 14, 12), 0.042, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(bar);
}

// The outer edge of the soft fins is clear: a thin dark line just inside it, then part of the
// paint wiped away along the very edge so that the water shows through.
void clearFinMargin(QPainter &p, const QPainterPath &fin, const QPainterPath &outside) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setClipPath(fin, Qt::IntersectClip);
    p.setClipPath(outside, Qt::IntersectClip);
    p.setPen(QPen(rgba(40, 30, 26, 0.3), 0.06));
    p.drawPath(fin);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(QPen(rgba(0, 0, 0, 0.6), 0.04));
    p.drawPath(fin);
    p.setPen(QPen(rgba(0, 0, 0, 0.3), 0.026));
    p.drawPath(fin);
    p.restore();
}

void fillWhite(QPainter &p, const QPainterPath &path, double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(214, 222, 230));
    g.setColorAt(0.3, QColor(248, 249, 250));
    g.setColorAt(0.7, QColor(242, 245, 248));
    g.setColorAt(1.0, QColor(214, 222, 232));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

// Tail: clear and pale yellow, behind the dark bar of the stalk.
void drawButterflyTail(QPainter &p, const QPainterPath &tail, const QPainterPath &outsideBody) {
    QLinearGradient colour(-0.65, 0, -0.98, 0);
    colour.setColorAt(0.0, rgba(245, 240, 215, 0.92));
    colour.setColorAt(1.0, rgba(235, 235, 210, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(tail);
    paintFinRays(p, tail, {{-0.68, -0.02}, {-0.68, 0.02}, {-1.0, -0.34}, {-1.0, 0.34}, 12},
                 rgba(150, 140, 110, 0.35), 0.01);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    paintStalkBar(p);
    p.restore();
    clearFinMargin(p, tail, outsideBody);
}

// The false eye on the back fin: black, ringed in white, to fool anything that would bite the
// head.
void drawOcellus(QPainter &p, const QPointF &spot) {
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(245, 250, 255, 0.95));
    p.drawEllipse(spot, 0.07, 0.07);
    QRadialGradient ocellus(spot, 0.056);
    ocellus.setColorAt(0.0, QColor(34, 38, 50));
    ocellus.setColorAt(0.8, QColor(10, 10, 14));
    ocellus.setColorAt(1.0, QColor(30, 44, 70));
    p.setBrush(ocellus);
    p.drawEllipse(spot, 0.056, 0.056);
}

// Back and belly fins, with the bands running into them.
void drawButterflySoftFins(QPainter &p, const QPainterPath &dorsal, const QPainterPath &anal,
                           const QPainterPath &outsideBody, double pixel) {
    for (const QPainterPath *fin : {&dorsal, &anal}) {
        fillWhite(p, *fin, -0.8, 0.8);
        p.save();
        p.setClipPath(*fin, Qt::IntersectClip);
        paintBands(p, pixel);
        // Thin fins catch less light than the body and let some water through.
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(QRectF(-1.2, -1.2, 2.4, 2.4), rgba(50, 90, 140, 0.2));
        p.restore();
    }
    paintFinRays(p, dorsal, {{0.2, -0.4}, {-0.64, -0.14}, {0.02, -0.98}, {-1.0, -0.5}, 16},
                 rgba(60, 40, 30, 0.12), 0.01);
    paintFinRays(p, anal, {{0.06, 0.48}, {-0.64, 0.14}, {-0.1, 0.98}, {-1.0, 0.45}, 12},
                 rgba(60, 40, 30, 0.12), 0.01);
    drawOcellus(p, QPointF(-0.5, -0.55));
    clearFinMargin(p, dorsal, outsideBody);
    clearFinMargin(p, anal, outsideBody);
}

void drawButterflyBody(QPainter &p, const QPainterPath &body, const QPainterPath &outsideFins,
                       double pixel) {
    fillWhite(p, body, -0.58, 0.59);
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    paintBands(p, pixel);
    paintStalkBar(p);

    // Snout: pale yellow.
    QLinearGradient snout(0.4, 0, 0.92, 0);
    snout.setColorAt(0.0, rgba(245, 225, 160, 0.0));
    snout.setColorAt(0.35, rgba(245, 225, 160, 0.65));
    snout.setColorAt(1.0, rgba(236, 206, 130, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(snout);
    p.drawRect(QRectF(0.4, -0.2, 0.6, 0.32));
    p.restore();

    shadeBody(p, body, QPointF(-0.1, 0.0), 0.76, 0.64, rgba(40, 60, 100, 0.32),
              QPointF(-0.05, -0.3), 0.42, 0.4);

    // Dark ridge along the top of the snout.
    QPainterPath ridge;
    ridge.moveTo(0.46, -0.068);
    ridge.cubicTo(0.6, -0.034, 0.76, -0.022, 0.915, -0.012);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(80, 46, 20, 0.55), 0.011, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ridge);

    // Gill cover.
    QPainterPath gill;
    gill.moveTo(0.17, -0.3);
    gill.cubicTo(0.09, -0.08, 0.1, 0.14, 0.19, 0.34);
    p.setPen(QPen(rgba(60, 40, 30, 0.28), 0.014, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gill);

    // Outline where the body meets open water only, not along the bases of the fins.
    p.save();
    p.setClipPath(outsideFins, Qt::IntersectClip);
    p.setPen(QPen(rgba(50, 56, 70, 0.5), std::max(0.012, pixel * 0.8), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(body);
    p.restore();
}

// Pelvic fins, white with a touch of copper, and the clear pectoral fin.
void drawButterflyPairedFins(QPainter &p, double pixel) {
    FinLook pelvic;
    pelvic.root = rgba(240, 170, 100, 0.9);
    pelvic.edge = rgba(250, 245, 235, 0.6);
    pelvic.margin = rgba(40, 30, 20, 0.3);
    pelvic.rays = rgba(120, 70, 40, 0.2);
    paintFin(p, butterflyPelvicPath(), QPointF(0.26, 0.4), QPointF(0.12, 0.68), pelvic, nullptr,
             pixel);

    QPainterPath pectoral;
    pectoral.moveTo(0.17, 0.04);
    pectoral.cubicTo(0.07, -0.02, -0.08, 0.0, -0.13, 0.08);
    pectoral.cubicTo(-0.05, 0.16, 0.09, 0.15, 0.17, 0.11);
    pectoral.closeSubpath();
    FinLook clear;
    clear.root = rgba(255, 250, 235, 0.22);
    clear.edge = rgba(255, 250, 235, 0.06);
    clear.margin = rgba(60, 50, 40, 0.12);
    clear.rays = rgba(60, 50, 40, 0.12);
    const FinRays rays{{0.16, 0.05}, {0.16, 0.1}, {-0.13, 0.06}, {-0.07, 0.16}, 6};
    paintFin(p, pectoral, QPointF(0.17, 0.07), QPointF(-0.1, 0.09), clear, &rays, pixel);
}

void drawButterflyfish(QPainter &p, double pixel) {
    const QPainterPath body = butterflyBodyPath();
    const QPainterPath dorsal = butterflyDorsalFinPath();
    const QPainterPath anal = butterflyAnalFinPath();
    const QPainterPath tail = butterflyTailPath();
    const QPainterPath outsideBody = outsideOf({&body});

    drawButterflyTail(p, tail, outsideBody);
    drawButterflySoftFins(p, dorsal, anal, outsideBody, pixel);
    drawButterflyBody(p, body, outsideOf({&dorsal, &anal, &tail}), pixel);
    drawButterflyPairedFins(p, pixel);
    drawEye(p, QPointF(0.3, -0.1), 0.05, QColor(150, 84, 40), true);

    // Tiny mouth at the end of the tweezers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 30, 20));
    p.drawEllipse(QPointF(0.922, 0.004), 0.011, 0.013);
}

// ---------------------------------------------------------------------------------------------
// The scene
// ---------------------------------------------------------------------------------------------

struct Pose {
    QPointF centre;
    double size;  // logical pixels per fish unit
    double angle; // degrees, positive turns the snout down
    double haze;  // how much water lies between the fish and the viewer, 0..1
};

// Paints a fish on a layer of its own, veils it in the water in front of it, and lays it over
// the scene.
void drawFishInWater(QPainter &scene, double scale, const Pose &pose,
                     const std::function<void(QPainter &, double)> &drawFish) {
    QImage layer = blankLayer(scale);
    {
        QPainter p(&layer);
        preparePainter(p, scale);
        p.translate(pose.centre);
        p.rotate(pose.angle);
        p.scale(pose.size, pose.size);
        drawFish(p, 1.0 / (pose.size * scale));

        p.setTransform(QTransform::fromScale(scale, scale));
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QLinearGradient veil(0, 0, 0, kSceneHeight);
        for (const WaterStop &stop : waterStops())
            veil.setColorAt(stop.at, withAlpha(stop.colour.lighter(106), 0.05 + pose.haze));
        p.fillRect(QRectF(0, 0, kSceneWidth, kSceneHeight), veil);
    }
    if (pose.haze > 0.3)
        blurLayer(layer, 1.0 * scale);
    putLayer(scene, layer);
}

void drawTangInWater(QPainter &scene, double scale, const Pose &pose, double warmth,
                     double tailSwing) {
    const TangColours colours = tangColours(warmth);
    drawFishInWater(scene, scale, pose,
                    [&](QPainter &p, double pixel) { drawTang(p, colours, pixel, tailSwing); });
}

// A far-off school of small fish, only shapes in the blue.
void drawDistantSchool(QPainter &p, Dice &dice, const QRectF &area, int count) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(dice.uniform(area.left(), area.right()),
                        dice.uniform(area.top(), area.bottom()));
        const double size = dice.uniform(4.5, 6.5);
        p.save();
        p.translate(c);
        p.rotate(dice.uniform(-10, 10));
        p.scale(size, size);
        QPainterPath fish;
        fish.moveTo(1.0, 0.0);
        fish.cubicTo(0.7, -0.55, -0.4, -0.55, -0.8, -0.05);
        fish.lineTo(-1.25, -0.4);
        fish.lineTo(-1.1, 0.0);
        fish.lineTo(-1.25, 0.4);
        fish.lineTo(-0.8, 0.05);
        fish.cubicTo(-0.4, 0.5, 0.7, 0.5, 1.0, 0.0);
        p.setBrush(withAlpha(mix(waterAt(c.y()), QColor(10, 34, 70), 0.3), 0.6));
        p.drawPath(fish);
        p.restore();
    }
}

QImage drawBackground(double scale) {
    QImage image(int(std::lround(kSceneWidth * scale)), int(std::lround(kSceneHeight * scale)),
                 QImage::Format_RGB32);
    Dice dice(20240611u);
    {
        QPainter p(&image);
        preparePainter(p, scale);
        drawWater(p);
        drawCaustics(p, scale);
        drawLightRays(p, scale, dice);
        drawSeabed(p, dice);
        drawParticles(p, dice, 160, 1.3, 0.35);

        // The school of tangs on the left, the farthest first; the butterflyfish on the right.
        drawDistantSchool(p, dice, QRectF(420, 296, 150, 50), 11);
        drawTangInWater(p, scale, {{360, 230}, 22, 5, 0.45}, 0.25, -6);
        drawTangInWater(p, scale, {{300, 100}, 29, -4, 0.32}, 0.45, 5);
        drawTangInWater(p, scale, {{226, 308}, 37, 3, 0.18}, 0.7, -4);
        drawTangInWater(p, scale, {{80, 256}, 47, -7, 0.08}, 0.35, 7);
        drawTangInWater(p, scale, {{172, 150}, 64, -4, 0.0}, 0.6, -5);
        drawFishInWater(p, scale, {{606, 204}, 88, -4, 0.0}, drawButterflyfish);

        drawParticles(p, dice, 40, 2.0, 0.4);
        drawBubbleTrail(p, dice, QPointF(735, 370), 8, 16);
        drawBubbleTrail(p, dice, QPointF(470, 350), 150, 5);
        drawVignette(p);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------------------------
// The icon: an orange tang on a rounded square of blue water.
// ---------------------------------------------------------------------------------------------

void drawIconTile(QPainter &p, int size) {
    // Designed on a 128 grid; the painter is scaled to the real size.
    const double px = 128.0 / size;
    const QRectF tile(4, 4, 120, 120);
    QPainterPath shape;
    shape.addRoundedRect(tile, 26, 26);

    QLinearGradient water(0, tile.top(), 0, tile.bottom());
    water.setColorAt(0.0, QColor(88, 194, 240));
    water.setColorAt(0.45, QColor(30, 128, 204));
    water.setColorAt(1.0, QColor(10, 62, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(shape);

    if (size >= 48) {
        p.save();
        p.setClipPath(shape);
        QRadialGradient sun(QPointF(84, -20), 110);
        sun.setColorAt(0.0, rgba(220, 250, 255, 0.55));
        sun.setColorAt(1.0, rgba(220, 250, 255, 0.0));
        p.setBrush(sun);
        p.drawRect(tile);
        for (int i = 0; i < 4; ++i) {
            const double x = 30 + i * 26;
            QPolygonF ray;
            ray << QPointF(x, 0) << QPointF(x + 9, 0) << QPointF(x - 10, 128)
                << QPointF(x - 30, 128);
            QLinearGradient g(0, 0, 0, 110);
            g.setColorAt(0.0, rgba(235, 250, 255, 0.16));
            g.setColorAt(1.0, rgba(235, 250, 255, 0.0));
            p.setBrush(g);
            p.drawPolygon(ray);
        }
        p.restore();
        drawBubble(p, QPointF(104, 36), 5.5);
        drawBubble(p, QPointF(112, 20), 3.5);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(4, 40, 96, 0.8), px));
    p.drawPath(shape);
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        preparePainter(p, size / 128.0);
        drawIconTile(p, size);

        // Fewer details the smaller the icon: from 48 pixels down the bold version.
        const bool bold = size <= 48;
        // The tiniest one is a little deeper-bodied and level, which reads better in so few
        // pixels.
        const bool tiny = size <= 16;
        const double fishSize = tiny ? 42.0 : 43.0;
        p.translate(tiny ? 71 : 67, 66);
        p.rotate(tiny ? 0 : -5);
        p.scale(fishSize, fishSize * (tiny ? 1.18 : 1.0));
        if (bold) {
            // Put the eye on the middle of a pixel, so it stays a crisp dark dot.
            const QPointF eye = p.transform().map(kTangEye);
            const QPointF nudge(std::floor(eye.x()) + 0.5 - eye.x(),
                                std::floor(eye.y()) + 0.5 - eye.y());
            p.setTransform(p.transform() * QTransform::fromTranslate(nudge.x(), nudge.y()));
        }
        const double pixel = 128.0 / size / fishSize;
        if (bold)
            drawBoldTang(p, tangColours(0.5), tiny, pixel);
        else
            drawTang(p, tangColours(0.5), pixel);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool save(const QImage &image, const QString &path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "could not create %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool ok = save(drawBackground(1.0), folder.filePath(QStringLiteral("background.png")));
    ok = save(drawBackground(2.0), folder.filePath(QStringLiteral("background@2x.png"))) && ok;
    for (int size : {16, 32, 48, 128})
        ok = save(drawIcon(size), folder.filePath(QStringLiteral("icon-%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
