#include "cli/OptionChecks.h"

#include <cmath>

#include "common/NumberText.h"

namespace aerolune::cli {

CLI::Validator finiteWithin(double least, double most, const std::string& what, const std::string& unit) {
    const std::string range =
        formatGeneral(least) + " to " + formatGeneral(most) + (unit.empty() ? "" : " " + unit);
    return CLI::Validator(
        [=](const std::string& text) {
            double v = 0.0;
            if (readDecimalNumber(text, v) && v >= least && v <= most) return std::string();
            return what + " must be a number from " + range + " (not \"" + text + "\")";
        },
        "NUMBER " + range);
}

CLI::Validator withinRule(const QuantityRule& rule) {
    return CLI::Validator(
        [rule](const std::string& text) {
            double v = 0.0;
            return quantityProblem(rule, text, v);
        },
        "NUMBER " + formatGeneral(rule.least) + " to " + formatGeneral(rule.most));
}

CLI::Validator decimalNumber(const std::string& what) {
    return CLI::Validator(
        [what](const std::string& text) {
            double v = 0.0;
            return readDecimalNumber(text, v) ? std::string()
                                              : what + " must be a decimal number (not \"" + text + "\")";
        },
        "NUMBER");
}

CLI::Validator nonEmpty(const std::string& what) {
    return CLI::Validator(
        [=](const std::string& text) {
            return text.find_first_not_of(" \t") == std::string::npos ? what + " must not be empty"
                                                                      : std::string();
        },
        "TEXT");
}

void addAlphaOption(CLI::App& sub, double& alpha) {
    // The angle dialog's range: beyond 20 degrees every section is stalled,
    // and neither the panel method nor the separation models describe the flow.
    sub.add_option("--alpha", alpha, "angle of attack, degrees, -20..20 (as the window's angle dialog)")
        ->capture_default_str()
        ->check(withinRule(kAngleRule));
}

}  // namespace aerolune::cli
