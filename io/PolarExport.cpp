#include "io/PolarExport.h"

#include <algorithm>

#include "common/FormatPicture.h"
#include "common/NumberText.h"
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
    if (!p.notComputed.empty()) {
        line.zoneItem("not computed: " + p.notComputed);
        return line.str();
    }
    line.zoneItem(formatPicture(p.cl, "##0.00000"));
    line.zoneItem(formatPicture(p.cdTimes1000 / 1000.0, "0.000000"));
    line.zoneItem(formatPicture(p.cm, "0.000000"));
    line.zoneItem(formatPicture(p.upperTransitionPct, "#0.00"));
    line.zoneItem(formatPicture(p.lowerTransitionPct, "#0.00"));
    return line.str();
}

}  // namespace

std::vector<PolarExportBlock> polarExportBlocks(const PolarStore& store, int32_t polarCount) {
    std::vector<PolarExportBlock> blocks;
    const int32_t count = std::clamp(polarCount, 0, store.count());
    for (int32_t p = 0; p < count; ++p) {
        const StoredPolar& polar = store[p];
        PolarExportBlock block{polar.header.name, formatGeneral(polar.header.re), {}};
        for (const PolarPoint& point : polar.points) {
            block.points.push_back({point.angle, point.cl, point.cdTimes1000, point.cm,
                                    point.upperTransition * 100.0, point.lowerTransition * 100.0,
                                    point.notComputed});
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

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
