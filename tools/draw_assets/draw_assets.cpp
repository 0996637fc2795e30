// draw_assets — renders the application's bitmap assets.
//
//   draw_assets <outdir>
//
// Writes into <outdir>:
//   logo.jpg      94 x 72 baseline colour JPEG, dark-blue emblem on white
//   logo-125.png, logo-150.png, logo-200.png, logo-300.png
//                 the same emblem drawn for screens at 125, 150, 200 and
//                 300 %, at the sizes the window's layout gives it there
//   icon-32.png   32 x 32 butterfly, palette image, binary transparency
//   icon-16.png   16 x 16 butterfly, drawn separately for the small size
//   icon-48.png, icon-64.png, icon-128.png, icon-256.png
//                 the 32 px butterfly scaled up, true colour with smooth
//                 antialiased edges, for desktop menus and software centres
//   app.ico       icon-32 and icon-16 first, as 8-bit palette DIBs with a 1-bit
//                 AND mask; then the smooth butterfly at 32, 16, 20, 24, 40,
//                 48 and 64 px as 32-bit BGRA DIBs with alpha, and at 256 px
//                 as a PNG (the same bytes as icon-256.png)
//
// Everything is drawn from code with fixed geometry, fixed fonts and fixed
// encoder settings, so the output is byte-for-byte the same on every run.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QtMath>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QSaveFile>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <set>
#include <vector>

#include "app/core/form1_layout.h"

namespace {

constexpr int kDotsPerMeter = 3780; // 96 dpi; set explicitly so it never
                                    // depends on the platform's screen

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "draw_assets: %s\n", qPrintable(message));
    std::exit(1);
}

// ---------------------------------------------------------------------------
// Logo
// ---------------------------------------------------------------------------

constexpr int kLogoWidth = 94;
constexpr int kLogoHeight = 72;
constexpr qreal kLogoCentre = kLogoWidth / 2.0;
const QColor kLogoInk(0x12, 0x2c, 0x70);

// A tear drop: pointed tip at the top, round belly of radius r around centre.
QPainterPath dropPath(QPointF tip, QPointF centre, qreal r)
{
    const qreal shoulder = (centre.y() - tip.y()) * 0.45;
    QPainterPath p;
    p.moveTo(tip);
    p.cubicTo(tip.x() - r * 0.25, tip.y() + shoulder,
              centre.x() - r, centre.y() - r * 0.75,
              centre.x() - r, centre.y());
    p.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 180, 180);
    p.cubicTo(QPointF(centre.x() + r, centre.y() - r * 0.75),
              QPointF(tip.x() + r * 0.25, tip.y() + shoulder),
              tip);
    p.closeSubpath();
    return p;
}

// A tapered stroke: the sliver between two quadratic curves that share
// their end points. `outer` and `inner` are the two control points.
QPainterPath sliver(QPointF from, QPointF to, QPointF outer, QPointF inner)
{
    QPainterPath p;
    p.moveTo(from);
    p.quadTo(outer, to);
    p.quadTo(inner, from);
    p.closeSubpath();
    return p;
}

// The curved figure under the drop: three nested crescents, pointed at both
// tips and thickest on the centre line, like ripples spreading from the drop.
// `halfWidth` is the distance from the centre to a tip, `tipY` the height of
// the tips, `bottomY` the lowest point and `thickness` the width at the centre.
QPainterPath ripple(qreal halfWidth, qreal tipY, qreal bottomY, qreal thickness)
{
    const qreal c = kLogoCentre;
    // A symmetric cubic through both tips whose midpoint sits at `y`.
    auto controlY = [tipY](qreal y) { return (4 * y - tipY) / 3; };
    const qreal lower = controlY(bottomY);
    const qreal upper = controlY(bottomY - thickness);
    QPainterPath p;
    p.moveTo(c - halfWidth, tipY);
    p.cubicTo(c - halfWidth * 0.45, lower, c + halfWidth * 0.45, lower, c + halfWidth, tipY);
    p.cubicTo(c + halfWidth * 0.40, upper, c - halfWidth * 0.40, upper, c - halfWidth, tipY);
    p.closeSubpath();
    return p;
}

// Outline of a single glyph, centred on `centre` (by its ink bounds).
QPainterPath glyphPath(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath p;
    p.addText(0, 0, font, text);
    const QRectF box = p.boundingRect();
    return QTransform::fromTranslate(centre.x() - box.center().x(),
                                     centre.y() - box.center().y())
        .map(p);
}

