#include "common/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/NumberText.h"

namespace aerolune {

double Variant::toDouble() const {
    switch (kind()) {
        case Kind::Empty:
            return 0.0;
        case Kind::Int16:
            return std::get<int16_t>(value_);
        case Kind::Int32:
            return std::get<int32_t>(value_);
        case Kind::Single:
            return std::get<float>(value_);
        case Kind::Double:
            return std::get<double>(value_);
        case Kind::String:
            return readLeadingNumber(std::get<std::string>(value_));
    }
    return 0.0;
}

int32_t Variant::toInt() const {
    double value = toDouble();
    if (!std::isfinite(value)) return 0;
    value = std::trunc(value);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::string Variant::toText() const {
    switch (kind()) {
        case Kind::Empty:
            return "";
        case Kind::String:
            return std::get<std::string>(value_);
        case Kind::Single: {
            // A single shows the digits it actually holds, not its double expansion.
            char buffer[32];
            const auto result =
                std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(std::get<float>(value_)),
                              std::chars_format::general, 7);
            double rounded = 0.0;
            std::from_chars(buffer, result.ptr, rounded);
            return formatGeneral(rounded);
        }
        default:
            return formatGeneral(toDouble());
    }
}

}  // namespace aerolune
