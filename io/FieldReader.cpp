#include "io/FieldReader.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace aerolune {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Length of a run of digits starting at i.
std::size_t digitRun(std::string_view s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n])) ++n;
    return n;
}

}  // namespace

bool parseNumberToken(std::string_view token, double& value) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t mantissaDigits = digitRun(token, i);
    i += mantissaDigits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        std::size_t fraction = digitRun(token, i);
        mantissaDigits += fraction;
        i += fraction;
    }
    if (mantissaDigits == 0) return false;
    if (i < token.size() && (token[i] == 'E' || token[i] == 'e' || token[i] == 'D' || token[i] == 'd')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
        std::size_t exponentDigits = digitRun(token, i);
        if (exponentDigits == 0) return false;
        i += exponentDigits;
    }
    if (i != token.size()) return false;

    // from_chars reads a point as the point whatever the desktop's locale, but
    // knows neither a plus sign nor the D exponent letter of older files.
    std::string number(token.substr(token[0] == '+' ? 1 : 0));
    for (char& c : number) {
        if (c == 'D' || c == 'd') c = 'e';
    }
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (error != std::errc() || end != number.data() + number.size()) return false;
    if (!std::isfinite(parsed) || std::fabs(parsed) > FLT_MAX) return false;
    value = parsed;
    return true;
}

void FieldReader::skipBlanks() {
    while (!atEnd() && isBlank(peek())) ++pos_;
}

void FieldReader::skipToFieldStart() {
    while (!atEnd() && (isBlank(peek()) || isLineEnd(peek()))) ++pos_;
}

// After a field: blanks, then at most one separator. A comma or a line end
// after the blanks belongs to this field, so "1 , 2" is two fields, not three;
// if neither follows, the blanks themselves were the separator.
void FieldReader::finishField() {
    skipBlanks();
    if (atEnd()) return;
    if (peek() == ',') {
        ++pos_;
    } else if (peek() == '\r') {
        ++pos_;
        if (!atEnd() && peek() == '\n') ++pos_;
    } else if (peek() == '\n') {
        ++pos_;
    }
}

bool FieldReader::nextNumberField(std::string_view& token) {
    skipToFieldStart();
    if (atEnd()) return false;
    if (peek() == ',') {
        ++pos_;
        token = {};
        return true;
    }
    std::size_t start = pos_;
    while (!atEnd() && !isBlank(peek()) && !isLineEnd(peek()) && peek() != ',') ++pos_;
    token = text_.substr(start, pos_ - start);
    finishField();
    return true;
}

bool FieldReader::nextTextField(std::string& text) {
    skipToFieldStart();
    if (atEnd()) return false;
    if (peek() == '"') {
        std::size_t start = ++pos_;
        while (!atEnd() && peek() != '"') ++pos_;
        text.assign(text_.substr(start, pos_ - start));
        if (!atEnd()) ++pos_;
        // Whatever stands between the closing quote and the separator is not
        // part of the field.
        while (!atEnd() && peek() != ',' && !isLineEnd(peek())) ++pos_;
        finishField();
        return true;
    }
    std::size_t start = pos_;
    while (!atEnd() && peek() != ',' && !isLineEnd(peek())) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    text.assign(text_.substr(start, end - start));
    finishField();
    return true;
}

}  // namespace aerolune
