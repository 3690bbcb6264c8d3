// The line views rendered by the QPainter surface into a 1200 x 800 image,
// to PDF and SVG files read back, and the exclusive-or rubber band.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>

#include "analysis/FieldLevels.h"
#include "analysis/Pipeline.h"
#include "plot/Views.h"
#include "plot/qt/PainterSurface.h"
#include "plot/qt/PlotFile.h"
#include "support/NullSeam.h"

namespace aerolune::plot {
namespace {

const AppState& solved() {
    static const AppState state = [] {
        AppState s;
        s.texts.sectionName = "2412";
        s.texts.angleText = "4";
        s.display.view = 10;  // the sweep fills the polar store; the layer is computed too
        test::NullSeam seam;
        recompute(s, seam);
        return s;
    }();
    return state;
}

std::set<uint32_t> coloursOf(const QImage& image) {
    std::set<uint32_t> out;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) out.insert(row[x] & 0xFFFFFFu);
    }
    return out;
}

uint32_t rampColour(int level) {
    const RgbColour c = colourRamp(21)[static_cast<std::size_t>(4 * level - 1)];
    return static_cast<uint32_t>(c.red << 16 | c.green << 8 | c.blue);
}

TEST(Render, EachViewShowsTheColoursItMustContain) {
    struct Case {
        const char* what;
        int vflag, xchoice, blOpt, kind;
        std::vector<uint32_t> colours;
    };
    // Lines are drawn without smoothing, so the exact palette and ramp colours appear.
    const Case cases[] = {
        {"velocity sub-view", 1, 0, 1, 1, {0x000000, rampColour(1), rampColour(11)}},
        {"pressure sub-view", 1, 1, 1, 1, {0x000000, rampColour(1), rampColour(21)}},
        {"coordinates", 1, 2, 1, 1, {0x000000, paletteRgb(8), paletteRgb(12)}},
        {"boundary layer on the section", 1, 3, 1, 1, {0x000000}},
        {"Cp", 2, 2, 1, 1, {paletteRgb(0), paletteRgb(14)}},
        {"velocity", 3, 2, 1, 1, {paletteRgb(0), paletteRgb(14)}},
        {"profiles", 7, 2, 1, 1, {paletteRgb(9), paletteRgb(10), paletteRgb(8)}},
        {"friction", 7, 2, 6, 1, {paletteRgb(0), paletteRgb(8)}},
        {"Cl and Cm", 10, 2, 1, 2, {paletteRgb(1), paletteRgb(8)}},
    };
    for (const Case& c : cases) {
        AppState state = solved();
        state.display.view = c.vflag;
        state.display.airfoilOverlay = AirfoilOverlay(c.xchoice);
        state.display.boundaryLayerPlot = BoundaryLayerPlot(c.blOpt);
        state.display.polarKind = PolarKind(c.kind);
        ImageSurface surface(1200, 800);
        ASSERT_TRUE(drawLineView(surface, state)) << c.what;
        const QImage image = surface.image();
        ASSERT_EQ(image.size(), QSize(1200, 800));
        const auto found = coloursOf(image);
        for (uint32_t colour : c.colours)
            EXPECT_TRUE(found.count(colour)) << c.what << std::hex << " " << colour;
    }
}

// One figure on a 200 x 100 image whose scale puts (0, 5) at the top left
// and (20, 0) at the bottom right: 10 pixels a unit across, 20 up, y
// upwards, so the world point (x, y) is the pixel (10 x, 20 (5 - y)).
struct Figure {
    const char* what;
    std::function<void(Surface&)> draw;
    std::vector<std::array<int, 2>> inked;  ///< pixels that must hold the colour (within one pixel)
    std::vector<std::array<int, 2>> clear;  ///< pixels that must keep the background
    uint32_t colour;
};

bool hasColourNear(const QImage& image, int x, int y, uint32_t colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((image.pixel(x + dx, y + dy) & 0xFFFFFFu) == colour) return true;
    return false;
}

