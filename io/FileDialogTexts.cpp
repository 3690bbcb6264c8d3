#include "io/FileDialogTexts.h"

namespace aerolune {

std::string saveAsciiDialogTitle(int32_t vflag, const std::string& name, const std::string& currentTitle) {
    switch (vflag) {
        case 1:
            return "Save " + name + " Airfoil DATA";
        case 2:
            return "Save Pressure Coefficient for " + name;
        case 3:
            return "Save Velocity Distribution for " + name;
        case 6:
            return "Save Mesh for " + name;
        case 7:
            return "Save CFD Bounday Layer Solution";
        case 10:
            return "Save CL-CD Polar";
        default:
            return currentTitle;
    }
}

std::string exportDxfDialogTitle(const std::string& name) { return "Export NACA " + name + " DXF File"; }

}  // namespace aerolune
