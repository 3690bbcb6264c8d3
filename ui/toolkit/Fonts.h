#pragma once
// The program asks for its fonts by their classic names; these are the
// installed families that stand in for them.

namespace aerolune::ui {

void installFontSubstitutes();

}  // namespace aerolune::ui
