#include "io/NativeAirfoilParser.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "io/FieldReader.h"

namespace aerolune {

namespace {

// Reads a count field and returns how many pairs to read next (negative for
// none). A missing count reads no pairs.
int64_t readCount(FieldReader& reader, int32_t previous, ParsedAirfoil& parsed) {
    std::string_view token;
    if (!reader.nextNumberField(token)) {
        parsed.truncated = true;
        return 0;
    }
    double value = 0.0;
    if (!parseNumberToken(token, value)) {
        ++parsed.malformedFields;
        parsed.countsWellFormed = false;
        return previous;
    }
    if (value < 0.0 || value != std::floor(value)) parsed.countsWellFormed = false;
    // A fractional count rounds to the nearest whole number, halves to even.
    double rounded = std::nearbyint(value);
    constexpr double kLargest = static_cast<double>(std::numeric_limits<int32_t>::max());
    if (rounded > kLargest) return static_cast<int64_t>(kLargest);
    if (rounded < -kLargest) return -static_cast<int64_t>(kLargest);
    return static_cast<int64_t>(rounded);
}

// The entry's value before this reading: the caller's list entry, or 0 where
// the lists have none.
float previousEntry(const Array1<float>& list, int64_t i) {
    return i <= FileSection::kCapacity ? list(static_cast<std::ptrdiff_t>(i)) : 0.0f;
}

float fieldValue(std::string_view token, float previous, ParsedAirfoil& parsed) {
    double value = 0.0;
    if (parseNumberToken(token, value)) return static_cast<float>(value);
    ++parsed.malformedFields;
    return previous;
}

// Reads up to count pairs. Work is bounded by the text: every pair consumes
// at least one character.
FileSurface readPairs(FieldReader& reader, int64_t count, const Array1<float>& xs, const Array1<float>& ys,
                      ParsedAirfoil& parsed) {
    FileSurface points;
    for (int64_t i = 1; i <= count; ++i) {
        std::string_view xToken;
        std::string_view yToken;
        if (!reader.nextNumberField(xToken) || !reader.nextNumberField(yToken)) {
            parsed.truncated = true;
            break;
        }
        const float x = fieldValue(xToken, previousEntry(xs, i), parsed);
        const float y = fieldValue(yToken, previousEntry(ys, i), parsed);
        points.push_back({x, y});
    }
    return points;
}

}  // namespace

ParsedAirfoil parseNativeAirfoil(std::string_view text, const std::string& previousName,
                                 const FileSection& previous) {
    ParsedAirfoil parsed;
    parsed.layout = AirfoilLayout::Native;
    parsed.name = previousName;

    FieldReader reader(text);
    if (!reader.nextTextField(parsed.name)) parsed.truncated = true;

    int64_t upperCount = readCount(reader, previous.FileNU, parsed);
    parsed.first = readPairs(reader, upperCount, previous.FileXU, previous.FileYU, parsed);
    int64_t lowerCount = readCount(reader, previous.FileNL, parsed);
    parsed.second = readPairs(reader, lowerCount, previous.FileXL, previous.FileYL, parsed);
    return parsed;
}

bool isCleanNativeRead(const ParsedAirfoil& parsed) {
    return parsed.layout == AirfoilLayout::Native && parsed.countsWellFormed && !parsed.truncated &&
           parsed.malformedFields == 0 && parsed.first.size() >= 3 && parsed.second.size() >= 3;
}

}  // namespace aerolune
