#pragma once
// The lift-drag polars kept for the life of the main window: each one a header
// (the section, flap and Reynolds number it was computed for) and up to 21
// points of the angle sweep.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace aerolune {

/// Points of one sweep: -20 to 20 degrees in steps of 2.
inline constexpr int32_t kPolarPoints = 21;

/// Polars the store holds. One more polar than this drops the oldest: the
/// plot's legend has room for about this many lines, and a user comparing
/// sections compares the latest ones.
inline constexpr int32_t kPolarCapacity = 20;

/// One point of a polar, in the order the plots and the export read them.
struct PolarPoint {
    double angle = 0.0;            ///< angle of attack, degrees
    double cl = 0.0;               ///< lift coefficient
    double cdTimes1000 = 0.0;      ///< drag coefficient x 1000
    double cm = 0.0;               ///< moment coefficient about the quarter chord
    double upperTransition = 0.0;  ///< upper-surface transition, fraction of chord
    double lowerTransition = 0.0;  ///< lower-surface transition, fraction of chord
    /// Why the row has no figures (they are then NaN); empty for a computed row.
    std::string notComputed{};

    bool computed() const { return notComputed.empty(); }
};

/// The header labels of a polar: it is the same polar when all four agree.
struct PolarHeader {
    std::string name;            ///< the section field's text (sectionName)
    std::string flapDeflection;  ///< as shown in flapDeflection, e.g. "0.0 Deg."
    std::string flapLength;      ///< as shown in flapLength, e.g. "0.0 %c"
    double re = 0.0;             ///< Reynolds number

    bool operator==(const PolarHeader&) const = default;
};

/// The settings a polar was computed with beyond its header: a polar of the
/// same section, flap and Reynolds number computed with another model or
/// another point count has other figures, so it is another polar.
struct PolarModel {
    int32_t dragModel = 1;          ///< the aerodynamic model (1 simple, 2 semi-empirical, 3 coupled layer)
    int32_t useEffectiveAngle = 0;  ///< 1: lift and moment at the effective angle
    int32_t panels = 0;             ///< points about the section

    bool operator==(const PolarModel&) const = default;
    /// The legend's letter for the model: "L" (linear, simple), "S"
    /// (semi-empirical), "B" (coupled boundary layer), else the model's number.
    std::string letter() const;
};

struct StoredPolar {
    PolarHeader header;
    PolarModel model;
    std::vector<PolarPoint> points;  ///< at most kPolarPoints; fewer when the sweep failed part-way
};

/// At most kPolarCapacity polars in storage order (oldest first).
class PolarStore {
public:
    /// Number of polars held (the results' polarCount).
    int32_t count() const { return static_cast<int32_t>(polars_.size()); }
    const StoredPolar& operator[](int32_t index) const { return polars_.at(static_cast<std::size_t>(index)); }
    const std::vector<StoredPolar>& polars() const { return polars_; }

    /// The stored polar with this header and model, or null.
    const StoredPolar* find(const PolarHeader& header, const PolarModel& model = {}) const;

    /// Appends an empty polar with this header and model, dropping the oldest
    /// polar when the store is full; returns the new polar for the sweep to fill.
    StoredPolar& add(const PolarHeader& header, const PolarModel& model = {});

    /// Keeps the first `count` polars (polarCount set lower by a command, as
    /// the reset does with 0); a count at or above the size keeps all.
    void truncate(int32_t count);

private:
    std::vector<StoredPolar> polars_;
};

}  // namespace aerolune
