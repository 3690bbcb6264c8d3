#include "cli/OptionChecks.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

namespace aerolune::cli {

namespace {

// The whole text read as a number, blanks around it allowed; nothing else.
bool wholeNumber(const std::string& text, double& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

}  // namespace

CLI::Validator finiteWithin(double least, double most, const std::string& what, const std::string& unit) {
    const std::string range =
        formatGeneral(least) + " to " + formatGeneral(most) + (unit.empty() ? "" : " " + unit);
    return CLI::Validator(
        [=](const std::string& text) {
            double v = 0.0;
            if (wholeNumber(text, v) && std::isfinite(v) && v >= least && v <= most) return std::string();
            return what + " must be a number from " + range + " (not \"" + text + "\")";
        },
        "NUMBER " + range);
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
    sub.add_option("--alpha", alpha, "angle of attack, degrees, -90..90")
        ->capture_default_str()
        ->check(finiteWithin(-90.0, 90.0, "the angle of attack", "degrees"));
}

}  // namespace aerolune::cli
