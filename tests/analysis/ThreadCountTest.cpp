// The parallel loops (polar angles, boundary-layer surfaces, field rings)
// give the same bits on one thread as on several: each item writes only its
// own results, so nothing may depend on which thread ran it or when.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "analysis/BoundaryLayer.h"
#include "analysis/FieldRoutine.h"
#include "analysis/Polar.h"
#include "common/ParallelFor.h"
#include "geometry/SectionDefinition.h"
#include "support/NullSeam.h"

namespace aerolune {
namespace {

// AEROLUNE_THREADS for one scope; the previous value comes back after it.
class ThreadsSetting {
public:
    explicit ThreadsSetting(int threads) {
        if (const char* old = std::getenv("AEROLUNE_THREADS")) previous_ = old, hadPrevious_ = true;
        ::setenv("AEROLUNE_THREADS", std::to_string(threads).c_str(), 1);
    }
    ~ThreadsSetting() {
        if (hadPrevious_)
            ::setenv("AEROLUNE_THREADS", previous_.c_str(), 1);
        else
            ::unsetenv("AEROLUNE_THREADS");
    }

private:
    std::string previous_;
    bool hadPrevious_ = false;
};

// The bytes of some values, so that equal means equal to the last bit.
template <typename T>
void appendBits(std::string& out, const T* values, std::ptrdiff_t count) {
    out.append(reinterpret_cast<const char*>(values), sizeof(T) * static_cast<std::size_t>(count));
}

std::string polarBits(int32_t designation, int32_t points, double re, double flapDeg) {
    SectionState section;
    section.designationNumber = designation;
    section.flapAngleRad = flapRadians(flapDeg);
    section.flapHingeX = flapHinge(flapDeg != 0.0 ? 25.0 : 0.0);
    PolarSettings settings;
    settings.re = re;
    StoredPolar polar;
    std::string bits = polarSweep(section, points, settings, polar) + "|";
    for (const PolarPoint& p : polar.points) {
        const double figures[] = {p.angle, p.cl, p.cdTimes1000, p.cm, p.upperTransition, p.lowerTransition};
        appendBits(bits, figures, 6);
        bits += p.notComputed + "|";
    }
    return bits;
}

std::string boundaryLayerBits(const char* naca, const char* alpha, int16_t points) {
    AppState state;
    state.texts.sectionName = naca;
    state.texts.angleText = alpha;
    state.shared.HalfPoints = points / 2;
    state.shared.TotalPoints = Variant(points);
    state = test::recomputed(state);
    test::NullSeam seam;
    std::string bits = BoundaryLayer(state, seam) ? "ok|" : state.boundaryLayer.error + "|";
    const BoundaryLayerSolution& sol = state.boundaryLayer;
    appendBits(bits, &sol.boundaryLayerCd, 1);
    appendBits(bits, &sol.cl, 1);
    appendBits(bits, sol.displacedY.data(), sol.displacedY.size());
    for (const BoundaryLayerSurface* surface : {&sol.lower, &sol.upper}) {
        appendBits(bits, &surface->rows, 1);
        appendBits(bits, surface->table.data(), surface->table.rows() * surface->table.cols());
        appendBits(bits, surface->profileU.data(), surface->profileU.rows() * surface->profileU.cols());
    }
    return bits;
}

std::string fieldBits(const char* naca, const char* alpha, int view) {
    AppState state;
    state.texts.sectionName = naca;
    state.texts.angleText = alpha;
    state = test::recomputed(state);
    const FieldViewData field = computeFieldView(state, view);
    std::string bits;
    appendBits(bits, field.flow.psi.data(), field.flow.psi.rows() * field.flow.psi.cols());
    appendBits(bits, field.flow.cp.data(), field.flow.cp.rows() * field.flow.cp.cols());
    appendBits(bits, field.segments.count.data(), field.segments.count.size());
    return bits;
}

TEST(ThreadCount, OneTwoAndFourThreadsGiveTheSameBits) {
    struct Case {
        const char* what;
        std::function<std::string()> run;
    };
    const Case cases[] = {
        {"polar 2412, 120 points, Re 1e6", [] { return polarBits(2412, 120, 1e6, 0.0); }},
        {"polar 0012, 80 points, Re 3e6", [] { return polarBits(12, 80, 3e6, 0.0); }},
        {"polar 23015 with a 10-degree flap, 120 points", [] { return polarBits(23015, 120, 1e6, 10.0); }},
        {"polar 4412, 340 points, Re 2e5", [] { return polarBits(4412, 340, 2e5, 0.0); }},
        {"boundary layer 0012 at 4 degrees, 120 points", [] { return boundaryLayerBits("0012", "4", 120); }},
        {"boundary layer 4412 at 8 degrees, 240 points", [] { return boundaryLayerBits("4412", "8", 240); }},
        {"streamlines 2412 at 5 degrees", [] { return fieldBits("2412", "5", kStreamlineView); }},
        {"pressure contours 0012 at -3 degrees", [] { return fieldBits("0012", "-3", kPressureView); }},
    };
    for (const Case& c : cases) {
        std::string serial;
        {
            ThreadsSetting one(1);
            serial = c.run();
        }
        ASSERT_GT(serial.size(), 16u) << c.what;
        for (int threads : {2, 4}) {
            ThreadsSetting several(threads);
            EXPECT_TRUE(c.run() == serial) << c.what << " on " << threads << " threads";
        }
    }
}

TEST(ThreadCount, ParallelLoopRunsEveryItemOnceAndPassesOnTheFirstFailure) {
    for (int threads : {1, 2, 3, 8}) {
        ThreadsSetting setting(threads);
        std::vector<int> runs(50, 0);
        parallelFor(50, [&](int i) { ++runs[static_cast<std::size_t>(i)]; });
        EXPECT_EQ(runs, std::vector<int>(50, 1)) << threads << " threads";

        // Every item still runs; the lowest failing item's exception comes back.
        std::vector<int> reached(20, 0);
        try {
            parallelFor(20, [&](int i) {
                reached[static_cast<std::size_t>(i)] = 1;
                if (i == 7 || i == 13) throw std::runtime_error(std::to_string(i));
            });
            ADD_FAILURE() << "no exception on " << threads << " threads";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "7") << threads << " threads";
        }
        EXPECT_EQ(reached, std::vector<int>(20, 1)) << threads << " threads";
    }
}

TEST(ThreadCount, TheThreadSettingIsReadAsAWholeNumberFromOne) {
    const std::pair<const char*, int> cases[] = {{"1", 1}, {"3", 3}, {"1000", 64}};
    for (const auto& [text, expected] : cases) {
        ::setenv("AEROLUNE_THREADS", text, 1);
        EXPECT_EQ(workerCount(), expected) << text;
    }
    // Anything else is ignored: the machine's processors are used.
    ::unsetenv("AEROLUNE_THREADS");
    const int machine = workerCount();
    EXPECT_GE(machine, 1);
    for (const char* ignored : {"0", "-2", "two", "2x", ""}) {
        ::setenv("AEROLUNE_THREADS", ignored, 1);
        EXPECT_EQ(workerCount(), machine) << ignored;
    }
    ::unsetenv("AEROLUNE_THREADS");
}

}  // namespace
}  // namespace aerolune
