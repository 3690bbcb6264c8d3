#include "analysis/ViewFacts.h"

#include <array>

namespace aerolune {

namespace {

constexpr std::array<ViewFacts, 10> kViews{{
    {1, " Distribution", "Save %s Airfoil DATA", true, false, false, 60},
    {2, ":  Cp v.s. Chord Position", "Save Pressure Coefficient for %s", true, false, true, 60},
    {3, ":  Velocity v.s. Chord Position", "Save Velocity Distribution for %s", true, false, true, 60},
    {4, ":  Streamlines", nullptr, false, true, false, 190},
    {5, ":  Pressure (Red - High; Blue - Low) ", nullptr, false, true, false, 200},
    {6, ":  O-Grid", "Save Mesh for %s", true, true, false, 160},
    {7, ":  Boundary Layer Solution", "Save CFD Bounday Layer Solution", true, false, false, 170},
    {8, ":  Report", nullptr, false, false, false, 0},
    {9, ":  Report", nullptr, false, false, false, 0},
    {10, "", "Save CL-CD Polar", true, false, false, 150},
}};

constexpr ViewFacts kNoView{};

}  // namespace

const ViewFacts& viewFacts(int view) {
    for (const ViewFacts& facts : kViews)
        if (facts.view == view) return facts;
    return kNoView;
}

std::string saveTitleFor(const ViewFacts& facts, const std::string& name, const std::string& currentTitle) {
    if (facts.saveTitle == nullptr) return currentTitle;
    std::string title = facts.saveTitle;
    if (const std::size_t at = title.find("%s"); at != std::string::npos) title.replace(at, 2, name);
    return title;
}

}  // namespace aerolune
