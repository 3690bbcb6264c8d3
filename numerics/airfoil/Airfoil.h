#pragma once
// The section builder and inviscid surface solver. One call builds the section
// (a NACA designation or a coordinate file, with an optional plain flap) on
// cosine-spaced chordwise stations and solves the potential flow about it with
// a linear-vorticity panel method at one angle of attack.
//
// Node layout (every array 1-based, elements 1..2H written, H = HalfPoints):
// node 1 is the trailing edge, nodes 2..H+1 run along the lower surface to the
// leading edge at node H+1, nodes H+2..2H back along the upper surface; the
// closing node 2H+1 equals node 1 and is never written. Nodes H+1-k and H+1+k
// share the same x. Panel i joins node i to node i+1 (panel 2H joins node 2H
// to node 1); its control point is the panel midpoint.
//
// Sign of the velocity ratio: positive where the flow runs from the leading
// edge towards the trailing edge along that surface, so the smallest |V| marks
// the front stagnation point.
//
// Hostile input, each handled without a crash and without a write outside
// elements 1..2H:
// - HalfPoints < 2 or > 2000: nothing is written to the arrays; Cl = Cm = 0.
// - a non-finite angle is taken as 0; a non-finite flap deflection or hinge,
//   a hinge outside (0, 1) or a zero deflection means no flap; a deflection
//   is limited to +-45 degrees and the hinge to at least 20 % chord.
// - designation: sign ignored, only the last five digits used; thickness
//   limited to 1..30 % chord; a 4-digit camber with position digit 0 is
//   taken as a symmetric section (the mean line would not start on the
//   chord line); a 5-digit position digit outside 1..5 is limited to that
//   range and the reflex digit is ignored (standard mean lines only).
// - file sections: counts below 0 read as 0, counts above kMaxFilePoints read
//   as kMaxFilePoints; non-finite pairs and repeated points are dropped. A
//   list left with fewer than 3 points, no chord or no thickness cannot make a
//   section: the arrays 1..2H are set to 0 and Cl = Cm = 0.
// - mode 1: a non-finite displaced ordinate is replaced by the undisplaced copy
//   (argument 6), or by 0 when that is not finite either.
// - a flow solve that fails (a contour collapsed onto itself) returns V = 0,
//   Cp = 1, Cl = Cm = 0.

#include <cstdint>

namespace aerolune {

/// Largest number of points per surface read from the file lists: the
/// capacity of the application's lists, so an absurd count never makes the
/// builder read past them.
inline constexpr int32_t kMaxFilePoints = 1000;

/// Build the section and solve the inviscid surface flow.
/// \param designation NACA designation as a number (4 digits or fewer: 4-digit
///        section, 5 digits: 5-digit section); unused when *source == 1
/// \param alphaDeg angle of attack, degrees
/// \param nodeX x of the nodes, chords (out; in mode 1 read, not written)
/// \param ctrlX x of the panel control points, chords (out; mode 1: untouched)
/// \param nodeY y of the nodes, chords (out; in mode 1 the displaced ordinates, read)
/// \param cp pressure coefficient per panel (out; in mode 1 the undisplaced
///        ordinates, read only as a fallback for non-finite displaced ones)
/// \param velocity surface velocity ratio V/Vinf per panel (out, both modes)
/// \param cl lift coefficient from the circulation (out, both modes)
/// \param cmLe moment coefficient about the leading edge, nose-up positive (out)
/// \param flapRad flap deflection, radians, positive trailing edge down
/// \param flapHinge flap hinge position, fraction of chord
/// \param halfPoints points per surface H (2..2000)
/// \param reserved unused (always 0)
/// \param fileYU,fileYL y of the upper / lower file points, chords or any unit
/// \param fileXU,fileXL x of the upper / lower file points
/// \param fileNU,fileNL number of upper / lower file points
/// \param source 0: section from the designation, 1: from the file lists
/// \param mode 0: build and solve; 1: re-solve the displaced contour (args 3, 5)
void Airfoil(int32_t* designation, float* alphaDeg, float* nodeX, float* ctrlX, float* nodeY, float* cp,
             float* velocity, float* cl, float* cmLe, float* flapRad, float* flapHinge, int32_t* halfPoints,
             int32_t* reserved, float* fileYU, float* fileYL, float* fileXU, float* fileXL, int32_t* fileNU,
             int32_t* fileNL, int32_t* source, int32_t* mode);

/// Why the builder cannot make the section Airfoil (mode 0) would build from
/// these arguments, which are read as Airfoil reads them:
/// - NoSection: the point count is out of range or the file lists make no section;
/// - TurnsBack: a surface (with the flap turned) runs back past the vertical
///   before its trailing edge, or a NACA surface folds back anywhere ahead of
///   it (or of the hinge), so chordwise stations cannot follow it;
/// - SurfacesCross: on the laid stations the upper surface lies below the
///   lower one ahead of the last half per cent of the chord (x: the first
///   such station, chords);
/// - NoThickness: the laid contour encloses no area.
struct SectionFault {
    enum class Kind { None, NoSection, TurnsBack, SurfacesCross, NoThickness };
    Kind kind = Kind::None;
    double x = 0.0;
};
SectionFault AirfoilSectionFault(int32_t* designation, float* flapRad, float* flapHinge, int32_t* halfPoints,
                                 float* fileYU, float* fileYL, float* fileXU, float* fileXL, int32_t* fileNU,
                                 int32_t* fileNL, int32_t* source);

}  // namespace aerolune
