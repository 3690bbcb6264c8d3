#include "analysis/PolarStore.h"

namespace aerolune {

std::string PolarModel::letter() const {
    if (dragModel == 1) return "L";
    if (dragModel == 2) return "S";
    if (dragModel == 3) return "B";  // the coupled boundary layer
    return std::to_string(dragModel);
}

const StoredPolar* PolarStore::find(const PolarHeader& header, const PolarModel& model) const {
    for (const StoredPolar& polar : polars_) {
        if (polar.header == header && polar.model == model) return &polar;
    }
    return nullptr;
}

StoredPolar& PolarStore::add(const PolarHeader& header, const PolarModel& model) {
    if (count() >= kPolarCapacity) polars_.erase(polars_.begin());
    polars_.push_back(StoredPolar{header, model, {}});
    polars_.back().points.reserve(kPolarPoints);
    return polars_.back();
}

void PolarStore::truncate(int32_t count) {
    if (count < 0) count = 0;
    if (count < this->count()) polars_.resize(static_cast<std::size_t>(count));
}

}  // namespace aerolune
