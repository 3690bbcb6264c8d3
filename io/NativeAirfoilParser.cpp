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

void storeField(std::string_view token, float& entry, ParsedAirfoil& parsed) {
    double value = 0.0;
    if (parseNumberToken(token, value)) {
        entry = static_cast<float>(value);
    } else {
        ++parsed.malformedFields;
    }
}

// Reads up to count pairs into xs/ys and returns how many are stored. Work is
// bounded by the text: every pair consumes at least one character.
int32_t readPairs(FieldReader& reader, int64_t count, Array1<float>& xs, Array1<float>& ys,
                  ParsedAirfoil& parsed) {
    int32_t stored = 0;
    for (int64_t i = 1; i <= count; ++i) {
        std::string_view xToken;
        std::string_view yToken;
        if (!reader.nextNumberField(xToken) || !reader.nextNumberField(yToken)) {
            parsed.truncated = true;
            break;
        }
        if (i > FileSection::kCapacity) {
            ++parsed.skippedPairs;
            double ignored = 0.0;
            if (!parseNumberToken(xToken, ignored)) ++parsed.malformedFields;
            if (!parseNumberToken(yToken, ignored)) ++parsed.malformedFields;
            continue;
        }
        storeField(xToken, xs(i), parsed);
        storeField(yToken, ys(i), parsed);
        stored = static_cast<int32_t>(i);
    }
    return stored;
}

}  // namespace

ParsedAirfoil parseNativeAirfoil(std::string_view text, const std::string& previousName,
                                 const FileSection& previous) {
    ParsedAirfoil parsed;
    parsed.layout = AirfoilLayout::Native;
    parsed.lists = previous;
    parsed.name = previousName;

    FieldReader reader(text);
    if (!reader.nextTextField(parsed.name)) parsed.truncated = true;

    FileSection& lists = parsed.lists;
    int64_t upperCount = readCount(reader, previous.FileNU, parsed);
    lists.FileNU = readPairs(reader, upperCount, lists.FileXU, lists.FileYU, parsed);
    int64_t lowerCount = readCount(reader, previous.FileNL, parsed);
    lists.FileNL = readPairs(reader, lowerCount, lists.FileXL, lists.FileYL, parsed);
    return parsed;
}

bool isCleanNativeRead(const ParsedAirfoil& parsed) {
    return parsed.layout == AirfoilLayout::Native && parsed.countsWellFormed && !parsed.truncated &&
           parsed.malformedFields == 0 && parsed.lists.FileNU >= 3 && parsed.lists.FileNL >= 3;
}

}  // namespace aerolune
