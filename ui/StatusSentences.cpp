#include "ui/StatusSentences.h"

#include <map>

namespace aerolune::ui {

namespace {

const std::map<QString, QString>& menuSentences() {
    static const std::map<QString, QString> sentences = {
        {"fileMenu", "Save or export what is shown, add a reference polar, print rib templates or quit."},
        {"saveViewData", "Save the numbers behind the current view as a text file."},
        {"exportDxf", "Export the section's outline as a DXF drawing."},
        {"exportPlot", "Save the current plot as a PNG, SVG or PDF file."},
        {"addReferencePolar", "Draw another solver's polar file or a wind-tunnel table beside the polars."},
        {"printRibTemplates", "Print full-size rib templates of the section for a tapered wing."},
        {"printerSetup", "Choose the printer and its page settings."},
        {"exit", "Close the window and quit Aerolune."},
        {"editMenu", "Copy the plot, or zoom the field views in and out."},
        {"copy", "Copy the current plot to the clipboard as a picture."},
        {"zoomIn", "Show the middle of the field view larger (or drag a box on the plot)."},
        {"zoomOut", "Show more of the field around the view."},
        {"zoomReset", "Show the whole field again."},
        {"viewMenu", "Choose what the plot shows: the section, its surface, the layer, polars or the field."},
        {"airfoilViewMenu", "Show the section with its coordinates, velocity, pressure or boundary layer."},
        {"coordinatesView", "Show the section's outline on a grid of chord percentages."},
        {"airfoilVelocityView", "Show the section with the velocity along its surface in colour."},
        {"airfoilPressureView", "Show the section with the pressure along its surface in colour."},
        {"airfoilBoundaryLayerView", "Show the section with its surface displaced by the boundary layer."},
        {"surfaceCpView", "Plot the pressure coefficient along both surfaces against the chord."},
        {"surfaceVelocityView", "Plot the velocity ratio along both surfaces against the chord."},
        {"boundaryLayerView", "Show the boundary-layer plot last chosen in the B.L. Solver menu."},
        {"polarView", "Compute the section over a range of angles and plot lift against drag."},
        {"liftMomentView", "Plot the lift and moment coefficients against the angle of attack."},
        {"transitionPointView", "Plot where the boundary layer turns turbulent against the lift."},
        {"resetPolars", "Clear every polar, computed or added, from the polar views."},
        {"streamLinesView", "Compute the flow around the section and draw its streamlines."},
        {"pressureFieldView", "Compute the flow around the section and draw lines of equal pressure."},
        {"meshView", "Show the mesh the flow field is computed on."},
        {"airfoilsMenu", "Choose the section: a NACA 4- or 5-digit section, or one from a file."},
        {"naca4", "Make a NACA 4-digit section from its camber, camber position and thickness."},
        {"naca5", "Make a NACA 5-digit section from its mean line and thickness."},
        {"openCoordinateFile", "Read a section from a coordinate file."},
        {"devicesMenu", "Set the angle of attack and the plain flap."},
        {"changeAngle", "Set the angle of attack in degrees."},
        {"configureFlap", "Set the plain flap's length and deflection."},
        {"boundaryLayerMenu", "Plot the boundary layer's velocity profiles, friction and thickness."},
        {"upperProfilesView", "Plot velocity profiles across the boundary layer on the upper surface."},
        {"upperFrictionView", "Plot the skin-friction coefficient along the upper surface."},
        {"upperThicknessView", "Plot the displacement and momentum thickness along the upper surface."},
        {"lowerProfilesView", "Plot velocity profiles across the boundary layer on the lower surface."},
        {"lowerFrictionView", "Plot the skin-friction coefficient along the lower surface."},
        {"lowerThicknessView", "Plot the displacement and momentum thickness along the lower surface."},
        {"boundaryLayerAirfoilView", "Show the section with its surface displaced by the boundary layer."},
        {"updateBoundaryLayer", "Solve the boundary layer again with the current settings."},
        {"reportMenu", "List the computed coefficients or the camber line's Fourier coefficients."},
        {"coefficientsReport", "List lift, moment and drag from each method side by side."},
        {"fourierReport", "List the Fourier coefficients of the camber line's slope."},
        {"optionsMenu", "Set the points, the flow model, the mesh and the background colour."},
        {"pointCount", "Set how many points describe the section."},
        {"showPoints", "Mark the computed points on the curves, or take the marks off."},
        {"aerodynamicsSettings", "Set the Reynolds number, the boundary-layer model and the polar's range."},
        {"meshSettings", "Set the size and spacing of the mesh around the section."},
        {"blackBackground", "Draw the plots on a black background."},
        {"whiteBackground", "Draw the plots on a white background."},
        {"helpMenu", "Read the help or see the program's version."},
        {"about", "Show the program's version."},
        {"helpContents", "Open the help at its table of contents."},
        {"colourMenu", "Choose the colour of this surface's curves."},
        {"colourWhite", "Draw this surface in white on black, in black on white."},
        {"colourYellow", "Draw this surface in yellow."},
        {"colourMagenta", "Draw this surface in magenta."},
        {"colourRed", "Draw this surface in red."},
        {"colourCyan", "Draw this surface in cyan."},
        {"colourGreen", "Draw this surface in green."},
        {"colourBlue", "Draw this surface in blue."},
        {"colourGray", "Draw this surface in grey."},
    };
    return sentences;
}

struct BarButtonText {
    const char* command;
    const char* sentence;
};

// By click index: save, print templates, angle, sections, flap, help.
const BarButtonText kBarButtons[] = {
    {"Save ASCII File", "Save the numbers behind the current view as a text file."},
    {"Print Airfoil Template", "Print full-size rib templates of the section for a tapered wing."},
    {"Change Angle of Attack", "Set the angle of attack in degrees."},
    {"Airfoils", "Choose the section: a NACA 4- or 5-digit section, or one from a file."},
    {"Configure Flap", "Set the plain flap's length and deflection."},
    {"Help", "Open the help about the current view."},
};

}  // namespace

QString menuStatusSentence(const QString& itemName) {
    const auto it = menuSentences().find(itemName);
    return it == menuSentences().end() ? QString() : it->second;
}

QString barButtonCommand(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kBarButtons))) return {};
    return kBarButtons[index].command;
}

QString barButtonSentence(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kBarButtons))) return {};
    return kBarButtons[index].sentence;
}

}  // namespace aerolune::ui
