// The line views rendered by the QPainter surface into a 1200 x 800 image,
// to PDF and SVG files read back, and the exclusive-or rubber band.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>
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
        s.texts.Text1 = "2412";
        s.texts.Text2 = "4";
        s.pub.VFlag = int16_t{10};  // the sweep fills the polar store; the layer is computed too
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
        state.pub.VFlag = int16_t(c.vflag);
        state.pub.XChoice = int16_t(c.xchoice);
        state.pub.BlDisplayOpt = int16_t(c.blOpt);
        state.priv.PolarPlotKind = int16_t(c.kind);
        ImageSurface surface(1200, 800);
        ASSERT_TRUE(drawLineView(surface, state)) << c.what;
        const QImage image = surface.image();
        ASSERT_EQ(image.size(), QSize(1200, 800));
        const auto found = coloursOf(image);
        for (uint32_t colour : c.colours)
            EXPECT_TRUE(found.count(colour)) << c.what << std::hex << " " << colour;
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
        copy.pub.VFlag = int16_t{2};
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
    state.pub.VFlag = int16_t{2};
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
