#include "cli/MeshOptions.h"

#include <cmath>

#include "common/QuantityRule.h"

namespace aerolune::cli {

namespace {

// Larger meshes take the mesh generator minutes; the views need 191 x 91.
constexpr int kMaxMeshDimension = 401;
constexpr int kMinMeshDimension = 3;

// "NIxNJ" as two whole numbers; false when the text is anything else.
bool parseMesh(const std::string& text, int& ni, int& nj) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == text.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (k != x && (text[k] < '0' || text[k] > '9')) return false;
    if (x > 6 || text.size() - x - 1 > 6) return false;
    ni = std::stoi(text.substr(0, x));
    nj = std::stoi(text.substr(x + 1));
    return true;
}

std::string meshProblem(const std::string& text) {
    int ni = 0, nj = 0;
    if (!parseMesh(text, ni, nj)) return "the mesh is given as NIxNJ, for example 61x31";
    if (ni < kMinMeshDimension || nj < kMinMeshDimension || ni > kMaxMeshDimension || nj > kMaxMeshDimension)
        return "mesh dimensions must be " + std::to_string(kMinMeshDimension) + " to " +
               std::to_string(kMaxMeshDimension);
    return {};
}

CLI::Validator positiveAbove(double floor, double ceiling, const std::string& what) {
    return CLI::Validator(
        [=](const std::string& text) {
            double v = 0.0;
            return readDecimalNumber(text, v) && v > floor && v <= ceiling ? std::string() : what;
        },
        "NUMBER");
}

}  // namespace

void addMeshOptions(CLI::App& sub, MeshOptions& options) {
    sub.add_option("--mesh", options.mesh, "mesh nodes round x outward, NIxNJ, each 3..401")
        ->capture_default_str()
        ->check(CLI::Validator(meshProblem, "NIxNJ"));
    sub.add_option("--radius", options.radius, "outer radius, chords, above 1 and up to 1000")
        ->capture_default_str()
        ->check(positiveAbove(1.0, 1000.0, "the outer radius must be above 1 chord and at most 1000"));
    sub.add_option("--cluster", options.cluster, "radial clustering ratio, above 1 and up to 2")
        ->capture_default_str()
        ->check(positiveAbove(1.0, 2.0, "the clustering ratio must be above 1 and at most 2"));
}

FieldMeshSize meshSize(const MeshOptions& options) {
    FieldMeshSize size{61, 31, options.radius, options.cluster};
    parseMesh(options.mesh, size.ni, size.nj);
    return size;
}

}  // namespace aerolune::cli