// The ink of a text: the rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Render, FiguresLandWhereTheScalePutsThem) {
    const uint32_t red = paletteRgb(kRed), blue = paletteRgb(kBlue), green = paletteRgb(kGreen);
    const Figure figures[] = {
        {"thin line",
         [](Surface& s) { s.line(2, 1, 18, 1, kRed); },
         {{20, 80}, {100, 80}, {180, 80}},
         {{100, 20}, {100, 77}, {100, 83}, {10, 80}, {190, 80}},
         red},
        {"wide line",
         [](Surface& s) {
             s.setDrawWidth(5);
             s.line(2, 1, 18, 1, kRed);
         },
         {{100, 78}, {100, 82}},
         {{100, 86}, {100, 74}},
         red},
        {"dotted line",
         [](Surface& s) {
             s.setDrawStyle(DrawStyle::Dot);
             s.line(2, 1, 18, 1, kRed);
         },
         {{20, 80}},
         {},
         red},
        {"box",
         [](Surface& s) { s.line(4, 4, 8, 2, kBlue, BoxMode::Box); },
         {{40, 40}, {80, 40}, {60, 20}, {60, 60}},
         {{60, 40}, {30, 40}, {90, 40}},
         blue},
        {"filled box",
         [](Surface& s) { s.line(4, 4, 8, 2, kBlue, BoxMode::Filled); },
         {{60, 40}, {45, 25}, {75, 55}},
         {{30, 40}, {90, 40}, {60, 10}, {60, 70}},
         blue},
        // A radius is measured along x: 20 pixels, round on the image.
        {"circle",
         [](Surface& s) { s.circle(10, 2.5, 2, kGreen); },
         {{120, 50}, {80, 50}, {100, 30}, {100, 70}},
         {{100, 50}, {125, 50}, {100, 25}},
         green},
        {"filled circle",
         [](Surface& s) { s.circle(10, 2.5, 2, kGreen, true); },
         {{100, 50}, {115, 50}},
         {{125, 50}, {100, 75}},
         green},
        {"point",
         [](Surface& s) {
             s.setDrawWidth(3);
             s.pset(15, 2.5, kGreen);
         },
         {{150, 50}},
         {{155, 50}, {150, 55}},
         green},
    };
    for (const Figure& f : figures) {
        ImageSurface surface(200, 100);
        surface.setScale(0, 5, 20, 0);
        surface.setBackColor(kWhite);
        surface.clear();
        f.draw(surface);
        const QImage image = surface.image();
        for (const auto& [x, y] : f.inked)
            EXPECT_TRUE(hasColourNear(image, x, y, f.colour)) << f.what << " at " << x << "," << y;
        for (const auto& [x, y] : f.clear)
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFFu, 0xFFFFFFu) << f.what << " at " << x << "," << y;
        if (std::string(f.what) == "dotted line") {
            int gaps = 0;
            for (int x = 20; x <= 180; ++x) {
                bool inked = false;
                for (int y = 79; y <= 81; ++y) inked = inked || (image.pixel(x, y) & 0xFFFFFFu) == f.colour;
                gaps += inked ? 0 : 1;
            }
            EXPECT_GT(gaps, 0) << "a dotted line has gaps";
        }
    }
}

TEST(Render, TextStartsAtTheCurrentPositionAndTurnsAboutIt) {
    // The text's box has its top-left corner at the current position; turned
    // 90 degrees it runs upwards from there.
    for (double degrees : {0.0, 90.0}) {
        ImageSurface surface(200, 100);
        surface.setScale(0, 5, 20, 0);
        surface.setBackColor(kWhite);
        surface.clear();
        FontSpec font;
        font.escapementDegrees = degrees;
        surface.setFont(font);
        const double across = surface.textWidth("MMMM") / surface.scaleWidth() * 200;
        const double high = std::fabs(surface.textHeight("MMMM") / surface.scaleHeight()) * 100;
        surface.setCurrent(2, degrees == 0 ? 4 : 1);  // pixel (20, 20), or (20, 80) turned
        surface.printText("MMMM");
        const QRect ink = inkBox(surface.image());
        ASSERT_FALSE(ink.isEmpty()) << degrees;
        // One pixel either way for rounding; glyphs sit inside their line box.
        const QRectF expected =
            degrees == 0 ? QRectF(20, 20, across, high) : QRectF(20, 80 - across, high, across);
        EXPECT_TRUE(expected.adjusted(-1, -1, 1, 1).contains(QRectF(ink))) << degrees;
        EXPECT_GT(ink.width() * ink.height(), 0.25 * expected.width() * expected.height()) << degrees;
    }
}

TEST(Render, TextUsesARealFont) {
    // With no font installed text silently vanishes.
    QFont arial("Arial");
    EXPECT_FALSE(QFontInfo(arial).family().isEmpty());
}

TEST(Render, PdfAndSvgFilesReadBackToAPicture) {
    const AppState& state = solved();
    const auto draw = [&state](Surface& s) {
        AppState copy = state;
        copy.display.view = 2;
        drawLineView(s, copy);
    };
    const std::string dir = testing::TempDir();
    for (const char* name : {"plot.pdf", "plot.svg"}) {
        const std::string path = dir + name;
        const WriteResult written = writePlotFile(path, 600, 400, draw);
        ASSERT_TRUE(written.ok) << written.reason;
        QImage image;
        if (std::string(name).ends_with(".svg")) {
            QSvgRenderer renderer(QString::fromStdString(path));
            ASSERT_TRUE(renderer.isValid());
            image = QImage(600, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            renderer.render(&p);
        } else {
            const std::string png = dir + "plot-page";
            ASSERT_EQ(std::system(("pdftoppm -r 96 -png -singlefile " + path + " " + png).c_str()), 0);
            image.load(QString::fromStdString(png + ".png"));
        }
        ASSERT_FALSE(image.isNull()) << name;
        // The yellow upper-surface curve (red + green, no blue) made it into the file.
        bool yellow = false;
        for (int y = 0; y < image.height() && !yellow; ++y)
            for (int x = 0; x < image.width() && !yellow; ++x) {
                const QColor c = image.pixelColor(x, y);
                yellow = c.red() > 200 && c.green() > 200 && c.blue() < 80;
            }
        EXPECT_TRUE(yellow) << name;
    }
    EXPECT_FALSE(writePlotFile(dir + "plot.gif", 10, 10, draw).ok);
}

TEST(Render, ExclusiveOrBoxDrawnTwiceRestoresThePicture) {
    AppState state = solved();
    state.display.view = 2;
    ImageSurface surface(400, 300);
    drawLineView(surface, state);
    const QImage before = surface.image();
    surface.setDrawMode(DrawMode::XorPen);
    surface.line(0.2, 0.5, 0.7, -0.5, kLightGreen, BoxMode::Box);
    EXPECT_NE(surface.image(), before);
    surface.line(0.2, 0.5, 0.7, -0.5, kLightGreen, BoxMode::Box);
    EXPECT_EQ(surface.image(), before);
}

}  // namespace
}  // namespace aerolune::plot
