#pragma once
// One named result of a subcommand as each output form shows it: a
// "name = value" line of the text output, and a key with its value in JSON
// and CSV. The key is the text name with its unit appended where the figure
// is not a coefficient (alpha_deg, transition_upper_x_chords), so a script
// never has to guess one.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/OutputFormat.h"

namespace aerolune::cli {

struct ResultField {
    std::string name;  ///< the text output's name
    std::string key;   ///< the JSON and CSV key
    std::string text;  ///< the text output's value
    Json value;        ///< number, text, boolean or null where the text shows that there is none
};

/// A number: plainDecimal in the text, the same digits in JSON.
ResultField numberField(const std::string& name, const std::string& key, double value);

/// A number that may be missing: `absent` in the text ("N/A", "none"), null in JSON.
ResultField optionalField(const std::string& name, const std::string& key, const std::optional<double>& value,
                          const std::string& absent);

/// A text, the same in every form.
ResultField textField(const std::string& name, const std::string& key, const std::string& value);

/// A flag: 0 or 1 in the text, false or true in JSON.
ResultField flagField(const std::string& name, const std::string& key, bool value);

/// The fields as "name = value" lines.
void printNameValues(std::ostream& out, const std::vector<ResultField>& fields);

/// The fields as one JSON object by key, in their order.
Json fieldsObject(const std::vector<ResultField>& fields);

/// The fields' keys, then their values, in their order (for a CSV header and row).
std::vector<Json> fieldKeys(const std::vector<ResultField>& fields);
std::vector<Json> fieldValues(const std::vector<ResultField>& fields);

}  // namespace aerolune::cli
