#pragma once
// The file commands of the main window and the picture bar: General Airfoils
// (read a section from a coordinate file), Save ASCII File (the data of the
// current view) and Export Airfoil DXF File. Each runs its file dialog through
// the caller, so tests choose files without a window; every failure is shown
// with the file and the reason, and a failed read keeps the current section.

#include <functional>
#include <optional>
#include <string>

#include "analysis/AppState.h"
#include "io/AirfoilFileReader.h"

class QWidget;

namespace aerolune {

/// The main window's file dialog as one command sets it up.
struct FileDialogRequest {
    bool save = true;  ///< save dialog (asks before overwriting), else open dialog
    std::string title;
    int filterIndex = 2;   ///< 1 DXF, 2 ASCII (kFileDialogFilter)
    std::string fileName;  ///< the name the dialog starts with
    /// The dialog's file types as "Description (*.a *.b)|*.a *.b | ..."; empty
    /// for the main window's own (kFileDialogFilter).
    std::string filter;
};

/// What the file commands need from the window.
struct FileCommandContext {
    /// Shows the dialog; the chosen file, or nothing when the user cancelled.
    std::function<std::optional<std::string>(const FileDialogRequest&)> chooseFile;
    /// Shows a message box and waits for it to be closed.
    std::function<void(const std::string&)> showMessage;
    /// recomputeAndRedraw with the busy pointer.
    std::function<void()> recompute;
};

/// What the one file dialog of the main window keeps from use to use.
struct FileDialogMemory {
    std::string title;                   ///< kept by views whose save has no title of their own
    std::string exportPath;              ///< the last file saved
    std::string openFileName;            ///< the last file read; empty before the first read
    std::string referencePolarFileName;  ///< the last reference polar read
};

/// The message shown when a coordinate file cannot be read.
inline constexpr const char* kReadAirfoilError = "Error Reading Airfoil Data";

/// Whether Save ASCII File has data to save in view vflag (the streamline,
/// pressure-contour and report views have none).
bool air1EnabledForView(int vflag);

/// General Airfoils: open dialog, ReadAirfoil, then the file section becomes
/// the current section and is recomputed. A cancelled dialog or a file that
/// cannot be read sets DialogCancelled and keeps the current section; the
/// latter says why. A reader's note about what it did to the file is shown
/// after the recomputation.
void openCoordinateFile(AppState& state, FileDialogMemory& memory, const FileCommandContext& context);

/// Makes the coordinate file at path the current section, as General
/// Airfoils does once its dialog has chosen the file: a file that cannot be
/// read says why and keeps the current section. Also used for a file given
/// to the program when it starts and for one dropped onto its window.
void openSectionFile(AppState& state, FileDialogMemory& memory, const FileCommandContext& context,
                     const std::string& path);

/// Save ASCII File: the save dialog titled by the view, then AsciiFile to the
/// chosen file. A view with nothing to save says so instead.
void saveViewData(AppState& state, FileDialogMemory& memory, const FileCommandContext& context);

/// Export Airfoil DXF File: the save dialog, then WriteDxfFile with the contour.
void exportDxf(AppState& state, FileDialogMemory& memory, const FileCommandContext& context);

/// The main window's file dialog (the program's own, so that it looks and
/// behaves the same everywhere): the save kind asks before overwriting.
/// \param owner the window the dialog is modal to
std::optional<std::string> chooseFileWithDialog(QWidget* owner, const FileDialogRequest& request);

/// The note a successful read leaves for the user (what the reader changed or
/// skipped), empty when there is nothing to say.
std::string readAirfoilNote(const ReadAirfoilResult& result);

}  // namespace aerolune
