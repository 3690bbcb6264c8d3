#include "geometry/NacaDigits.h"

#include <algorithm>

namespace aerolune {

namespace {

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + text : text;
}

int digitsValue(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) value = 10 * value + (text[i] - '0');
    return value;
}

}  // namespace

std::optional<NacaDigits> nacaDigits(std::string_view text) {
    if (text.size() != 4 && text.size() != 5) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    NacaDigits d;
    d.family = static_cast<int>(text.size());
    d.first = text[0] - '0';
    d.position = d.family == 4 ? text[1] - '0' : digitsValue(text, 1, 2);
    d.thickness = digitsValue(text, text.size() - 2, 2);
    return d;
}

std::string nacaDigitsProblem(const NacaDigits& d) {
    if (d.thickness < 1 || d.thickness > 30)
        return "the thickness digits " + twoDigits(d.thickness) + " must lie between 01 and 30.";
    if (d.family == 5) {
        if (d.first < 0 || d.first > 9)
            return "the design-lift digit " + std::to_string(d.first) + " must be 0 to 9.";
        if (d.position < 10 || d.position > 50 || d.position % 10 != 0)
            return "the camber-position digits " + twoDigits(d.position) +
                   " must be 10, 20, 30, 40 or 50 (standard mean lines only).";
        return {};
    }
    if (d.first < 0 || d.first > 9 || d.position < 0 || d.position > 9)
        return "the camber digits " + std::to_string(d.first) + std::to_string(d.position) +
               " must be single digits.";
    if (d.first > 0 && d.position == 0)
        return "a cambered section needs a camber position (second digit) of 1 to 9.";
    return {};
}

}  // namespace aerolune
