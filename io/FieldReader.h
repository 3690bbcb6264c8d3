#pragma once
// Reading the delimited fields of a coordinate file: each field is separated
// from the next by a comma or a line end; spaces around a number are ignored and
// a number also ends at a space. Text fields run to the next comma or line end,
// unless they start with a double quote, in which case they run to the closing
// quote and may hold commas.

#include <string>
#include <string_view>

namespace aerolune {

/// Parses a whole token as a decimal number: optional sign, digits with an
/// optional decimal point (at least one digit), optional exponent introduced by
/// E or D with at least one digit. Anything else in the token, or a value that
/// does not fit a single-precision float, makes it malformed.
/// \param token the field text, no surrounding blanks
/// \param value receives the number when the token is well formed
/// \return true when the token is exactly one finite number
bool parseNumberToken(std::string_view token, double& value);

/// Walks a text field by field. Blank lines and blanks before a field are
/// skipped; the reader never looks past the end of the text.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    /// Reads the next number field's raw text into token (empty for a field
    /// that holds nothing, as between two commas).
    /// \return false at the end of the text, when no field is left
    bool nextNumberField(std::string_view& token);

    /// Reads the next text field: quoted text without its quotes, or the text
    /// up to the next comma or line end with trailing blanks removed.
    /// \return false at the end of the text
    bool nextTextField(std::string& text);

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    void skipBlanks();
    void skipToFieldStart();
    void finishField();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace aerolune
