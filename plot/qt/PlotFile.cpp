#include "plot/qt/PlotFile.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "plot/qt/HeadlessApplication.h"
#include "plot/qt/PainterSurface.h"

namespace aerolune::plot {

namespace {

constexpr double kFileDpi = 96.0;
constexpr int kMaxSide = 20000;

QByteArray renderPng(int width, int height, const std::function<void(Surface&)>& draw) {
    ImageSurface surface(width, height, kFileDpi);
    draw(surface);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    surface.image().save(&buffer, "PNG");
    return bytes;
}

QByteArray renderSvg(int width, int height, const std::function<void(Surface&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(static_cast<int>(kFileDpi));
    svg.setTitle("Aerolune plot");
    {
        PainterSurface surface(&svg, false);
        draw(surface);
    }  // the generator writes its document when the painter ends
    return bytes;
}

QByteArray renderPdf(int width, int height, const std::function<void(Surface&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(static_cast<int>(kFileDpi));
    pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / kFileDpi, height * 72.0 / kFileDpi), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Aerolune plot");
    {
        PainterSurface surface(&pdf, false);
        draw(surface);
    }
    return bytes;
}

}  // namespace

std::optional<PlotFormat> plotFormatForPath(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "png") return PlotFormat::Png;
    if (ext == "svg") return PlotFormat::Svg;
    if (ext == "pdf") return PlotFormat::Pdf;
    return std::nullopt;
}

void ensurePaintingAvailable() {
    if (QCoreApplication::instance()) return;
    ensureHeadlessApplication();
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

WriteResult writePlotFile(const std::string& path, int width, int height,
                          const std::function<void(Surface&)>& draw) {
    const auto format = plotFormatForPath(path);
    if (!format) return {false, path + ": the file name must end in .png, .svg or .pdf"};
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return {false, path + ": the plot size must be 1 to 20000 pixels each way"};
    ensurePaintingAvailable();
    QByteArray bytes;
    switch (*format) {
        case PlotFormat::Png:
            bytes = renderPng(width, height, draw);
            break;
        case PlotFormat::Svg:
            bytes = renderSvg(width, height, draw);
            break;
        case PlotFormat::Pdf:
            bytes = renderPdf(width, height, draw);
            break;
    }
    if (bytes.isEmpty()) return {false, path + ": the plot could not be rendered"};
    return writeFileReplacing(path,
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace aerolune::plot