QFont requireFont(const QString &family, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontInfo info(font);
    if (info.family() != family)
        fail(QStringLiteral("font \"%1\" is not installed (got \"%2\")")
                 .arg(family, info.family()));
    return font;
}

// The emblem at the drawing's size: the same geometry, scaled from the
// 94 x 72 design, so that a larger screen gets as many more pixels of it
// rather than the small picture stretched.
QImage drawLogo(const chengxi::layout::LogoDrawing &drawing)
{
    QImage image(drawing.width, drawing.height, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter * drawing.percent / 100);
    image.setDotsPerMeterY(kDotsPerMeter * drawing.percent / 100);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(drawing.width) / kLogoWidth, qreal(drawing.height) / kLogoHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLogoInk);

    // Drop, with a small highlight on its belly.
    const QPointF dropCentre(kLogoCentre, 20.0);
    const qreal dropRadius = 8.0;
    painter.drawPath(dropPath({kLogoCentre, 3.0}, dropCentre, dropRadius));
    {
        // Highlight: a thin crescent following the lower left of the belly.
        auto onBelly = [&](qreal degrees, qreal r) {
            const qreal a = qDegreesToRadians(degrees);
            return QPointF(dropCentre.x() + r * std::cos(a), dropCentre.y() - r * std::sin(a));
        };
        const qreal r = dropRadius * 0.68;
        painter.setBrush(Qt::white);
        painter.drawPath(sliver(onBelly(172, r), onBelly(252, r),
                                onBelly(212, r * 1.40), onBelly(212, r * 0.80)));
        painter.setBrush(kLogoInk);
    }

    // Ripples under the drop.
    painter.drawPath(ripple(12.0, 35.5, 45.0, 3.0));
    painter.drawPath(ripple(17.5, 40.5, 55.5, 3.5));
    painter.drawPath(ripple(23.0, 45.5, 66.0, 4.0));

    // Lettering either side of the emblem. The Ming face has hairline
    // horizontals, so each glyph gets a thin stroke to hold up at this size.
    const QFont han = requireFont(QStringLiteral("AR PL UMing CN"), 22, QFont::Normal);
    const QPen thicken(kLogoInk, 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(thicken);
    painter.drawPath(glyphPath(QString::fromUtf8("澄"), han, {13.0, 46.0}));
    painter.drawPath(glyphPath(QString::fromUtf8("溪"), han, {kLogoWidth - 13.0, 46.0}));

    // Registered mark, top right.
    painter.setPen(Qt::NoPen);
    const QFont mark = requireFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal);
    painter.drawPath(glyphPath(QString::fromUtf8("®"), mark, {kLogoWidth - 6.0, 6.0}));

    painter.end();
    return image;
}

// ---------------------------------------------------------------------------
// Icon
// ---------------------------------------------------------------------------

// Fixed icon palette. Index 0 is the transparent entry; everything else is
// fully opaque. Shapes are painted with these exact colours and without
// antialiasing, so every pixel of the result maps back to one entry.
enum Ink : std::uint8_t {
    Clear,
    Outline,
    Body,
    Blue,
    BlueLight,
    Green,
    Yellow,
    Orange,
    Red,
    InkCount
};

constexpr std::array<QRgb, InkCount> kPalette = {
    0x00000000u, // Clear
    0xff1b1f33u, // Outline
    0xff2b2330u, // Body
    0xff1f5fd6u, // Blue
    0xff4fa3f0u, // BlueLight
    0xff2fb342u, // Green
    0xffffd21fu, // Yellow
    0xfff28a1au, // Orange
    0xffdd2c2cu, // Red
};

QColor ink(Ink i) { return QColor::fromRgba(kPalette[i]); }

int inkOf(QRgb rgba)
{
    if (qAlpha(rgba) == 0)
        return Clear;
    for (int i = 1; i < InkCount; ++i)
        if (kPalette[i] == rgba)
            return i;
    fail(QStringLiteral("stray colour #%1 in icon").arg(rgba, 8, 16, QLatin1Char('0')));
}

struct WingSet {
    QPainterPath fore;      // right forewing outline
    QPainterPath hind;      // right hindwing outline
    QPainterPath foreInner; // inner band of the forewing (green)
    QPainterPath hindMid;   // middle band of the hindwing (orange)
    QPainterPath hindInner; // inner band of the hindwing (yellow)
    QPainterPath spot;      // light spot near the forewing tip
    QPainterPath body;      // body and head (already symmetric)
};

