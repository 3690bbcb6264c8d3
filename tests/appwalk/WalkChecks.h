#pragma once
// What the walk checks after its steps: a drawing in the plot area, read-outs
// that are numbers or say why they are not, and files that hold what they
// should.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdio>
#include <string>

class QWidget;

namespace aerolune::test {

/// Pixels of any colour but the most common one (the background).
int inkPixels(const QImage& image);

/// The first text of a field, box or caption under root that shows a number
/// which is not one (nan, inf); empty when there is none.
QString insaneReadOut(const QWidget& root);

/// Whether the text file at path exists, has at least minNumbers numbers and
/// every number in it is finite.
::testing::AssertionResult holdsFiniteNumbers(const QString& path, int minNumbers);

/// The DXF file read by the tests' DXF reader with the given python: audit
/// errors and LINE count (audit errors -1: it could not read the file).
struct DxfSummary {
    int auditErrors = -1;
    int otherEntities = -1;
    int lines = 0;
};
DxfSummary readDxf(const std::string& python, const std::string& path);

/// Everything written on standard error (by the program, Qt's default
/// handler or a child process) from construction until text() is called.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    /// Stops the capture (standard error is the terminal again) and returns what was written.
    std::string text();

private:
    int saved_ = -1;
    std::FILE* file_ = nullptr;
};

}  // namespace aerolune::test
