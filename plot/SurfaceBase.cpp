#include "plot/SurfaceBase.h"

#include <cmath>

namespace aerolune::plot {

namespace {

// The standard 16-colour palette, 0xRRGGBB.
constexpr uint32_t kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

double unitsPerInch(ScaleUnits units) {
    switch (units) {
        case ScaleUnits::Twips:
            return 1440.0;
        case ScaleUnits::Points:
            return 72.0;
        case ScaleUnits::Inches:
            return 1.0;
        case ScaleUnits::Centimetres:
            return 2.54;
        case ScaleUnits::Pixels:
            break;
    }
    return 0.0;
}

bool usable(double v) { return std::isfinite(v) && v > 0.0; }

}  // namespace

uint32_t paletteRgb(int index) { return kPalette[((index % 16) + 16) % 16]; }

Colour Colour::fromRgb(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return fromRgb((clamp(red) << 16) | (clamp(green) << 8) | clamp(blue));
}

SurfaceBase::SurfaceBase(double pixelWidth, double pixelHeight, double dpiX, double dpiY, bool printer)
    : pixelWidth_(usable(pixelWidth) ? pixelWidth : 1.0),
      pixelHeight_(usable(pixelHeight) ? pixelHeight : 1.0),
      dpiX_(usable(dpiX) ? dpiX : 96.0),
      dpiY_(usable(dpiY) ? dpiY : 96.0),
      printer_(printer) {
    setScaleUnits(ScaleUnits::Twips);
}

void SurfaceBase::setDeviceSize(double pixelWidth, double pixelHeight) {
    pixelWidth_ = usable(pixelWidth) ? pixelWidth : 1.0;
    pixelHeight_ = usable(pixelHeight) ? pixelHeight : 1.0;
    // A unit scale follows the device; a world rectangle stays as set.
    if (unitScale_) setScaleUnits(units_);
}

void SurfaceBase::setResolution(double dpiX, double dpiY) {
    dpiX_ = usable(dpiX) ? dpiX : 96.0;
    dpiY_ = usable(dpiY) ? dpiY : 96.0;
}

void SurfaceBase::clear() {
    drawClear(backColor_);
    currentX_ = left_;
    currentY_ = top_;
}

void SurfaceBase::setScale(double left, double top, double right, double bottom) {
    // A degenerate or non-finite rectangle would map everything to infinity;
    // it is refused and the previous scale stays.
    const double w = right - left, h = bottom - top;
    if (!std::isfinite(w) || !std::isfinite(h) || w == 0.0 || h == 0.0) return;
    unitScale_ = false;
    left_ = left;
    top_ = top;
    width_ = w;
    height_ = h;
}

void SurfaceBase::setScaleUnits(ScaleUnits units) {
    units_ = units;
    unitScale_ = true;
    left_ = 0;
    top_ = 0;
    const double perInch = unitsPerInch(units);
    width_ = units == ScaleUnits::Pixels ? pixelWidth_ : pixelWidth_ / dpiX_ * perInch;
    height_ = units == ScaleUnits::Pixels ? pixelHeight_ : pixelHeight_ / dpiY_ * perInch;
}

double SurfaceBase::fontPixels(const FontSpec& font) const {
    if (font.pixels > 0) return font.pixels;
    return (font.points > 0 ? font.points : 8.0) * dpiY_ / 72.0;
}

double SurfaceBase::textWidth(std::string_view text) const {
    return deviceTextWidth(text, font_) * std::fabs(width_) / pixelWidth_;
}

double SurfaceBase::textHeight(std::string_view /*text*/) const {
    return deviceTextHeight(font_) * std::fabs(height_) / pixelHeight_;
}

void SurfaceBase::printText(std::string_view text) {
    drawText(currentX_, currentY_, text, font_, foreColor_);
    currentX_ += std::copysign(textWidth(text), width_);
}

void SurfaceBase::newLine() {
    currentX_ = left_;
    currentY_ += std::copysign(textHeight("X"), height_);
}

Pen SurfaceBase::pen(std::optional<Colour> colour) const {
    return Pen{colour.value_or(foreColor_), drawWidth_, drawStyle_, drawMode_};
}

void SurfaceBase::line(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                       BoxMode box) {
    if (box == BoxMode::None)
        drawLine(x1, y1, x2, y2, pen(colour));
    else
        drawBox(x1, y1, x2, y2, pen(colour), box == BoxMode::Filled);
    currentX_ = x2;
    currentY_ = y2;
}

void SurfaceBase::circle(double x, double y, double r, std::optional<Colour> colour, bool filled) {
    drawCircle(x, y, r, pen(colour), filled);
    currentX_ = x;
    currentY_ = y;
}

void SurfaceBase::pset(double x, double y, Colour colour) {
    drawPoint(x, y, pen(colour));
    currentX_ = x;
    currentY_ = y;
}

void SurfaceBase::newPage() {
    drawNewPage();
    currentX_ = left_;
    currentY_ = top_;
}

}  // namespace aerolune::plot
