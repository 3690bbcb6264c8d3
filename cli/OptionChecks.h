#pragma once
// Checks of option values shared by the subcommands. Each sees the text as
// typed, so that what the number conversion would let through (nan, inf, an
// overflow, an empty text) is refused before it becomes a number.

#include <CLI/CLI.hpp>
#include <string>

#include "common/QuantityRule.h"

namespace aerolune::cli {

/// The whole text a finite number from least to most; the message names what it is
/// ("the angle of attack") and the range.
/// \param least,most the range, ends included
/// \param what what the number is, for the message
/// \param unit appended to the range in the message (may be empty)
CLI::Validator finiteWithin(double least, double most, const std::string& what, const std::string& unit = "");

/// A quantity read by its shared rule (range and message as the window's).
CLI::Validator withinRule(const QuantityRule& rule);

/// The whole text a plain decimal number (no hexadecimal, no trailing
/// characters); for options whose range another check holds.
CLI::Validator decimalNumber(const std::string& what);

/// A text that is not empty (nor only blanks).
CLI::Validator nonEmpty(const std::string& what);

/// Adds --alpha, the angle of attack in degrees, by kAngleRule (-20..20).
void addAlphaOption(CLI::App& sub, double& alpha);

}  // namespace aerolune::cli
