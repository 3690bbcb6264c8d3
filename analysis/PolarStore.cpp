#include "analysis/PolarStore.h"

namespace aerolune {

const StoredPolar* PolarStore::find(const PolarHeader& header) const {
    for (const StoredPolar& polar : polars_) {
        if (polar.header == header) return &polar;
    }
    return nullptr;
}

StoredPolar& PolarStore::add(const PolarHeader& header) {
    if (count() >= kPolarCapacity) polars_.erase(polars_.begin());
    polars_.push_back(StoredPolar{header, {}});
    polars_.back().points.reserve(kPolarPoints);
    return polars_.back();
}

void PolarStore::truncate(int32_t count) {
    if (count < 0) count = 0;
    if (count < this->count()) polars_.resize(static_cast<std::size_t>(count));
}

}  // namespace aerolune