// Geometry for the 32 px icon, in pixel units.
WingSet wings32()
{
    WingSet w;
    w.fore.moveTo(16.5, 14.0);
    w.fore.cubicTo(19.0, 7.0, 25.0, 1.5, 30.0, 2.5);
    w.fore.cubicTo(31.5, 6.0, 30.5, 11.0, 28.0, 14.0);
    w.fore.cubicTo(24.0, 16.5, 19.0, 16.5, 16.5, 16.5);
    w.fore.closeSubpath();

    w.hind.moveTo(16.5, 16.0);
    w.hind.cubicTo(21.0, 15.5, 27.5, 16.0, 28.0, 20.0);
    w.hind.cubicTo(28.5, 24.5, 24.0, 29.5, 20.0, 28.5);
    w.hind.cubicTo(17.5, 28.0, 16.5, 23.0, 16.5, 20.0);
    w.hind.closeSubpath();

    w.foreInner.addEllipse(QPointF(16.0, 15.5), 7.0, 6.5);
    w.hindMid.addEllipse(QPointF(16.0, 18.5), 9.0, 7.5);
    w.hindInner.addEllipse(QPointF(16.0, 18.0), 5.5, 4.5);
    w.spot.addEllipse(QPointF(25.5, 6.5), 2.3, 1.9);

    w.body.setFillRule(Qt::WindingFill);
    w.body.addRoundedRect(QRectF(14.5, 10.0, 3.0, 17.0), 1.5, 1.5);
    w.body.addEllipse(QPointF(16.0, 9.0), 2.0, 2.0);
    return w;
}

// Geometry for the 16 px icon: fewer bands, bigger features.
WingSet wings16()
{
    WingSet w;
    w.fore.moveTo(8.0, 7.0);
    w.fore.cubicTo(9.5, 3.5, 12.5, 0.5, 15.5, 1.0);
    w.fore.cubicTo(16.2, 3.5, 15.5, 6.0, 14.0, 7.5);
    w.fore.cubicTo(12.0, 8.5, 10.0, 8.5, 8.0, 8.5);
    w.fore.closeSubpath();

    w.hind.moveTo(8.0, 8.0);
    w.hind.cubicTo(10.5, 7.5, 14.5, 8.0, 14.5, 10.5);
    w.hind.cubicTo(14.5, 13.0, 12.0, 15.5, 10.0, 15.0);
    w.hind.cubicTo(8.5, 14.5, 8.0, 12.0, 8.0, 10.0);
    w.hind.closeSubpath();

    w.foreInner.addEllipse(QPointF(8.0, 8.0), 3.5, 3.5);
    w.hindMid.addEllipse(QPointF(8.0, 9.5), 4.5, 4.0);
    w.hindInner.addEllipse(QPointF(8.0, 9.0), 2.5, 2.2);

    w.body.setFillRule(Qt::WindingFill);
    w.body.addRect(QRectF(7.0, 4.0, 2.0, 10.0));
    return w;
}

// Renders wings and body at `scale` times the icon size with solid palette
// colours and no antialiasing.
QImage paintWings(const WingSet &w, int size, int scale)
{
    QImage hi(size * scale, size * scale, QImage::Format_ARGB32);
    hi.fill(Qt::transparent);

    QPainter p(&hi);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.scale(scale, scale);

    QTransform flip;
    flip.translate(size, 0);
    flip.scale(-1, 1);

    auto paintWing = [&](const QPainterPath &outline,
                         const std::vector<std::pair<QPainterPath, Ink>> &bands,
                         Ink base) {
        for (const QTransform &t : {QTransform(), flip}) {
            const QPainterPath shape = t.map(outline);
            p.setClipPath(shape);
            p.fillPath(shape, ink(base));
            for (const auto &[band, colour] : bands)
                if (!band.isEmpty())
                    p.fillPath(t.map(band), ink(colour));
            p.setClipping(false);
        }
    };

    paintWing(w.hind, {{w.hindMid, Orange}, {w.hindInner, Yellow}}, Red);
    paintWing(w.fore, {{w.foreInner, Green}, {w.spot, BlueLight}}, Blue);
    p.fillPath(w.body, ink(Body));
    p.end();
    return hi;
}

