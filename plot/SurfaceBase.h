#pragma once
// The state every surface keeps the same way (scale rectangle, current
// position, font, pen and colours) and the mapping from world units to the
// device's pixels. A back end only draws already-resolved figures.

#include "plot/Surface.h"

namespace aerolune::plot {

/// A figure's pen with everything resolved: the colour actually used (the
/// fore colour when the caller gave none), width, style and mode.
struct Pen {
    Colour colour;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    DrawMode mode = DrawMode::CopyPen;
};

class SurfaceBase : public Surface {
public:
    /// \param pixelWidth drawable width, device pixels
    /// \param pixelHeight drawable height, device pixels
    /// \param dpiX horizontal resolution, pixels per inch
    /// \param dpiY vertical resolution, pixels per inch
    /// \param printer true for printer pages and documents
    SurfaceBase(double pixelWidth, double pixelHeight, double dpiX, double dpiY, bool printer);

    void clear() override;
    void setScale(double left, double top, double right, double bottom) override;
    void setScaleUnits(ScaleUnits units) override;
    double scaleLeft() const override { return left_; }
    double scaleTop() const override { return top_; }
    double scaleWidth() const override { return width_; }
    double scaleHeight() const override { return height_; }

    void setFont(const FontSpec& font) override { font_ = font; }
    FontSpec font() const override { return font_; }
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;

    void setCurrent(double x, double y) override {
        currentX_ = x;
        currentY_ = y;
    }
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void printText(std::string_view text) override;
    void newLine() override;

    void line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
              BoxMode box = BoxMode::None) override;
    void circle(double x, double y, double r, std::optional<Colour> colour = {},
                bool filled = false) override;
    void pset(double x, double y, Colour colour) override;

    void setDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int drawWidth() const override { return drawWidth_; }
    void setDrawStyle(DrawStyle style) override { drawStyle_ = style; }
    DrawStyle drawStyle() const override { return drawStyle_; }
    void setDrawMode(DrawMode mode) override { drawMode_ = mode; }
    DrawMode drawMode() const override { return drawMode_; }
    void setForeColor(Colour colour) override { foreColor_ = colour; }
    Colour foreColor() const override { return foreColor_; }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    Colour backColor() const override { return backColor_; }

    double twipsPerPixelX() const override { return 1440.0 / dpiX_; }
    double twipsPerPixelY() const override { return 1440.0 / dpiY_; }
    double pixelWidth() const override { return pixelWidth_; }
    double pixelHeight() const override { return pixelHeight_; }
    bool isPrinter() const override { return printer_; }
    void newPage() override;

    /// Device pixel of a world point (fractional: the back ends draw in
    /// floating point).
    double deviceX(double x) const { return (x - left_) / width_ * pixelWidth_; }
    double deviceY(double y) const { return (y - top_) / height_ * pixelHeight_; }
    /// World point of a device pixel.
    double worldX(double px) const { return left_ + px / pixelWidth_ * width_; }
    double worldY(double py) const { return top_ + py / pixelHeight_ * height_; }
    /// Font height in device pixels.
    double fontPixels(const FontSpec& font) const;

protected:
    /// A new device size (the screen image after a resize); the scale
    /// rectangle stays, so the next drawing maps it onto the new size.
    void setDeviceSize(double pixelWidth, double pixelHeight);
    void setResolution(double dpiX, double dpiY);

    virtual void drawClear(Colour back) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    virtual void drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) = 0;
    virtual void drawCircle(double x, double y, double r, const Pen& pen, bool filled) = 0;
    virtual void drawPoint(double x, double y, const Pen& pen) = 0;
    virtual void drawText(double x, double y, std::string_view text, const FontSpec& font, Colour colour) = 0;
    virtual void drawNewPage() = 0;
    /// Advance of the text and line height in the font, device pixels.
    virtual double deviceTextWidth(std::string_view text, const FontSpec& font) const = 0;
    virtual double deviceTextHeight(const FontSpec& font) const = 0;

private:
    Pen pen(std::optional<Colour> colour) const;

    double pixelWidth_, pixelHeight_, dpiX_, dpiY_;
    bool printer_;
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    ScaleUnits units_ = ScaleUnits::Twips;
    bool unitScale_ = true;
    double currentX_ = 0, currentY_ = 0;
    FontSpec font_;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    DrawMode drawMode_ = DrawMode::CopyPen;
    Colour foreColor_ = kBlack;
    Colour backColor_ = kWhite;
};

}  // namespace aerolune::plot
