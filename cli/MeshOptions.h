#pragma once
// The mesh options of the subcommands that build an O-mesh: --mesh NIxNJ,
// --radius and --cluster, checked the same way wherever they appear.

#include <CLI/CLI.hpp>
#include <string>

#include "analysis/FieldRoutine.h"

namespace aerolune::cli {

struct MeshOptions {
    std::string mesh;  ///< NIxNJ
    double radius;     ///< outer radius, chords
    double cluster;    ///< radial clustering ratio
};

/// Adds --mesh, --radius and --cluster with the given defaults.
void addMeshOptions(CLI::App& sub, MeshOptions& options);

/// The mesh the options ask for (the options were checked when parsed).
FieldMeshSize meshSize(const MeshOptions& options);

}  // namespace aerolune::cli
