#include "io/PolarExport.h"

#include "common/FormatPicture.h"
#include "common/PrintForm.h"
#include "io/ExportText.h"

namespace aerolune {

namespace {

std::string columnTitles() {
    PrintLine line;
    line.item("Angle(Deg)").zoneItem("Cl      ").zoneItem("Cd      ").zoneItem("Cm      ");
    line.zoneItem("Up Tran(%c) ").zoneItem("Lo Tran(%c)");
    return line.str();
}

std::string pointLine(const PolarExportPoint& p) {
    PrintLine line;
    line.item(formatPicture(p.angle, "#0.00"));
    line.zoneItem(formatPicture(p.cl, "##0.00000"));
    line.zoneItem(formatPicture(p.cdTimes1000 / 1000.0, "0.000000"));
    line.zoneItem(formatPicture(p.cm, "0.000000"));
    line.zoneItem(formatPicture(p.upperTransitionPct, "#0.00"));
    line.zoneItem(formatPicture(p.lowerTransitionPct, "#0.00"));
    return line.str();
}

}  // namespace

std::string polarExportText(const std::vector<PolarExportBlock>& polars) {
    std::string text;
    for (const PolarExportBlock& polar : polars) {
        appendLine(text, "Lift-Drag Polar for " + polar.name);
        appendLine(text, "Reynolds Number: " + polar.reynolds);
        appendLine(text, columnTitles());
        for (const PolarExportPoint& point : polar.points) appendLine(text, pointLine(point));
    }
    return text;
}

}  // namespace aerolune
