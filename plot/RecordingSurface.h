#pragma once
// A surface that draws nothing and records every figure with its resolved
// pen, in world units, for tests. Text metrics are fixed (a character is 0.6
// and a line 1.2 font heights), so tests never depend on installed fonts.

#include <string>
#include <vector>

#include "plot/SurfaceBase.h"

namespace aerolune::plot {

struct RecordedCall {
    enum class Kind { Clear, Line, Box, FilledBox, Circle, FilledCircle, Point, Text, NewPage };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0,
           y2 = 0;  ///< line ends, box corners; circle centre and text position in x1, y1
    double r = 0;   ///< circle radius
    Pen pen{};      ///< colour (text: its colour), width, style, mode
    std::string text{};
    FontSpec font{};
};

class RecordingSurface : public SurfaceBase {
public:
    /// \param pixelWidth, pixelHeight device size, pixels (a 1200 x 800 image by default)
    /// \param printer records as a printer page when true
    /// \param dpi resolution, pixels per inch, both axes
    explicit RecordingSurface(double pixelWidth = 1200, double pixelHeight = 800, bool printer = false,
                              double dpi = 96);

    const std::vector<RecordedCall>& calls() const { return calls_; }
    /// The recorded calls of one kind, in order.
    std::vector<RecordedCall> of(RecordedCall::Kind kind) const;
    /// Every printed text, in order.
    std::vector<std::string> texts() const;
    /// The first recorded text equal to this, or null.
    const RecordedCall* findText(std::string_view text) const;
    void reset() { calls_.clear(); }
    /// A new device size (as the plot area after a resize).
    void resize(double pixelWidth, double pixelHeight) { setDeviceSize(pixelWidth, pixelHeight); }

protected:
    void drawClear(Colour back) override;
    void drawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) override;
    void drawCircle(double x, double y, double r, const Pen& pen, bool filled) override;
    void drawPoint(double x, double y, const Pen& pen) override;
    void drawText(double x, double y, std::string_view text, const FontSpec& font, Colour colour) override;
    void drawNewPage() override;
    double deviceTextWidth(std::string_view text, const FontSpec& font) const override;
    double deviceTextHeight(const FontSpec& font) const override;

private:
    void add(RecordedCall call) { calls_.push_back(std::move(call)); }
    std::vector<RecordedCall> calls_;
};

}  // namespace aerolune::plot
