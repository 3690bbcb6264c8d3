// File > Add Reference Polar... in the polar views: a polar file of the
// reference solver and a wind-tunnel table drawn beside ours, a file it
// cannot use refused with its line and nothing changed, and RESET POLAR
// removing them with our polars.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/Application.h"
#include "app/ReferencePolarCommands.h"
#include "app/ViewDrawing.h"
#include "plot/PlotStyle.h"
#include "plot/RecordingSurface.h"
#include "plot/ReferenceMarkers.h"
#include "support/TestSupport.h"
#include "ui/MainWindow.h"

namespace aerolune {
namespace {

using plot::RecordedCall;

// The reference polars' legend rows and filled squares in the first
// reference colour, as the polar view draws them now.
struct Drawn {
    std::vector<std::string> texts;
    std::size_t firstColourSquares = 0;
};

Drawn drawn(AppState& state) {
    plot::RecordingSurface surface;
    drawCurrentView(state, surface);
    Drawn d{surface.texts(), 0};
    const plot::Colour first = plot::referenceColour(0, plot::plotStyleFrom(state).whiteBackground());
    for (const RecordedCall& c : surface.of(RecordedCall::Kind::FilledBox))
        if (c.pen.colour == first) ++d.firstColourSquares;
    return d;
}

bool anyTextHas(const Drawn& d, const std::string& part) {
    for (const std::string& t : d.texts)
        if (t.find(part) != std::string::npos) return true;
    return false;
}

// Chooses path in the file dialog as soon as it shows.
void chooseInDialog(const std::string& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog takes the chosen name there
    });
}

TEST(ReferencePolarWindow, AddedInThePolarViewsShownUntilReset) {
    Application app;
    app.StartUp();
    ui::MainWindow& window = *app.mainWindow();
    QAction* add = window.action("addReferencePolar");
    EXPECT_FALSE(add->isEnabled()) << "the airfoil view draws no polar";
    app.runCommand("polarView");
    ASSERT_TRUE(add->isEnabled());

    // The reference solver's polar file through the menu and its dialog.
    const std::string solver = test::dataPath("reference/xfoil_polar_file_naca2412_re1e6.txt");
    chooseInDialog(solver);
    add->trigger();
    AppState& state = app.state();
    ASSERT_EQ(state.analysis.referencePolars.size(), 1u);
    const std::string title = state.analysis.referencePolars[0].title;
    Drawn d = drawn(state);
    EXPECT_TRUE(anyTextHas(d, title)) << title;
    // Each of the file's points lies inside the axes; one more is the legend's swatch.
    EXPECT_EQ(d.firstColourSquares, state.analysis.referencePolars[0].points.size() + 1);

    // A wind-tunnel table, and the same solver file again, which replaces
    // itself rather than showing twice.
    QTemporaryDir folder;
    const std::string tunnel = folder.filePath("tunnel.csv").toStdString();
    std::ofstream(tunnel) << "alpha,cl,cd\n0,0.25,0.0061\n4,0.66,0.0070\n";
    std::vector<std::string> messages;
    const FileCommandContext context{{}, [&messages](const std::string& m) { messages.push_back(m); }, [] {}};
    EXPECT_TRUE(addReferencePolarFile(state, context, tunnel));
    EXPECT_TRUE(addReferencePolarFile(state, context, solver));
    EXPECT_EQ(state.analysis.referencePolars.size(), 2u);
    EXPECT_TRUE(anyTextHas(drawn(state), "tunnel.csv"));
    EXPECT_TRUE(messages.empty());

    // A file that is no polar: refused naming the line, nothing changes.
    const std::string section = test::dataPath("sections/e378.dat");
    EXPECT_FALSE(addReferencePolarFile(state, context, section));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("e378.dat"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("line"), std::string::npos) << messages[0];
    EXPECT_EQ(state.analysis.referencePolars.size(), 2u);

    // Three more tables: the fifth polar would share a colour, and is refused.
    for (const char* name : {"b.csv", "c.csv", "d.csv"}) {
        const std::string path = folder.filePath(name).toStdString();
        std::ofstream(path) << "alpha cl cd\n2 0.4 0.0065\n";
        addReferencePolarFile(state, context, path);
    }
    EXPECT_EQ(state.analysis.referencePolars.size(), kMaxShownReferencePolars);
    EXPECT_EQ(messages.size(), 2u);

    app.runCommand("resetPolars");
    EXPECT_TRUE(state.analysis.referencePolars.empty());
    d = drawn(state);
    EXPECT_FALSE(anyTextHas(d, title));
    EXPECT_EQ(d.firstColourSquares, 0u);

    app.runCommand("coordinatesView");
    EXPECT_FALSE(add->isEnabled());
}

}  // namespace
}  // namespace aerolune
