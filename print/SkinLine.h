#pragma once
// The inner (skin) line of a rib template: the outline moved inward by the
// skin thickness. A builder cuts along it, so it never crosses itself or the
// outline, and it stops where the rib is thinner than twice the skin (near
// the trailing edge, and round a nose sharper than the skin is thick).

#include <vector>

namespace aerolune::print {

struct Polyline {
    std::vector<double> x, y;
};

/// The skin line of a closed outline (last point equal to the first), in the
/// outline's units, either point order.
///
/// Skin 0 gives the midpoints of the outline's segments, one per segment,
/// closed with the first again. A positive skin gives each segment's midpoint
/// moved square to it by the skin towards the inside, keeping only the points
/// that lie inside the outline and at least the skin away from every part of
/// it; the points kept are joined in order and closed, so the line bridges
/// where the rib became too thin. Empty when fewer than three points remain
/// (the rib is nowhere thicker than twice the skin).
Polyline skinLine(const std::vector<double>& X, const std::vector<double>& Y, double skin);

}  // namespace aerolune::print
