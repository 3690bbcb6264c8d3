#pragma once
// The lift-drag polar export: for each stored polar a three-line header and
// one line per point of its angle sweep.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/PolarStore.h"

namespace aerolune {

/// One point of a polar as the export reads it.
struct PolarExportPoint {
    double angle = 0.0;               ///< angle of attack, degrees
    double cl = 0.0;                  ///< lift coefficient
    double cdTimes1000 = 0.0;         ///< drag coefficient x 1000, as the polar store keeps it
    double cm = 0.0;                  ///< moment coefficient about the quarter chord
    double upperTransitionPct = 0.0;  ///< upper-surface transition, % chord
    double lowerTransitionPct = 0.0;  ///< lower-surface transition, % chord
    std::string notComputed;          ///< why the row has no figures; empty for a computed row
};

/// One stored polar: its first label (the section name), its fourth label (the
/// Reynolds number as text) and its points in sweep order.
struct PolarExportBlock {
    std::string name;
    std::string reynolds;
    std::vector<PolarExportPoint> points;
};

/// The first polarCount polars of the store (all of them when it holds
/// fewer) as the export reads them: transitions turned from fractions into
/// per cent of chord, the Reynolds number in the general number form.
/// \param store the polar store
/// \param polarCount PolarCount: a reset sets it lower before the store follows
std::vector<PolarExportBlock> polarExportBlocks(const PolarStore& store, int32_t polarCount);

/// The polars in storage order, with no blank line between them; the drag is
/// divided by 1000 before it is written. A row not computed keeps its angle
/// and reads "not computed: " and the reason where its figures would stand. An empty store gives an empty
/// text.
std::string polarExportText(const std::vector<PolarExportBlock>& polars);

}  // namespace aerolune
