#include "appwalk/WalkChecks.h"

#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>
#include <sstream>
#include <unordered_map>

#include "support/DxfReader.h"

namespace aerolune::test {

int inkPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++counts[line[x]];
    }
    int most = 0;
    for (const auto& [colour, n] : counts) most = std::max(most, n);
    return rgb.width() * rgb.height() - most;
}

QString insaneReadOut(const QWidget& root) {
    static const QRegularExpression notANumber(R"(\b(nan|inf|infinity)\b)",
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit* e : root.findChildren<QLineEdit*>())
        if (notANumber.match(e->text()).hasMatch()) return e->objectName() + ": " + e->text();
    for (const QLabel* l : root.findChildren<QLabel*>())
        if (notANumber.match(l->text()).hasMatch()) return l->objectName() + ": " + l->text();
    return {};
}

::testing::AssertionResult holdsFiniteNumbers(const QString& path, int minNumbers) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "cannot read " << path.toStdString();
    const QString text = QString::fromLatin1(f.readAll());
    static const QRegularExpression notANumber(R"(\b(nan|inf|infinity)\b)",
                                               QRegularExpression::CaseInsensitiveOption);
    if (auto m = notANumber.match(text); m.hasMatch())
        return ::testing::AssertionFailure() << path.toStdString() << " holds " << m.captured().toStdString();
    static const QRegularExpression number(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
    int n = 0;
    for (auto it = number.globalMatch(text); it.hasNext(); it.next()) ++n;
    if (n < minNumbers)
        return ::testing::AssertionFailure()
               << path.toStdString() << " holds " << n << " numbers, expected " << minNumbers << " or more";
    return ::testing::AssertionSuccess();
}

DxfSummary readDxf(const std::string& python, const std::string& path) {
    DxfSummary s;
    std::istringstream in(readDxfWithEzdxf(python, path));
    std::string key, line;
    in >> key >> s.auditErrors >> key >> s.otherEntities;
    while (std::getline(in, line))
        if (line.rfind("LINE ", 0) == 0) ++s.lines;
    return s;
}

StderrCapture::StderrCapture() : file_(std::tmpfile()) {
    if (file_ == nullptr) return;
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    ::dup2(::fileno(file_), STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
    text();
    if (file_ != nullptr) std::fclose(file_);
}

std::string StderrCapture::text() {
    if (file_ == nullptr) return "standard error could not be captured";
    if (saved_ >= 0) {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
    std::string out;
    std::rewind(file_);
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, file_)) out.append(buffer, got);
    return out;
}

}  // namespace aerolune::test
