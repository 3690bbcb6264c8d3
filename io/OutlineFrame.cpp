#include "io/OutlineFrame.h"

namespace aerolune::outline {

namespace {

Vec leadingEdge(const FileSurface& first, const FileSurface& second) {
    FilePoint le = first.front();
    for (const FileSurface* s : {&first, &second})
        for (const FilePoint& p : *s)
            if (p.x < le.x) le = p;
    return vec(le);
}

}  // namespace

std::optional<Frame> frameOf(const FileSurface& first, const FileSurface& second) {
    Frame f;
    f.le = leadingEdge(first, second);
    const Vec a = vec(trailingEnd(first)) - f.le;
    const Vec b = vec(trailingEnd(second)) - f.le;
    const Vec edge = dot(a, a) >= dot(b, b) ? a : b;
    f.chord = length(edge);
    if (!(f.chord > 0.0)) return std::nullopt;
    f.u = {edge.x / f.chord, edge.y / f.chord};
    return f;
}

}  // namespace aerolune::outline
