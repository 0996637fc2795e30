// The window under the user's colour scheme: the labels stay readable on
// their fixed light-blue ground, the combo boxes and the button take the
// scheme's colours, and a change of scheme while the window is open is
// followed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "app/core/form1_layout.h"
#include "tests/qt/window_support.h"

namespace chengxi::testing {
namespace {

const QColor kGround(192, 192, 255);
const QColor kBlack(0, 0, 0);
const QColor kNavy(0, 0, 128);

// A dark desktop scheme, as GNOME's and KDE's dark themes give it: near-white
// text on near-black.
QPalette darkScheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return dark;
}

// A light scheme whose text is navy: dark enough to read on the ground.
QPalette navyScheme(const QPalette& standard)
{
    QPalette navy = standard;
    navy.setColor(QPalette::WindowText, kNavy);
    navy.setColor(QPalette::Text, kNavy);
    return navy;
}

QList<QWidget*> controlsOfKind(const Window& w, std::initializer_list<layout::Kind> kinds)
{
    QList<QWidget*> widgets;
    for (const layout::Control& entry : layout::kControls) {
        if (std::find(kinds.begin(), kinds.end(), entry.kind) != kinds.end()) {
            widgets << w.find<QWidget>(entry.name);
        }
    }
    return widgets;
}

// The colour most of the image shows.
QColor commonestColour(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto commonest =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor::fromRgb(commonest->first);
}

int meanLightness(const QImage& image)
{
    long long sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += image.pixelColor(x, y).lightness();
        }
    }
    return static_cast<int>(sum / (static_cast<long long>(image.width()) * image.height()));
}

// Every label shows `text` in its palette, on the ground, and draws it so:
// its pixels lie between the ground and a text colour no lighter than the
// ground, and some of them are dark.
void expectLabelsDrawn(const Window& w, const QColor& text, const char* scheme)
{
    for (QWidget* label : controlsOfKind(w, {layout::Kind::Label})) {
        const std::string where = scheme + (": " + label->objectName().toStdString());
        const QPalette palette = label->palette();
        EXPECT_EQ(label->foregroundRole(), QPalette::WindowText) << where;
        EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), text) << where;
        EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::WindowText), text) << where;
        EXPECT_EQ(palette.color(QPalette::Window), kGround) << where;

        const QImage shown = label->grab().toImage();
        EXPECT_EQ(commonestColour(shown), kGround) << where;
        int darkest = 255;
        int lightestRed = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                darkest = std::min(darkest, qGray(pixel.rgb()));
                lightestRed = std::max(lightestRed, pixel.red());
            }
        }
        EXPECT_LT(darkest, 64) << where << ": no dark text";
        EXPECT_LE(lightestRed, kGround.red()) << where << ": text lighter than the ground";
    }
}

// The combo boxes and the button show the scheme's own colours, not the
// window's ground.
void expectSchemeColours(const Window& w, const QPalette& scheme, const char* name)
{
    for (QWidget* widget : controlsOfKind(w, {layout::Kind::ComboBox, layout::Kind::Button})) {
        const std::string where = name + (": " + widget->objectName().toStdString());
        for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                QPalette::Button, QPalette::ButtonText, QPalette::Highlight}) {
            EXPECT_EQ(widget->palette().color(role), scheme.color(role)) << where << " role " << role;
        }
    }
    for (int n = 1; n <= 3; ++n) {
        QLineEdit* edit = w.combo(n)->lineEdit();
        EXPECT_EQ(commonestColour(edit->grab().toImage()), scheme.color(QPalette::Base)) << name << ": Combo" << n;
    }
    // The button's face is a gradient around the scheme's button colour.
    const int button = meanLightness(w.button()->grab().toImage());
    EXPECT_LT(std::abs(button - scheme.color(QPalette::Button).lightness()), 40)
        << name << ": button drawn at lightness " << button;
}

// Gives every label a text to draw.
void fillFigures(const Window& w)
{
    w.tick();
    w.button()->click();
}

// A new application palette, as a change of desktop scheme brings it: the
// widgets hear of it through the event loop.
void setScheme(const QPalette& scheme)
{
    QApplication::setPalette(scheme);
    QApplication::processEvents();
}

class ColourScheme : public ::testing::Test {
protected:
    void TearDown() override { setScheme(standard_); }

    const QPalette standard_ = QApplication::palette();
};

TEST_F(ColourScheme, StandardSchemeDrawsTheLabelsInItsBlack)
{
    ASSERT_EQ(standard_.color(QPalette::WindowText), kBlack);
    Window w;
    fillFigures(w);
    expectLabelsDrawn(w, kBlack, "standard");
    expectSchemeColours(w, standard_, "standard");
}

TEST_F(ColourScheme, DarkSchemeAtOpeningKeepsTheLabelsBlack)
{
    setScheme(darkScheme());
    Window w;
    fillFigures(w);
    expectLabelsDrawn(w, kBlack, "dark");
    expectSchemeColours(w, darkScheme(), "dark");
    // The window's own ground, below the maker's line.
    EXPECT_EQ(w.form->grab().toImage().pixelColor(650, 275), kGround);
}

TEST_F(ColourScheme, TextThatReadsOnTheGroundIsKept)
{
    setScheme(navyScheme(standard_));
    Window w;
    fillFigures(w);
    expectLabelsDrawn(w, kNavy, "navy");
    expectSchemeColours(w, navyScheme(standard_), "navy");
}

TEST_F(ColourScheme, AChangeOfSchemeWhileOpenIsFollowed)
{
    Window w;
    w.form->show();
    fillFigures(w);

    setScheme(darkScheme());
    expectLabelsDrawn(w, kBlack, "to dark");
    expectSchemeColours(w, darkScheme(), "to dark");

    setScheme(navyScheme(standard_));
    expectLabelsDrawn(w, kNavy, "dark to navy");
    expectSchemeColours(w, navyScheme(standard_), "dark to navy");

    setScheme(darkScheme());
    setScheme(standard_);
    expectLabelsDrawn(w, standard_.color(QPalette::WindowText), "back to standard");
    expectSchemeColours(w, standard_, "back to standard");
    EXPECT_EQ(w.form->palette().color(QPalette::Window), kGround);
}

}  // namespace
}  // namespace chengxi::testing