// Reduces the supersampled drawing to the icon grid: a pixel is transparent
// when most of its samples are, otherwise it takes the most common ink.
std::vector<std::uint8_t> downsample(const QImage &hi, int size, int scale)
{
    std::vector<std::uint8_t> px(size_t(size) * size, Clear);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::array<int, InkCount> votes{};
            for (int sy = 0; sy < scale; ++sy) {
                const QRgb *line = reinterpret_cast<const QRgb *>(hi.constScanLine(y * scale + sy));
                for (int sx = 0; sx < scale; ++sx)
                    ++votes[inkOf(line[x * scale + sx])];
            }
            if (votes[Clear] * 2 >= scale * scale)
                continue;
            int best = 1;
            for (int i = 2; i < InkCount; ++i)
                if (votes[i] > votes[best])
                    best = i;
            px[size_t(y) * size + x] = std::uint8_t(best);
        }
    }
    return px;
}

// Every opaque wing pixel that touches the transparent ground becomes part of
// a one-pixel dark rim.
void addRim(std::vector<std::uint8_t> &px, int size)
{
    const std::vector<std::uint8_t> src = px;
    auto clearAt = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return true;
        return src[size_t(y) * size + x] == Clear;
    };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            std::uint8_t &v = px[size_t(y) * size + x];
            if (v == Clear || v == Body)
                continue;
            if (clearAt(x - 1, y) || clearAt(x + 1, y) || clearAt(x, y - 1) || clearAt(x, y + 1))
                v = Outline;
        }
}

void setInk(std::vector<std::uint8_t> &px, int size, int x, int y, Ink i)
{
    if (x >= 0 && y >= 0 && x < size && y < size)
        px[size_t(y) * size + x] = i;
}

QImage toIndexed(const std::vector<std::uint8_t> &px, int size)
{
    QImage image(size, size, QImage::Format_Indexed8);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    for (int y = 0; y < size; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < size; ++x)
            line[x] = px[size_t(y) * size + x];
    }
    return image;
}

QImage drawIcon32()
{
    constexpr int size = 32;
    constexpr int scale = 8;
    auto px = downsample(paintWings(wings32(), size, scale), size, scale);
    addRim(px, size);
    // Antennae with club tips.
    for (int i = 0; i < 5; ++i) {
        setInk(px, size, 15 - i, 7 - i, Body);
        setInk(px, size, 16 + i, 7 - i, Body);
    }
    setInk(px, size, 10, 2, Body);
    setInk(px, size, 21, 2, Body);
    return toIndexed(px, size);
}

QImage drawIcon16()
{
    constexpr int size = 16;
    constexpr int scale = 8;
    auto px = downsample(paintWings(wings16(), size, scale), size, scale);
    addRim(px, size);
    for (int i = 0; i < 3; ++i) {
        setInk(px, size, 7 - i, 3 - i, Body);
        setInk(px, size, 8 + i, 3 - i, Body);
    }
    return toIndexed(px, size);
}

// ---------------------------------------------------------------------------
// Larger icons
// ---------------------------------------------------------------------------

// The larger icons are drawn on a grid this many times finer than the icon and
// averaged down, which gives their edges kSupersample^2 levels of coverage.
constexpr int kSupersample = 8;

// Squared distance standing for "no Clear sample in reach".
constexpr std::int64_t kFar = std::numeric_limits<std::int64_t>::max();

// One pass of the distance transform: replaces every value f[q] of the line by
// the least f[p] + (q - p)^2, found as the lower envelope of the parabolas
// rooted at the finite values (Felzenszwalb and Huttenlocher).
void distanceAlongLine(std::vector<std::int64_t> &line)
{
    const std::vector<std::int64_t> f = line;
    const int n = int(f.size());
    std::vector<int> roots;       // sites of the envelope, left to right
    std::vector<double> starts;   // where each site becomes the nearest one
    for (int q = 0; q < n; ++q) {
        if (f[size_t(q)] == kFar)
            continue;
        double s = -std::numeric_limits<double>::infinity();
        while (!roots.empty()) {
            const int p = roots.back();
            s = double((f[size_t(q)] + std::int64_t(q) * q) - (f[size_t(p)] + std::int64_t(p) * p))
                / (2.0 * (q - p));
            if (s > starts.back())
                break;
            roots.pop_back();
            starts.pop_back();
        }
        if (roots.empty())
            s = -std::numeric_limits<double>::infinity();
        roots.push_back(q);
        starts.push_back(s);
    }
    if (roots.empty())
        return; // all kFar already
    size_t k = 0;
    for (int q = 0; q < n; ++q) {
        while (k + 1 < roots.size() && starts[k + 1] < q)
            ++k;
        const std::int64_t d = q - roots[k];
        line[size_t(q)] = f[size_t(roots[k])] + d * d;
    }
}

