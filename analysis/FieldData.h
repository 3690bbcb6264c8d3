#pragma once
// What the field views draw: the mesh, the flow evaluated on it and the
// iso-lines cut out of it, as the recomputation leaves them for the drawing.

#include <cstdint>

#include "analysis/FieldLevels.h"
#include "common/Array.h"

namespace aerolune {

/// An NI x NJ mesh, column-major.
struct FieldMesh {
    int32_t I = 0;
    int32_t J = 0;
    Array2<float> x;  ///< chords
    Array2<float> y;  ///< chords
};

/// Stream function (Vinf x chord) and pressure coefficient at every node.
struct FlowField {
    Array2<float> psi;
    Array2<float> cp;
};

/// Iso-segments of every level, as Contr leaves them: segment s of level k is
/// element (s, k) of the four arrays, count(k) of them per level.
struct FieldSegments {
    int32_t capacity = 0;  ///< segments a level can hold
    Array2<float> x1, y1, x2, y2;
    Array1<int32_t> count;
};

/// Everything a field view draws.
struct FieldViewData {
    int view = 0;            ///< 4, 5 or 6; 0 when nothing could be computed
    FieldMesh mesh;          ///< the mesh drawn (view 6) or the flow was evaluated on
    FlowField flow;          ///< views 4 and 5 only
    FieldLevelSet levels;    ///< views 4 and 5 only
    FieldSegments segments;  ///< views 4 and 5 only
};

}  // namespace aerolune
