// Every export layout against a golden file written from the layout rules by
// hand (tests/io/golden), byte for byte: CR LF, print zones, pictures and the
// order of points are all part of what other tools read.

#include <gtest/gtest.h>

#include <string>

#include "io/AsciiFile.h"
#include "io/DxfFile.h"
#include "io/IoTestSupport.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::list;

std::string golden(const std::string& name) { return test::readFile(test::dataPath("../io/golden/" + name)); }

// The contour of coordinates_n60.txt: 60 points, x = |i - 31| / 32 and
// y = (i - 31) / 256, exact in single precision, several of them halfway
// cases of the sixth decimal.
AppState coordinatesState() {
    AppState state;
    state.display.view = 1;
    state.texts.sectionName = "0012";
    state.shared.TotalPoints = int16_t{60};
    state.shared.HalfPoints = 30;
    state.section.nodeX.resize(61);
    state.section.nodeY.resize(61);
    for (int i = 1; i <= 61; ++i) {
        state.section.nodeX(i) = static_cast<float>(std::abs(i - 31)) / 32.0f;
        state.section.nodeY(i) = static_cast<float>(i - 31) / 256.0f;
    }
    return state;
}

AppState surfaceState(int16_t vflag) {
    AppState state;
    state.display.view = vflag;
    if (vflag == 2) {
        state.texts.sectionName = "2412";
        state.texts.angleReadout = "4 Deg.";
        state.shared.HalfPoints = 3;
        state.section.controlX = list({0.95f, 0.5f, 0.05f, 0.05f, 0.5f, 0.95f});
        state.section.surfaceCp = list({0.2f, -0.15f, 0.9f, -1.25f, -0.6f, 0.125f});
    } else {
        state.texts.sectionName = "0012";
        state.texts.angleReadout = "0 Deg.";
        state.shared.HalfPoints = 2;
        state.section.controlX = list({0.9f, 0.1f, 0.1f, 0.9f});
        state.section.surfaceSpeed = list({0.95f, -0.02f, 1.35f, 1.1f});
    }
    return state;
}

TEST(ExportGolden, CoordinatesCpAndVelocityFiles) {
    ExportText coordinates = asciiFileText(coordinatesState());
    ASSERT_TRUE(coordinates.ok()) << coordinates.error;
    EXPECT_EQ(coordinates.text, golden("coordinates_n60.txt"));

    ExportText cp = asciiFileText(surfaceState(2));
    ASSERT_TRUE(cp.ok()) << cp.error;
    EXPECT_EQ(cp.text, golden("surface_cp.txt"));

    ExportText velocity = asciiFileText(surfaceState(3));
    ASSERT_TRUE(velocity.ok()) << velocity.error;
    EXPECT_EQ(velocity.text, golden("surface_velocity.txt"));
}

TEST(ExportGolden, MeshFileRunsEachMeshLineBackwards) {
    MeshExportInput mesh;
    mesh.I = 3;
    mesh.J = 2;
    mesh.x.resize(3, 2);
    mesh.y.resize(3, 2);
    const float x[3][2] = {{1.0f, 10.5f}, {0.0f, -9.5f}, {1.0f, 10.5f}};
    const float y[3][2] = {{0.0f, -0.25f}, {0.06f, 0.5f}, {0.0f, 0.25f}};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 2; ++j) {
            mesh.x(i, j) = x[i - 1][j - 1];
            mesh.y(i, j) = y[i - 1][j - 1];
        }
    }
    AppState state;
    state.display.view = 6;
    ExportText text = asciiFileText(state, {&mesh, nullptr});
    ASSERT_TRUE(text.ok()) << text.error;
    EXPECT_EQ(text.text, golden("mesh.txt"));

    mesh.I = 4;  // more points than the mesh holds: refused, nothing read past it
    EXPECT_FALSE(asciiFileText(state, {&mesh, nullptr}).ok());
}

TEST(ExportGolden, PolarFileDividesTheDragBy1000) {
    // Drag 8.5 in the store is Cd 0.0085, written 0.008500; the store keeps
    // transitions as fractions of chord, written in per cent. The second
    // polar has no points and gives its three header lines only.
    AppState state;
    state.display.view = 10;
    PolarStore& store = state.analysis.polars;
    store.add({"2412", "0.0 Deg.", "0.0 %c", 1.0e6}).points = {
        {-2.0, -0.0123456, 8.5, -0.0525, 0.45678, 0.032}, {10.0, 1.234567, 12.25, 0.0005, 0.025, 0.99999}};
    store.add({"0012", "5.0 Deg.", "20.0 %c", 5.0e5});
    store.add({"4412", "0.0 Deg.", "0.0 %c", 1.0e6});
    state.analysis.polarCount = 2;  // a reset has lowered the count; the third polar is gone
    EXPECT_EQ(asciiFileText(state).text, golden("polars.txt"));

    state.analysis.polarCount = 0;
    ExportText none = asciiFileText(state);
    EXPECT_TRUE(none.ok());
    EXPECT_EQ(none.text, "");
}

