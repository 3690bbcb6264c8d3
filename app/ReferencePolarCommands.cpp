#include "app/ReferencePolarCommands.h"

#include <algorithm>
#include <filesystem>

#include "io/ReferencePolarFile.h"
#include "ui/toolkit/BusyCursor.h"

namespace aerolune {

namespace {

// The file a shown polar came from, so that adding it again replaces it.
std::string canonicalName(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ignored);
    return canonical.empty() ? path : canonical.string();
}

}  // namespace

bool addReferencePolarFile(AppState& state, const FileCommandContext& context, const std::string& path) {
    ReferencePolarRead read;
    {
        ui::BusyCursor hourglass;
        read = readReferencePolar(path);
    }
    if (!read.ok) {
        context.showMessage("Cannot read the reference polar \"" + path + "\":\n" + read.reason);
        return false;
    }
    std::vector<ReferencePolar>& shown = state.analysis.referencePolars;
    const std::string file = canonicalName(path);
    const auto same = std::find_if(shown.begin(), shown.end(), [&file](const ReferencePolar& p) {
        return canonicalName(p.source) == file;
    });
    if (same != shown.end()) {
        *same = std::move(read.polar);
        return true;
    }
    if (shown.size() >= kMaxShownReferencePolars) {
        context.showMessage("At most " + std::to_string(kMaxShownReferencePolars) +
                            " reference polars are shown at once; RESET POLAR removes them.");
        return false;
    }
    shown.push_back(std::move(read.polar));
    return true;
}

void addReferencePolar(AppState& state, FileDialogMemory& memory, const FileCommandContext& context) {
    FileDialogRequest request{false, kAddReferencePolarTitle, 1, memory.referencePolarFileName,
                              kReferencePolarFilter};
    const std::optional<std::string> chosen = context.chooseFile(request);
    if (!chosen) return;
    memory.referencePolarFileName = *chosen;
    if (addReferencePolarFile(state, context, *chosen)) context.recompute();
}

void clearReferencePolars(AppState& state) { state.analysis.referencePolars.clear(); }

}  // namespace aerolune
