#include "print/TemplateSettings.h"

#include <algorithm>
#include <cmath>

#include "common/FormatPicture.h"
#include "common/NumberText.h"

namespace aerolune::print {

double TemplateSettings::chord(int s) const {
    if (s <= 1 || sections <= 1) return rootChord;
    return rootChord + (s - 1) * (tipChord - rootChord) / (sections - 1);
}

double TemplateSettings::spanPercent(int s) const {
    return sections > 1 ? static_cast<double>(s - 1) / (sections - 1) * 100.0 : 0.0;
}

double TemplateSettings::longestChord() const {
    return sections > 1 ? std::max(rootChord, tipChord) : rootChord;
}

namespace {

bool positive(double v) { return std::isfinite(v) && v > 0.0; }

}  // namespace

TemplateRequest readTemplateFields(const TemplateFields& fields) {
    TemplateRequest request;
    TemplateSettings& s = request.settings;
    s.centimetres = fields.centimetres;
    s.rootChord = readLeadingNumber(fields.rootChord);
    s.tipChord = readLeadingNumber(fields.tipChord);
    s.skin = readLeadingNumber(fields.skin);
    const double count = readLeadingNumber(fields.sections);

    if (!(std::isfinite(count) && count >= 1.0 && count <= kMaxTemplateSections &&
          count == std::floor(count))) {
        request.problem = "Number of Sections must be a whole number from 1 to " +
                          std::to_string(kMaxTemplateSections) + ".";
        return request;
    }
    s.sections = static_cast<int>(count);
    if (!positive(s.rootChord))
        request.problem = "Root Chord must be a number greater than 0.";
    else if (s.sections > 1 && !positive(s.tipChord))
        request.problem = "Tip Chord must be a number greater than 0.";
    if (s.sections == 1) s.tipChord = s.rootChord;
    return request;
}

std::string skinProblem(const TemplateSettings& settings, double unitThickness) {
    const double thinnest = unitThickness * std::min(settings.rootChord, settings.tipChord);
    const std::string unit = settings.centimetres ? " cm" : " in";
    if (!(std::isfinite(settings.skin) && settings.skin >= 0.0))
        return "Skin Thickness must be a number of 0 or more.";
    if (!(settings.skin < 0.5 * thinnest))
        return "Skin Thickness must be less than half the thinnest rib's thickness (" +
               formatPicture(0.5 * thinnest, "0.000") + unit + ").";
    return {};
}

}  // namespace aerolune::print
