#pragma once
// A window that draws nothing and ignores its messages, for tests that only
// look at the state a recomputation leaves; and that recomputation.

#include <string>

#include "analysis/Pipeline.h"
#include "analysis/PipelineSeam.h"

namespace aerolune::test {

struct NullSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

/// The state after one recomputation with no window attached.
inline AppState recomputed(AppState state) {
    NullSeam seam;
    recompute(state, seam);
    return state;
}

}  // namespace aerolune::test
