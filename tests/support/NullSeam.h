#pragma once
// A window that draws nothing and ignores its messages, for tests that only
// look at the state a recomputation leaves.

#include <string>

#include "analysis/PipelineSeam.h"

namespace aerolune::test {

struct NullSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

}  // namespace aerolune::test
