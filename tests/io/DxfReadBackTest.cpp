// The DXF of a real section read back by a real DXF reader (ezdxf, from
// Debian's python3-ezdxf): what a CAD program sees must be the contour we hold.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "io/DxfFile.h"
#include "io/IoTestSupport.h"
#include "support/DxfReader.h"
#include "support/NacaBuild.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

struct DxfLine {
    std::string layer;
    double x1, y1, z1, x2, y2, z2;
};

TEST(DxfReadBack, Naca2412At120PointsReadsAsTheContour) {
    const std::string python = test::pythonWithEzdxf();
    ASSERT_FALSE(python.empty()) << "no python3 with ezdxf: install python3-ezdxf (scripts/install-deps.sh)";

    // NACA 2412 at 0 degrees with 60 points per surface, as the program builds it.
    const test::NacaBuild built = test::buildNaca(2412, 0.0f, 60);
    const Array1<float>&x = built.nodeX, &y = built.nodeY;
    // A real section, not an array of zeros: trailing edge at x = 1, leading
    // edge at node 61, 12 % thick (loose bounds; the builder's own tests check the shape).
    ASSERT_NEAR(x(1), 1.0f, 1e-6f);
    ASSERT_NEAR(x(61), 0.0f, 1e-6f);
    ASSERT_GT(y(91) - y(31), 0.1f);
    test::TempDir dir;
    const std::string path = dir.file("naca 2412.dxf");
    WriteResult written = WriteDxfFile(path, x, y, 120);
    ASSERT_TRUE(written.ok) << written.reason;

    std::istringstream out(test::readDxfWithEzdxf(python, path));
    std::string key;
    int auditErrors = -1, otherEntities = -1;
    out >> key >> auditErrors >> key >> otherEntities;
    std::vector<DxfLine> lines;
    DxfLine l{};
    while (out >> key >> l.layer >> l.x1 >> l.y1 >> l.z1 >> l.x2 >> l.y2 >> l.z2) lines.push_back(l);

    EXPECT_EQ(auditErrors, 0);
    EXPECT_EQ(otherEntities, 0);
    ASSERT_EQ(lines.size(), 119u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const DxfLine& e = lines[k];
        const auto start = static_cast<std::ptrdiff_t>(k + 1);
        EXPECT_EQ(e.layer, "0");
        EXPECT_EQ(e.z1, 0.0);
        EXPECT_EQ(e.z2, 0.0);
        // Seven significant digits of a single: within 5e-7 relative of the
        // node (a half unit in the seventh digit), plus 1e-12 for zero.
        EXPECT_TRUE(test::nearlyEqual(e.x1, x(start), 1e-12, 5e-7)) << k;
        EXPECT_TRUE(test::nearlyEqual(e.y1, y(start), 1e-12, 5e-7)) << k;
        EXPECT_TRUE(test::nearlyEqual(e.x2, x(start + 1), 1e-12, 5e-7)) << k;
        EXPECT_TRUE(test::nearlyEqual(e.y2, y(start + 1), 1e-12, 5e-7)) << k;
        if (k + 1 < lines.size()) {
            EXPECT_EQ(e.x2, lines[k + 1].x1) << k;
            EXPECT_EQ(e.y2, lines[k + 1].y1) << k;
        }
    }
}

}  // namespace
}  // namespace aerolune
