#include "app/FileCommands.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "analysis/ViewFacts.h"
#include "io/AirfoilFileReader.h"
#include "io/AsciiFile.h"
#include "io/BoundaryLayerExportSource.h"
#include "io/DxfFile.h"
#include "io/FileDialogTexts.h"
#include "io/KeptMeshExport.h"
#include "ui/toolkit/BusyCursor.h"

namespace aerolune {

namespace {

// A name typed without an extension gets the one the dialog's filter shows.
std::string withDefaultExtension(const std::string& path, const char* extension) {
    const QFileInfo info(QString::fromStdString(path));
    if (info.fileName().isEmpty() || !info.suffix().isEmpty()) return path;
    return path + extension;
}

constexpr int kMeshView = 6;
constexpr int kBoundaryLayerView = 7;

// A writer's reason names the file already; anything else gets the name in front.
std::string failure(const std::string& path, const std::string& reason) {
    const std::string why = reason.empty() ? "the file could not be written" : reason;
    return why.find(path) != std::string::npos ? why : "\"" + path + "\": " + why;
}

std::string firstOpenName() { return QCoreApplication::applicationDirPath().toStdString() + "/*.dat"; }

}  // namespace

bool air1EnabledForView(int vflag) { return viewFacts(vflag).savesData; }

std::string readAirfoilNote(const ReadAirfoilResult& result) {
    // What the reader did to the contour (a surface joined to the trailing
    // edge, a surface thinned), as it says it.
    std::string note = result.notice.empty() ? std::string() : result.notice + ". ";
    if (result.malformedFields > 0)
        note += std::to_string(result.malformedFields) + " fields held no number and were skipped. ";
    if (!note.empty()) note.pop_back();
    return note;
}

void openCoordinateFile(AppState& state, FileDialogMemory& memory, const FileCommandContext& context) {
    FileDialogRequest request{false,
                              kReadAirfoilDialogTitle,
                              kAsciiFilterIndex,
                              memory.openFileName.empty() ? firstOpenName() : memory.openFileName,
                              {}};
    const std::optional<std::string> chosen = context.chooseFile(request);
    if (!chosen) {
        state.shared.DialogCancelled = int16_t{1};
        return;
    }
    openSectionFile(state, memory, context, *chosen);
}

void openSectionFile(AppState& state, FileDialogMemory& memory, const FileCommandContext& context,
                     const std::string& path) {
    memory.openFileName = path;
    ReadAirfoilResult read;
    {
        ui::BusyCursor hourglass;
        read = ReadAirfoil(path, state.texts.sectionName, state.section.file);
    }
    if (!read.ok) {
        // The reader left the name and the lists as they were: the section stays.
        state.shared.DialogCancelled = int16_t{1};
        context.showMessage(std::string(kReadAirfoilError) + "\n" + failure(path, read.reason));
        return;
    }
    state.section.fromFile = true;
    state.mesh.rebuild = true;
    state.shared.DialogCancelled = int16_t{0};
    context.recompute();
    const std::string note = readAirfoilNote(read);
    if (!note.empty()) context.showMessage(path + ": " + note);
}

void saveViewData(AppState& state, FileDialogMemory& memory, const FileCommandContext& context) {
    const int vflag = state.display.view;
    if (!air1EnabledForView(vflag)) {
        context.showMessage("This view has no data to save as a text file.");
        return;
    }
    memory.title = saveAsciiDialogTitle(vflag, state.texts.sectionName, memory.title);
    const std::optional<std::string> chosen =
        context.chooseFile({true, memory.title, kAsciiFilterIndex, memory.exportPath, {}});
    if (!chosen) return;
    const std::string path = withDefaultExtension(*chosen, ".dat");
    memory.exportPath = path;

    AsciiFileSources sources;
    MeshExportInput mesh;
    BoundaryLayerExportInput layer;
    if (vflag == kMeshView) {
        mesh = meshExportInput(state);
        sources.mesh = &mesh;
    }
    if (vflag == kBoundaryLayerView) {
        layer = boundaryLayerExportInput(state);
        sources.boundaryLayer = &layer;
    }
    ui::BusyCursor hourglass;
    const WriteResult written = AsciiFile(state, path, sources);
    if (!written.ok) context.showMessage(failure(path, written.reason));
}

void exportDxf(AppState& state, FileDialogMemory& memory, const FileCommandContext& context) {
    memory.title = exportDxfDialogTitle(state.texts.sectionName);
    const std::optional<std::string> chosen =
        context.chooseFile({true, memory.title, kDxfFilterIndex, memory.exportPath, {}});
    if (!chosen) return;
    const std::string path = withDefaultExtension(*chosen, ".dxf");
    ui::BusyCursor hourglass;
    const WriteResult written =
        WriteDxfFile(path, state.section.nodeX, state.section.nodeY, state.shared.TotalPoints.toInt());
    if (!written.ok) context.showMessage(failure(path, written.reason));
}

std::optional<std::string> chooseFileWithDialog(QWidget* owner, const FileDialogRequest& request) {
    // The filter as pairs of description and pattern: only the descriptions,
    // which carry their patterns in brackets, are needed here.
    QStringList filters;
    const QString filter =
        QString::fromStdString(request.filter.empty() ? kFileDialogFilter : request.filter);
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i].trimmed();

    QFileDialog dialog(owner, QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.fileName.empty()) {
        const QFileInfo start(QString::fromStdString(request.fileName));
        dialog.setDirectory(start.absolutePath());
        if (!start.fileName().contains('*')) dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace aerolune
