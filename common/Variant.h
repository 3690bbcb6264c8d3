#pragma once
// A small tagged value for the state whose emptiness the user can observe:
// never assigned it is empty, reads as 0 in arithmetic and as "" in text.

#include <cstdint>
#include <string>
#include <variant>

namespace aerolune {

class Variant {
public:
    enum class Kind { Empty, Int16, Int32, Single, Double, String };

    Variant() = default;
    Variant(int16_t value) : value_(value) {}
    Variant(int32_t value) : value_(value) {}
    Variant(float value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    void clear() { value_ = std::monostate{}; }

    /// Numeric value: empty is 0, a text reads its leading number.
    double toDouble() const;
    /// Numeric value truncated towards zero after rounding-free conversion
    /// (use toDouble and round explicitly where the program rounds).
    int32_t toInt() const;
    /// Text: empty is "", numbers in the general form (single values with 7
    /// significant digits, the others with up to 15).
    std::string toText() const;

    bool operator==(const Variant& other) const = default;

private:
    std::variant<std::monostate, int16_t, int32_t, float, double, std::string> value_;
};

}  // namespace aerolune
