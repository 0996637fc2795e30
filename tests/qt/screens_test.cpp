// The window on screens of other scales: where it opens on a small screen,
// and the logo drawn for each scale it is shown at.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/qt/window_support.h"

namespace chengxi::testing {
namespace {

QScreen* screenNamed(const char* name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name)) {
            return screen;
        }
    }
    return nullptr;
}

// Sharpness of a picture's edges: the 95th percentile of the luma gradient
// over the pixels where the luma changes at all. A picture stretched from
// fewer pixels has softer edges and scores lower.
double edgeSharpness(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    auto luma = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
    };
    std::vector<double> gradients;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const double g = std::hypot(luma(x + 1, y) - luma(x, y), luma(x, y + 1) - luma(x, y));
            if (g > 0) {
                gradients.push_back(g);
            }
        }
    }
    if (gradients.empty()) {
        return 0;
    }
    const auto at = gradients.begin() + static_cast<std::ptrdiff_t>(gradients.size() * 95 / 100);
    std::nth_element(gradients.begin(), at, gradients.end());
    return *at;
}

// Adjacent rows (or, transposed, columns) with ink that are the same pixel
// for pixel: what a picture stretched by repeating pixels shows.
int repeatedInkedRows(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int repeated = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        bool inked = false;
        bool same = true;
        for (int x = 0; x < image.width(); ++x) {
            inked = inked || image.pixel(x, y) != qRgb(255, 255, 255);
            same = same && image.pixel(x, y) == image.pixel(x, y + 1);
        }
        repeated += inked && same ? 1 : 0;
    }
    return repeated;
}

// What the window shows of Image1, in device pixels.
QImage shownLogo(const Window& w)
{
    QLabel* image = w.find<QLabel>("Image1");
    return image->grab().toImage();
}

TEST(SmallScreen, TheWindowMovesInsideTheWorkAreaAndKeepsItsSize)
{
    // A 1366 x 768 laptop at 200 %: 683 x 384 pixels of the layout, where the
    // fixed place would put half of the window off the screen.
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
    const QScreen* laptop = screenNamed("laptop-200");
    ASSERT_NE(laptop, nullptr);
    ASSERT_EQ(w.form->screen(), laptop);
    const QRect work = laptop->availableGeometry();
    const QRect frame = w.form->frameGeometry();
    EXPECT_EQ(w.form->size(), QSize(656, 282));
    EXPECT_TRUE(work.contains(frame)) << frame.x() << "," << frame.y() << " in " << work.width() << "x"
                                      << work.height();
    // Moved no further than it had to: against the right and bottom edges.
    EXPECT_EQ(frame.right(), work.right());
    EXPECT_EQ(frame.bottom(), work.bottom());
}

TEST(Logo, DrawnForEachScaleAndOnlyEverScaledDown)
{
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
    const QImage original(QStringLiteral(CHENGXI_ASSETS_DIR "/logo.jpg"));
    ASSERT_FALSE(original.isNull());
    const double sharpnessAt100 = edgeSharpness(original);

    const struct {
        const char* screen;
        qreal ratio;
        const char* drawing;  // shown pixel for pixel; null: scaled down
    } screens[] = {
        {"laptop-200", 2.0, "logo-200.png"}, {"monitor-150", 1.5, "logo-150.png"},
        {"monitor-125", 1.25, "logo-125.png"}, {"monitor-175", 1.75, nullptr},
        {"monitor-100", 1.0, "logo.jpg"},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.screen);
        QScreen* screen = screenNamed(s.screen);
        ASSERT_NE(screen, nullptr);
        // Moved to that screen as the user drags it there.
        w.form->move(screen->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(w.form->devicePixelRatioF(), s.ratio);

        const QPixmap logo = w.find<QLabel>("Image1")->pixmap();
        EXPECT_EQ(logo.devicePixelRatio(), s.ratio);
        EXPECT_EQ(logo.size(), QSize(qRound(94 * s.ratio), qRound(72 * s.ratio)));
        const QImage shown = shownLogo(w);
        ASSERT_EQ(shown.size(), logo.size());
        if (s.drawing != nullptr) {
            const QImage drawing(QStringLiteral(CHENGXI_ASSETS_DIR "/") + QLatin1String(s.drawing));
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == drawing.convertToFormat(QImage::Format_RGB32))
                << "not the drawing for this scale, pixel for pixel";
        }
        EXPECT_GE(edgeSharpness(shown), 0.8 * sharpnessAt100);
        EXPECT_EQ(repeatedInkedRows(shown), 0);
        EXPECT_EQ(repeatedInkedRows(shown.transformed(QTransform().rotate(90))), 0) << "columns";
    }
}

}  // namespace
}  // namespace chengxi::testing
