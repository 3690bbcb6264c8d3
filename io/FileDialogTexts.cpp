#include "io/FileDialogTexts.h"

#include "analysis/ViewFacts.h"

namespace aerolune {

std::string saveAsciiDialogTitle(int32_t vflag, const std::string& name, const std::string& currentTitle) {
    return saveTitleFor(viewFacts(vflag), name, currentTitle);
}

std::string exportDxfDialogTitle(const std::string& name) { return "Export NACA " + name + " DXF File"; }

}  // namespace aerolune
