#pragma once
// The section contour as a drawing-exchange file: one ENTITIES section of LINE
// entities on layer "0" joining consecutive contour points, z = 0, no scaling.

#include <cstdint>
#include <string>

#include "common/Array.h"
#include "io/ExportText.h"
#include "io/SafeFileWriter.h"

namespace aerolune {

/// The DXF text for points 1..n: n - 1 LINE entities (none for n < 2), group
/// codes as " 10 ", coordinates in the free numeric print form of a single,
/// CR LF line ends. n must lie within the arrays.
/// \param x,y the contour, in the units the geometry stores (chords)
/// \param n number of contour points
ExportText dxfFileText(const Array1<float>& x, const Array1<float>& y, int32_t n);

/// Writes the DXF for points 1..n to fileName, replacing the file only when
/// the whole text is written.
/// \param fileName the file chosen in the save dialog
/// \param x,y the contour (NodeX, NodeY), chords
/// \param n number of contour points (TotalPoints)
WriteResult WriteDxfFile(const std::string& fileName, const Array1<float>& x, const Array1<float>& y,
                         int32_t n);

}  // namespace aerolune
