#include "common/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace aerolune {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

double readLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];

    bool mantissaDigits = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        mantissaDigits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits) return 0.0;

    // An exponent counts only when at least one digit follows its letter.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        std::size_t digitsStart = j;
        while (j < text.size() && isDigit(text[j])) exponent += text[j++];
        if (j > digitsStart) number += exponent;
    }
    // from_chars ignores the desktop's locale: a point is always the point.
    if (number[0] == '+') number.erase(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    return error == std::errc() && std::isfinite(value) ? value : 0.0;
}

std::string formatGeneral(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // Exponent as E+NN / E-NN (at least two digits), mantissa without trailing zeros.
    std::string mantissa = text.substr(0, e);
    int exponent = std::atoi(text.c_str() + e + 1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return mantissa + tail;
}

}  // namespace aerolune