// A small hand-made solution: 4 upper and 3 lower stations, 2 profiles of 3
// points per surface. Upper station s is x-list entry s + 4, lower station s
// entry 4 - s + 1.
BoundaryLayerExportInput smallSolution() {
    BoundaryLayerExportInput bl;
    bl.upperCount = 4;
    bl.lowerCount = 3;
    bl.stationX = {1.0, 0.75, 0.25, 0.0, 0.0, 0.2, 0.5, 0.95};
    bl.upperOffset = 4;
    bl.lowerEndIndex = 4;
    bl.profileCount = 2;
    bl.profilePoints = 3;
    bl.upper.arcLengthPct = {0.0, 1.5, 12.25, 48.123456};
    bl.upper.thickness = {0.0, 0.00012, 0.0011, 0.0042};
    bl.upper.friction = {0.0, 0.012, 0.004, 0.0021};
    bl.upper.profileDistance = {{0.0, 0.001, 0.0025}, {0.0, 0.002, 0.005}};
    bl.upper.profileVelocity = {{0.0, 0.6, 0.99}, {0.0, 0.5, 1.0}};
    bl.lower.arcLengthPct = {0.0, 2.0, 30.5};
    bl.lower.thickness = {0.0, 0.0002, 0.003};
    bl.lower.friction = {0.0, 0.009, -0.0005};
    bl.lower.profileDistance = {{0.0, 0.0015, 0.003}, {0.0, 0.004, 0.01}};
    bl.lower.profileVelocity = {{0.0, 0.7, 0.98}, {0.0, 0.45, 0.123456}};
    return bl;
}

TEST(ExportGolden, EveryBoundaryLayerLayout) {
    const char* files[] = {"bl_upper_profiles.txt",  "bl_lower_profiles.txt", "bl_upper_thickness.txt",
                           "bl_lower_thickness.txt", "bl_upper_friction.txt", "bl_lower_friction.txt"};
    const BoundaryLayerExportInput bl = smallSolution();
    AppState state;
    state.display.view = 7;
    state.texts.sectionName = "2412";
    for (int16_t option = 1; option <= 6; ++option) {
        state.display.boundaryLayerPlot = BoundaryLayerPlot(option);
        ExportText text = asciiFileText(state, {nullptr, &bl});
        ASSERT_TRUE(text.ok()) << option << ": " << text.error;
        EXPECT_EQ(text.text, golden(files[option - 1])) << files[option - 1];
    }
    state.display.boundaryLayerPlot = BoundaryLayerPlot{7};
    EXPECT_EQ(asciiFileText(state, {nullptr, &bl}).text, "");
}

TEST(ExportGolden, ProfileStationsCoverEverySurfaceStationWhenEachHasAProfile) {
    // With S = U the upper blocks visit stations 1..U, with S = L the lower
    // blocks 1..L: read off the x-station lines, whose x is the station's entry.
    BoundaryLayerExportInput bl;
    bl.upperCount = bl.lowerCount = bl.profileCount = 5;
    bl.profilePoints = 0;
    bl.upperOffset = 5;
    bl.lowerEndIndex = 5;
    for (int e = 1; e <= 10; ++e) bl.stationX.push_back(e / 100.0);  // entry e has x = e %
    bl.upper.profileDistance = bl.upper.profileVelocity = std::vector<std::vector<double>>(5);
    bl.lower.profileDistance = bl.lower.profileVelocity = std::vector<std::vector<double>>(5);
    ExportText upper = boundaryLayerExportText(1, "W", "1", bl);
    ExportText lower = boundaryLayerExportText(2, "W", "1", bl);
    ASSERT_TRUE(upper.ok() && lower.ok());
    const std::string head = "Boundary Layer Velocity Profiles on the ";
    auto stations = [](std::initializer_list<const char*> xs) {
        std::string s;
        for (const char* x : xs) s += std::string("X-Station:  ") + x + "\r\n";
        return s;
    };
    EXPECT_EQ(upper.text, head + "Upper Surface\r\nAirfoil: W Reynolds Number: 1\r\n" +
                              stations({"0.06000", "0.07000", "0.08000", "0.09000", "0.10000"}));
    EXPECT_EQ(lower.text, head + "Lower Surface\r\nAirfoil: W Reynolds Number: 1\r\n" +
                              stations({"0.05000", "0.04000", "0.03000", "0.02000", "0.01000"}));

    bl.lowerEndIndex = 3;  // stations that fall outside the x list: refused
    EXPECT_FALSE(boundaryLayerExportText(2, "W", "1", bl).ok());
}

TEST(ExportGolden, DxfOfAThreePointContour) {
    ExportText dxf = dxfFileText(list({1.0f, 0.9f, -0.5f}), list({0.0f, 0.05f, -0.025f}), 3);
    ASSERT_TRUE(dxf.ok());
    EXPECT_EQ(dxf.text, golden("dxf_three_points.dxf"));

    // One point: the section opening and closing only.
    EXPECT_EQ(dxfFileText(list({1.0f}), list({0.0f}), 1).text,
              " 0 \r\nSECTION\r\n 2 \r\nENTITIES\r\n 0 \r\nENDSEC\r\n 0 \r\nEOF\r\n");
    EXPECT_FALSE(dxfFileText(list({1.0f}), list({0.0f}), 2).ok());
}

TEST(ExportGolden, ViewsWithoutDataGiveAnEmptyFileAndMissingResultsAReason) {
    AppState state;
    for (int16_t view : {4, 5, 8, 9, 0, 11}) {
        state.display.view = view;
        ExportText text = asciiFileText(state);
        EXPECT_TRUE(text.ok()) << view;
        EXPECT_EQ(text.text, "") << view;
    }
    for (int16_t view : {6, 7}) {
        state.display.view = view;
        EXPECT_FALSE(asciiFileText(state).ok()) << view;
    }
    // An odd or oversized point count is refused rather than read past the arrays.
    AppState odd = coordinatesState();
    odd.shared.TotalPoints = int16_t{59};
    EXPECT_FALSE(asciiFileText(odd).ok());
    odd.shared.TotalPoints = int16_t{62};
    EXPECT_FALSE(asciiFileText(odd).ok());
}

}  // namespace
}  // namespace aerolune
