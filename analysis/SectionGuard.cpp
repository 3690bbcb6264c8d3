#include "analysis/SectionGuard.h"

#include <cstdio>

#include "geometry/SectionDefinition.h"
#include "numerics/airfoil/Airfoil.h"

namespace aerolune {

namespace {

std::string chordPlace(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", x);
    return text;
}

BuiltDefinition definitionOf(const AppState& state) {
    const SectionState& sec = state.section;
    return {state.texts.sectionName,
            state.texts.flapDeflection,
            state.texts.flapLength,
            state.shared,
            sec.fromFile,
            sec.flapAngleRad,
            sec.flapHingeX,
            sec.file};
}

void putBack(AppState& state, const BuiltDefinition& built) {
    state.texts.sectionName = built.sectionName;
    state.texts.flapDeflection = built.flapDeflection;
    state.texts.flapLength = built.flapLength;
    SharedSettings& s = state.shared;
    const SharedSettings& b = built.shared;
    s.TotalPoints = b.TotalPoints;
    s.HalfPoints = b.HalfPoints;
    s.SectionFamily = b.SectionFamily;
    s.Naca4Camber = b.Naca4Camber;
    s.Naca4CamberPos = b.Naca4CamberPos;
    s.Naca4Thickness = b.Naca4Thickness;
    s.Naca5LiftDigit = b.Naca5LiftDigit;
    s.Naca5CamberPos = b.Naca5CamberPos;
    s.Naca5Thickness = b.Naca5Thickness;
    s.FlapLength = b.FlapLength;
    s.FlapDeflection = b.FlapDeflection;
    SectionState& sec = state.section;
    sec.fromFile = built.fromFile;
    sec.flapAngleRad = built.flapAngleRad;
    sec.flapHingeX = built.flapHingeX;
    sec.file = built.file;
    sec.designationNumber = sectionNumberFromText(built.sectionName);
}

}  // namespace

std::string sectionBuildProblem(AppState& state) {
    SectionState& sec = state.section;
    FileSection& file = sec.file;
    int32_t designation = sec.designationNumber;
    int32_t half = state.shared.HalfPoints;
    int32_t source = sec.fromFile;
    const SectionFault fault = AirfoilSectionFault(&designation, &sec.flapAngleRad, &sec.flapHingeX, &half,
                                                   file.FileYU.data(), file.FileYL.data(), file.FileXU.data(),
                                                   file.FileXL.data(), &file.FileNU, &file.FileNL, &source);
    switch (fault.kind) {
        case SectionFault::Kind::None:
            return {};
        case SectionFault::Kind::NoSection:
            return "its definition makes no section";
        case SectionFault::Kind::TurnsBack:
            return "a surface turns back past the vertical before the trailing edge";
        case SectionFault::Kind::SurfacesCross:
            return "its surfaces cross near x = " + chordPlace(fault.x);
        case SectionFault::Kind::NoThickness:
            return "it has no thickness";
    }
    return "its definition makes no section";
}

bool guardSection(AppState& state, ViewSeam& seam) {
    const std::string problem = sectionBuildProblem(state);
    if (problem.empty()) {
        state.lastBuilt = definitionOf(state);
        return true;
    }
    const std::string head = "The section " + state.texts.sectionName + " cannot be built: " + problem;
    if (!state.lastBuilt) {
        seam.showMessage(head + ".");
        return false;
    }
    seam.showMessage(head + "; the previous section is kept.");
    putBack(state, *state.lastBuilt);
    return true;
}

}  // namespace aerolune
