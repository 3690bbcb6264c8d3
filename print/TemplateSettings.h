#pragma once
// What the rib-template dialog asks for, read from its fields and checked
// before anything goes to the printer: a chord or a section count that makes
// no sense would otherwise give an empty or an endless print job.

#include <string>
#include <string_view>

namespace aerolune::print {

/// The template dialog's fields as typed (RibTemplateDialog).
struct TemplateFields {
    std::string rootChord = "6";
    std::string tipChord = "6";  ///< unused for a single rib
    std::string skin = "0";
    std::string sections = "1";
    bool centimetres = false;  ///< centimetres rather than inches
};

/// More ribs than this in one job is a typing slip, not a wing.
inline constexpr int kMaxTemplateSections = 200;

/// The templates' dimensions, in the chosen unit (inches or centimetres).
struct TemplateSettings {
    double rootChord = 6.0;
    double tipChord = 6.0;
    double skin = 0.0;
    int sections = 1;
    bool centimetres = false;

    /// " in." or " cm.", written after the chord in each label.
    std::string_view unitText() const { return centimetres ? " cm." : " in."; }
    /// Space left between neighbouring ribs on a sheet: 0.25 in or 1 cm.
    double gap() const { return centimetres ? 1.0 : 0.25; }
    /// Chord of section s (1..sections), from the root to the tip in equal steps.
    double chord(int s) const;
    /// Span position of section s, per cent from the root (0 for a single rib).
    double spanPercent(int s) const;
    /// The longest chord of the job.
    double longestChord() const;
};

/// The settings a dialog's fields describe, or why nothing can be printed.
struct TemplateRequest {
    TemplateSettings settings;
    std::string problem;  ///< empty when the settings can be printed
    bool ok() const { return problem.empty(); }
};

/// Reads the fields with the usual number reading (text that is not a number
/// reads as 0) and refuses a root chord, a tip chord (when there is more than
/// one rib) or a section count that is 0, negative or not finite, a section
/// count that is not whole or above kMaxTemplateSections. (A number too
/// large for a double reads as 0 and is refused with the rest.)
TemplateRequest readTemplateFields(const TemplateFields& fields);

/// Why the skin thickness cannot be drawn inside every rib: below 0, not a
/// number, or not less than half the thinnest rib's thickness (the inner
/// lines of both surfaces would meet or cross). Empty when it can.
/// \param settings the checked settings
/// \param unitThickness the section's thickness on a unit chord (Y max - Y min)
std::string skinProblem(const TemplateSettings& settings, double unitThickness);

}  // namespace aerolune::print
