#pragma once
// The texts of the file dialogs of the save, export and read commands.

#include <cstdint>
#include <string>

namespace aerolune {

/// The file-type filter of the main window's file dialog.
inline constexpr const char* kFileDialogFilter = "AutoCad DXF File (*.dxf)|*.dxf | Ascii File (*.dat)|*.dat";
/// Filter entry selected for the DXF export (1) and for the save and read commands (2).
inline constexpr int kDxfFilterIndex = 1;
inline constexpr int kAsciiFilterIndex = 2;

/// Title of the read dialog of General Airfoils.
inline constexpr const char* kReadAirfoilDialogTitle = "Read Airfoil File ";

/// Title of the Save ASCII File dialog for the view vflag: views without a
/// data export keep the dialog's current title.
/// \param vflag the current view code (view)
/// \param name the airfoil field's text (sectionName)
/// \param currentTitle the title the dialog has now
std::string saveAsciiDialogTitle(int32_t vflag, const std::string& name, const std::string& currentTitle);

/// Title of the Export Airfoil DXF File dialog.
/// \param name the airfoil field's text (sectionName)
std::string exportDxfDialogTitle(const std::string& name);

}  // namespace aerolune