// Exact squared Euclidean distance from every sample of the n x n grid to the
// nearest Clear sample (kFar when there is none): one pass down the columns,
// one along the rows.
std::vector<std::int64_t> squaredDistanceToClear(const std::vector<std::uint8_t> &px, int n)
{
    std::vector<std::int64_t> dist(px.size());
    for (size_t i = 0; i < px.size(); ++i)
        dist[i] = px[i] == Clear ? 0 : kFar;
    std::vector<std::int64_t> line(size_t(n), 0);
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y)
            line[size_t(y)] = dist[size_t(y) * n + x];
        distanceAlongLine(line);
        for (int y = 0; y < n; ++y)
            dist[size_t(y) * n + x] = line[size_t(y)];
    }
    for (int y = 0; y < n; ++y) {
        std::copy_n(dist.begin() + std::ptrdiff_t(y) * n, n, line.begin());
        distanceAlongLine(line);
        std::copy_n(line.begin(), n, dist.begin() + std::ptrdiff_t(y) * n);
    }
    return dist;
}

// The 32 px butterfly at `size` pixels with smooth edges. Same geometry and
// the same steps as drawIcon32(), on a grid kSupersample times finer than the
// icon: wings and body in solid palette colours, a dark rim one unit of the
// 32 px geometry wide wherever a wing meets the transparent ground, then the
// antennae. Each icon pixel is the average of its samples.
QImage drawIconScaled(int size)
{
    constexpr int base = 32;
    if (size * kSupersample % base != 0)
        fail(QStringLiteral("icon-%1: size does not fit the %2 px geometry").arg(size).arg(base));
    const int unit = size * kSupersample / base; // samples per unit of the geometry
    QImage hi = paintWings(wings32(), base, unit);
    const int n = hi.width();

    std::vector<std::uint8_t> px(size_t(n) * n);
    for (int y = 0; y < n; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(hi.constScanLine(y));
        for (int x = 0; x < n; ++x)
            px[size_t(y) * n + x] = std::uint8_t(inkOf(line[x]));
    }
    // Rim: wing samples within one unit of the ground. The drawing stays
    // clear of the border, so the ground outside the grid never matters.
    const std::vector<std::int64_t> dist = squaredDistanceToClear(px, n);
    const std::int64_t reach = std::int64_t(unit) * unit;
    for (int y = 0; y < n; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(hi.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const size_t i = size_t(y) * n + x;
            if (px[i] != Clear && px[i] != Body && dist[i] <= reach)
                line[x] = kPalette[Outline];
        }
    }

    // Antennae along the diagonals drawIcon32() sets pixel by pixel, from the
    // head out to a club tip.
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(unit, unit);
        p.setPen(QPen(ink(Body), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(ink(Body));
        p.drawLine(QPointF(15.5, 7.5), QPointF(10.5, 2.5));
        p.drawLine(QPointF(16.5, 7.5), QPointF(21.5, 2.5));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(10.5, 2.5), 0.9, 0.9);
        p.drawEllipse(QPointF(21.5, 2.5), 0.9, 0.9);
    }

    // Average each kSupersample x kSupersample block: alpha from the share of
    // opaque samples, colour from the opaque samples alone.
    constexpr int samples = kSupersample * kSupersample;
    QImage image(size, size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    for (int y = 0; y < size; ++y) {
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            int opaque = 0;
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSupersample; ++sy) {
                const QRgb *line = reinterpret_cast<const QRgb *>(hi.constScanLine(y * kSupersample + sy));
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const QRgb c = line[x * kSupersample + sx];
                    if (qAlpha(c) == 0)
                        continue;
                    ++opaque;
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            if (opaque == 0) {
                out[x] = 0u;
                continue;
            }
            const auto mean = [opaque](int sum) { return (2 * sum + opaque) / (2 * opaque); };
            out[x] = qRgba(mean(r), mean(g), mean(b), (2 * 255 * opaque + samples) / (2 * samples));
        }
    }
    return image;
}

