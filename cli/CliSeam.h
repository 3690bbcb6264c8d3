#pragma once
// The recomputation's window, for a program without one: nothing is drawn,
// and a message box becomes an error the subcommand reports.

#include <string>
#include <vector>

#include "analysis/PipelineSeam.h"

namespace aerolune::cli {

class CliSeam : public ViewSeam {
public:
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string& text) override { messages_.push_back(text); }
    /// Rows of a polar not computed are told on standard error; the polar
    /// is still printed or saved, those rows marked.
    void notePolarRows(const std::string& rows) override;

    /// Throws AnalysisError with the first message shown, if any.
    void throwIfMessage() const;

private:
    std::vector<std::string> messages_;
};

/// A number in plain decimal notation with at least 9 significant digits and
/// no exponent; trailing zeros dropped ("0.00678", "-2.0772404", "120").
/// Throws AnalysisError for a value that is not finite.
std::string plainDecimal(double value);

}  // namespace aerolune::cli
