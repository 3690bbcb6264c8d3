#include "plot/RecordingSurface.h"

namespace aerolune::plot {

using Kind = RecordedCall::Kind;

RecordingSurface::RecordingSurface(double pixelWidth, double pixelHeight, bool printer, double dpi)
    : SurfaceBase(pixelWidth, pixelHeight, dpi, dpi, printer) {}

std::vector<RecordedCall> RecordingSurface::of(Kind kind) const {
    std::vector<RecordedCall> out;
    for (const auto& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
        if (c.kind == Kind::Text) out.push_back(c.text);
    return out;
}

const RecordedCall* RecordingSurface::findText(std::string_view text) const {
    for (const auto& c : calls_)
        if (c.kind == Kind::Text && c.text == text) return &c;
    return nullptr;
}

void RecordingSurface::drawClear(Colour back) {
    RecordedCall c{.kind = Kind::Clear};
    c.pen.colour = back;
    add(c);
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    add({.kind = Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .pen = pen});
}

void RecordingSurface::drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
    add({.kind = filled ? Kind::FilledBox : Kind::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .pen = pen});
}

void RecordingSurface::drawCircle(double x, double y, double r, const Pen& pen, bool filled) {
    add({.kind = filled ? Kind::FilledCircle : Kind::Circle, .x1 = x, .y1 = y, .r = r, .pen = pen});
}

void RecordingSurface::drawPoint(double x, double y, const Pen& pen) {
    add({.kind = Kind::Point, .x1 = x, .y1 = y, .pen = pen});
}

void RecordingSurface::drawText(double x, double y, std::string_view text, const FontSpec& font,
                                Colour colour) {
    RecordedCall c{.kind = Kind::Text, .x1 = x, .y1 = y, .text = std::string(text), .font = font};
    c.pen.colour = colour;
    add(c);
}

void RecordingSurface::drawNewPage() { add({.kind = Kind::NewPage}); }

double RecordingSurface::deviceTextWidth(std::string_view text, const FontSpec& font) const {
    return 0.6 * fontPixels(font) * static_cast<double>(text.size());
}

double RecordingSurface::deviceTextHeight(const FontSpec& font) const { return 1.2 * fontPixels(font); }

}  // namespace aerolune::plot