// Sanity check for the icon images: a palette of at most 256 entries and
// binary transparency, as the .ico format below requires.
void checkIcon(const QImage &image, const char *name)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a != 0 && a != 255)
                fail(QStringLiteral("%1: partial alpha at %2,%3").arg(QLatin1String(name)).arg(x).arg(y));
            colours.insert(line[x]);
        }
    }
    if (colours.size() > 256)
        fail(QStringLiteral("%1: %2 colours").arg(QLatin1String(name)).arg(colours.size()));
}

// ---------------------------------------------------------------------------
// Windows .ico writer
// ---------------------------------------------------------------------------
//
// Three kinds of image, chosen by the image's format and size:
//   - an 8-bit palette image: BITMAPINFOHEADER, 256-entry colour table, 8-bit
//     pixels and a 1-bit AND mask, which every version of Windows reads;
//   - a true-colour image under 256 px: BITMAPINFOHEADER, 32-bit BGRA pixels
//     with straight (not premultiplied) alpha, and an AND mask set where the
//     pixel is fully transparent, for whatever draws without the alpha;
//   - a 256 px image: a PNG stream, as Windows Vista and later take it.

void putU8(QByteArray &out, unsigned v) { out.append(char(v & 0xff)); }
void putU16(QByteArray &out, unsigned v)
{
    putU8(out, v);
    putU8(out, v >> 8);
}
void putU32(QByteArray &out, std::uint32_t v)
{
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

// The encoder's output for `image`, with fixed settings: the same image
// always gives the same bytes.
QByteArray encodeImage(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        fail(QStringLiteral("cannot encode %1 image: %2").arg(QLatin1String(format), writer.errorString()));
    return bytes;
}

constexpr int kPngIconSize = 256;

bool isPngIcon(const QImage &image) { return image.width() >= kPngIconSize; }

// BITMAPINFOHEADER of an icon image; the height covers the XOR and AND
// bitmaps together.
void putBitmapHeader(QByteArray &out, int w, int h, int bitCount, std::uint32_t pixelBytes)
{
    putU32(out, 40);
    putU32(out, std::uint32_t(w));
    putU32(out, std::uint32_t(2 * h));
    putU16(out, 1);        // biPlanes
    putU16(out, unsigned(bitCount));
    putU32(out, 0);        // biCompression = BI_RGB
    putU32(out, pixelBytes);
    putU32(out, 0);        // biXPelsPerMeter
    putU32(out, 0);        // biYPelsPerMeter
    putU32(out, 0);        // biClrUsed: 0 = all 2^bitCount (none for 32 bits)
    putU32(out, 0);        // biClrImportant
}

// AND mask, bottom-up, 1 = transparent.
template <typename Transparent>
void putMask(QByteArray &out, int w, int h, Transparent transparent)
{
    const int andStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (transparent(x, y))
                row[x / 8] = char(uchar(row[x / 8]) | (0x80u >> (x % 8)));
        out.append(row);
    }
}

QByteArray icoPaletteImage(const QImage &image)
{
    if (image.colorCount() > 256)
        fail(QStringLiteral("ico: more than 256 colours"));
    const int w = image.width();
    const int h = image.height();
    const int xorStride = (w + 3) & ~3;
    const int andStride = ((w + 31) / 32) * 4;
    const std::uint32_t pixelBytes = std::uint32_t(xorStride * h + andStride * h);

    QByteArray out;
    putBitmapHeader(out, w, h, 8, pixelBytes);

    // Colour table as RGBQUADs. Transparent entries are written as black,
    // which is what the XOR bitmap should hold under a set mask bit.
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() && qAlpha(table[i]) ? table[i] : 0u;
        putU8(out, qBlue(c));
        putU8(out, qGreen(c));
        putU8(out, qRed(c));
        putU8(out, 0);
    }

    // XOR bitmap, bottom-up.
    for (int y = h - 1; y >= 0; --y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < w; ++x)
            putU8(out, line[x]);
        for (int x = w; x < xorStride; ++x)
            putU8(out, 0);
    }
    putMask(out, w, h, [&](int x, int y) { return qAlpha(table[image.pixelIndex(x, y)]) == 0; });

    if (out.size() != 40 + 256 * 4 + qsizetype(pixelBytes))
        fail(QStringLiteral("ico: internal size mismatch"));
    return out;
}

