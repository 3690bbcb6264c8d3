#include "common/FormatPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/DecimalDigits.h"
#include "common/NumberText.h"

namespace aerolune {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

struct Picture {
    std::string_view prefix;
    std::string_view suffix;
    int minIntegerDigits = 0;  // placeholders from the first "0" up to the point
    bool hasPoint = false;
    int minDecimals = 0;  // up to and including the last "0" after the point
    int maxDecimals = 0;
    bool scientific = false;
    char exponentLetter = 'e';
    bool exponentAlwaysSigned = false;
    int minExponentDigits = 0;
};

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

Picture parsePicture(std::string_view text) {
    Picture picture;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && !isPlaceholder(text[i]) && text[i] != '.') ++i;
    picture.prefix = text.substr(0, i);

    int placeholders = 0;
    int firstZero = -1;
    for (; i < n && isPlaceholder(text[i]); ++i, ++placeholders)
        if (text[i] == '0' && firstZero < 0) firstZero = placeholders;
    picture.minIntegerDigits = firstZero < 0 ? 0 : placeholders - firstZero;

    if (i < n && text[i] == '.') {
        picture.hasPoint = true;
        for (++i; i < n && isPlaceholder(text[i]); ++i) {
            ++picture.maxDecimals;
            if (text[i] == '0') picture.minDecimals = picture.maxDecimals;
        }
    }
    if (i + 1 < n && (text[i] == 'e' || text[i] == 'E') && (text[i + 1] == '+' || text[i + 1] == '-')) {
        picture.scientific = true;
        picture.exponentLetter = text[i];
        picture.exponentAlwaysSigned = text[i + 1] == '+';
        for (i += 2; i < n && isPlaceholder(text[i]); ++i)
            if (text[i] == '0') ++picture.minExponentDigits;
    }
    picture.suffix = text.substr(i);
    return picture;
}

// Digits [from, from + count) of the number, then trailing zeros dropped down
// to `keep` digits.
std::string digitRun(const DecimalDigits& number, int from, int count, int keep) {
    std::string run;
    for (int k = 0; k < count; ++k) run += number.digitAt(from + k);
    while (static_cast<int>(run.size()) > keep && run.back() == '0') run.pop_back();
    return run;
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

std::string assemble(const Picture& picture, bool negative, const std::string& integer,
                     const std::string& fraction, const std::string& exponent) {
    std::string out;
    if (negative) out += '-';
    out += picture.prefix;
    out += integer;
    if (picture.hasPoint) out += '.' + fraction;
    out += exponent;
    out += picture.suffix;
    return out;
}

std::string formatFixed(DecimalDigits number, const Picture& picture) {
    roundToDecimals(number, picture.maxDecimals);
    const int integerDigits = std::max(number.pointPos, 0);
    const std::string integer =
        padLeft(digitRun(number, 0, integerDigits, integerDigits), picture.minIntegerDigits);
    const std::string fraction = digitRun(number, number.pointPos, picture.maxDecimals, picture.minDecimals);
    return assemble(picture, number.negative, integer, fraction, "");
}

std::string formatScientific(DecimalDigits number, const Picture& picture) {
    const int integerDigits = std::max(picture.minIntegerDigits, 1);
    roundToDigits(number, integerDigits + picture.maxDecimals);
    const int exponent = number.isZero() ? 0 : number.pointPos - integerDigits;

    const std::string integer = digitRun(number, 0, integerDigits, integerDigits);
    const std::string fraction = digitRun(number, integerDigits, picture.maxDecimals, picture.minDecimals);
    std::string exponentText(1, picture.exponentLetter);
    if (exponent < 0)
        exponentText += '-';
    else if (picture.exponentAlwaysSigned)
        exponentText += '+';
    exponentText += padLeft(std::to_string(std::abs(exponent)), picture.minExponentDigits);
    return assemble(picture, number.negative, integer, fraction, exponentText);
}

std::string formatWithDigits(double value, std::string_view pictureText, int significant) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0.0 ? "-Inf" : "Inf";
    if (pictureText.empty()) return formatGeneral(value);
    const Picture picture = parsePicture(pictureText);
    const DecimalDigits number = decimalDigits(value, significant);
    return picture.scientific ? formatScientific(number, picture) : formatFixed(number, picture);
}

}  // namespace

std::string formatPicture(double value, std::string_view picture) {
    return formatWithDigits(value, picture, kDoubleDigits);
}

std::string formatPicture(float value, std::string_view picture) {
    return formatWithDigits(value, picture, kSingleDigits);
}

}  // namespace aerolune
