#pragma once
// The drawing surface every plot draws on: the screen's plot area, a printer
// page, or a PNG, SVG or PDF file. It speaks the program's own vocabulary (a
// scale rectangle in world units, lines, boxes, circles, text at a current
// position, palette colours) and knows nothing of the toolkit behind it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerolune::plot {

/// Indexes of the standard 16-colour palette.
enum PaletteIndex : int {
    kBlack = 0,
    kBlue,
    kGreen,
    kCyan,
    kRed,
    kMagenta,
    kBrown,
    kLightGrey,
    kDarkGrey,
    kLightBlue,
    kLightGreen,
    kLightCyan,
    kLightRed,
    kLightMagenta,
    kYellow,
    kWhite
};

/// 0xRRGGBB of palette entry index (0..15); other indexes wrap into 0..15.
uint32_t paletteRgb(int index);

/// A drawing colour: a palette index (most of the program) or a 24-bit colour
/// (the colour ramps of the velocity, pressure and contour views). An int
/// converts to a palette colour, so `line(..., 12)` reads as the program does.
struct Colour {
    bool isPalette = true;
    int palette = 0;   ///< 0..15 when isPalette
    uint32_t rgb = 0;  ///< 0xRRGGBB when !isPalette

    Colour() = default;
    Colour(int paletteIndex) : palette(paletteIndex) {}  // NOLINT: implicit by design
    static Colour fromRgb(uint32_t rgb) {
        Colour c;
        c.isPalette = false;
        c.rgb = rgb & 0xFFFFFFu;
        return c;
    }
    static Colour fromRgb(int red, int green, int blue);
    /// 0xRRGGBB of either kind.
    uint32_t toRgb() const { return isPalette ? paletteRgb(palette) : rgb; }
    bool operator==(const Colour& o) const { return toRgb() == o.toRgb(); }
};

enum class DrawStyle { Solid, Dot, Dash };
/// CopyPen paints the pen colour; XorPen combines it with what is there, so
/// drawing the same figure twice restores the picture (the zoom rubber band).
/// Only the screen image honours XorPen; paged and file surfaces draw plainly.
enum class DrawMode { CopyPen, XorPen };
/// Line box mode: a plain line, the outline of the rectangle with these
/// corners, or that rectangle filled.
enum class BoxMode { None, Box, Filled };
/// Units of the scale a surface gets from setScaleUnits: origin at the top
/// left, y down, the whole drawable area.
enum class ScaleUnits { Pixels, Twips, Points, Inches, Centimetres };

struct FontSpec {
    std::string face = "Arial";
    double points = 8;             ///< height in points; ignored when pixels > 0
    double pixels = 0;             ///< height in device pixels when > 0 (the screen graphs' 12-pixel titles)
    double escapementDegrees = 0;  ///< text direction, counter-clockwise: 90 runs upwards, -90 downwards
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

/// World coordinates are set by a scale rectangle (left, top)-(right, bottom):
/// y grows upwards when top > bottom. Sizes in world units follow the axis
/// they lie along (a circle's radius along x, as the screen plot area measures
/// it). Drawing calls that fall outside the device are clipped by it.
class Surface {
public:
    virtual ~Surface() = default;

    /// Fills the whole surface with the background colour; the current
    /// position goes to the scale's top-left corner.
    virtual void clear() = 0;
    /// World rectangle: left, top, right, bottom.
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    /// A unit scale with the origin at the top-left and y down.
    virtual void setScaleUnits(ScaleUnits units) = 0;
    virtual double scaleLeft() const = 0;
    virtual double scaleTop() const = 0;
    /// right - left (negative when the axis runs right to left).
    virtual double scaleWidth() const = 0;
    /// bottom - top (negative when y grows upwards).
    virtual double scaleHeight() const = 0;

    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;
    /// Advance of the text along its line in the font, world units of x (positive).
    virtual double textWidth(std::string_view text) const = 0;
    /// Line height of the font, world units of y (positive).
    virtual double textHeight(std::string_view text) const = 0;

    virtual void setCurrent(double x, double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    /// Prints text with the top-left corner of its box at the current
    /// position (before rotation: rotated text turns about that corner) in
    /// the fore colour, and advances currentX by its width.
    virtual void printText(std::string_view text) = 0;
    /// currentX = scaleLeft, currentY one text line further down.
    virtual void newLine() = 0;

    /// A line (or box) in the given colour, else the fore colour; the current
    /// position moves to the second point.
    virtual void line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
                      BoxMode box = BoxMode::None) = 0;
    /// A circle of radius r (x units), filled in the same colour when asked.
    virtual void circle(double x, double y, double r, std::optional<Colour> colour = {},
                        bool filled = false) = 0;
    /// One point in the colour, as wide as the draw width.
    virtual void pset(double x, double y, Colour colour) = 0;

    /// Pen width in device pixels (at least 1).
    virtual void setDrawWidth(int pixels) = 0;
    virtual int drawWidth() const = 0;
    virtual void setDrawStyle(DrawStyle style) = 0;
    virtual DrawStyle drawStyle() const = 0;
    virtual void setDrawMode(DrawMode mode) = 0;
    virtual DrawMode drawMode() const = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual Colour foreColor() const = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;

    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    /// Size of the drawable area in device pixels.
    virtual double pixelWidth() const = 0;
    virtual double pixelHeight() const = 0;
    /// True for printer pages and documents: screen-only features (point
    /// markers, rubber band) are left out there.
    virtual bool isPrinter() const = 0;
    /// Starts a new page on paged surfaces; elsewhere it clears.
    virtual void newPage() = 0;
};

}  // namespace aerolune::plot