QByteArray icoTrueColourImage(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    const int andStride = ((w + 31) / 32) * 4;
    const std::uint32_t pixelBytes = std::uint32_t(4 * w * h + andStride * h);

    QByteArray out;
    putBitmapHeader(out, w, h, 32, pixelBytes);
    // XOR bitmap, bottom-up, B G R A; 32-bit rows need no padding.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            putU8(out, qBlue(line[x]));
            putU8(out, qGreen(line[x]));
            putU8(out, qRed(line[x]));
            putU8(out, qAlpha(line[x]));
        }
    }
    putMask(out, w, h, [&](int x, int y) { return qAlpha(image.pixel(x, y)) == 0; });

    if (out.size() != 40 + qsizetype(pixelBytes))
        fail(QStringLiteral("ico: internal size mismatch"));
    return out;
}

QByteArray icoImage(const QImage &image)
{
    if (image.width() != image.height() || image.width() > kPngIconSize)
        fail(QStringLiteral("ico: %1x%2 is not an icon size").arg(image.width()).arg(image.height()));
    if (image.format() == QImage::Format_Indexed8)
        return icoPaletteImage(image);
    if (image.format() != QImage::Format_ARGB32)
        fail(QStringLiteral("ico: expected an 8-bit palette or a 32-bit ARGB image"));
    return isPngIcon(image) ? encodeImage(image, "png", -1) : icoTrueColourImage(image);
}

// The images in the order given, which is the order of the icon directory.
QByteArray icoFile(const std::vector<QImage> &images)
{
    std::vector<QByteArray> blobs;
    for (const QImage &image : images)
        blobs.push_back(icoImage(image));

    QByteArray out;
    putU16(out, 0); // reserved
    putU16(out, 1); // type: icon
    putU16(out, unsigned(images.size()));

    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage &image = images[i];
        putU8(out, image.width() >= 256 ? 0 : unsigned(image.width()));
        putU8(out, image.height() >= 256 ? 0 : unsigned(image.height()));
        putU8(out, 0); // bColorCount: 0 = 256 colours or more
        putU8(out, 0); // reserved
        putU16(out, 1); // wPlanes
        putU16(out, image.format() == QImage::Format_Indexed8 ? 8 : 32); // wBitCount
        putU32(out, std::uint32_t(blobs[i].size()));
        putU32(out, offset);
        offset += std::uint32_t(blobs[i].size());
    }
    for (const QByteArray &blob : blobs)
        out.append(blob);
    return out;
}

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void writeImage(const QString &path, const QImage &image, const char *format, int quality)
{
    writeBytes(path, encodeImage(image, format, quality));
}

} // namespace

int main(int argc, char **argv)
{
    // Rendering only; never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_assets <outdir>\n");
        return 2;
    }
    const QDir outDir(args.at(1));
    if (!outDir.mkpath(QStringLiteral(".")))
        fail(QStringLiteral("cannot create %1").arg(args.at(1)));

    for (const chengxi::layout::LogoDrawing &drawing : chengxi::layout::kLogoDrawings) {
        // The picture at 100 % is a JPEG, the drawings for larger scales
        // lossless.
        const bool original = drawing.percent == 100;
        writeImage(outDir.filePath(QLatin1String(drawing.file)), drawLogo(drawing),
                   original ? "jpeg" : "png", original ? 90 : -1);
    }

    const QImage icon32 = drawIcon32();
    const QImage icon16 = drawIcon16();
    checkIcon(icon32, "icon-32");
    checkIcon(icon16, "icon-16");
    writeImage(outDir.filePath(QStringLiteral("icon-32.png")), icon32, "png", -1);
    writeImage(outDir.filePath(QStringLiteral("icon-16.png")), icon16, "png", -1);

    for (const int size : {48, 64, 128, 256})
        writeImage(outDir.filePath(QStringLiteral("icon-%1.png").arg(size)),
                   drawIconScaled(size), "png", -1);

    // The program's icon proper, the 256-colour 32 and 16 px images, comes
    // first; after it the true-colour ones, which Windows picks on screens
    // of more colours: at 32 and 16 px at 100 %, at higher dots per inch
    // (20 and 24 px small icons, 40 and 48 px large ones) and for Explorer's
    // larger views.
    std::vector<QImage> icoImages = {icon32, icon16};
    for (const int size : {32, 16, 20, 24, 40, 48, 64, kPngIconSize})
        icoImages.push_back(drawIconScaled(size));
    writeBytes(outDir.filePath(QStringLiteral("app.ico")), icoFile(icoImages));
    return 0;
}
