#pragma once
// The forms a subcommand's results take on standard output: the program's own
// text (the default), JSON for scripts, or a CSV table.
//
// JSON is written one object per line, so a single run is one JSON document
// and a batch is a stream of them (JSON Lines) that a script reads line by
// line whatever the number of files. Numbers carry the digits the text output
// prints (9 significant), so the three forms agree.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace aerolune::cli {

enum class OutputFormat { Text, Json, Csv };

/// A JSON value that keeps its keys in the order they were added.
using Json = nlohmann::ordered_json;

/// Adds --format text|json|csv (text by default).
void addFormatOption(CLI::App& sub, OutputFormat& format);

/// The number as the text output prints it (plainDecimal's 9 significant
/// digits), as a JSON number. Throws AnalysisError for a value that is not
/// finite, as the text output does.
Json jsonNumber(double value);

/// jsonNumber, or null when there is no value.
Json jsonNumber(const std::optional<double>& value);

/// One CSV line with its line break: cells separated by commas, a text that
/// holds a comma, a quote or a line break in quotes (quotes doubled), null an
/// empty cell, numbers and booleans as JSON writes them.
std::string csvLine(const std::vector<Json>& cells);

/// The value as one line of JSON with its line break.
void printJsonLine(std::ostream& out, const Json& value);

}  // namespace aerolune::cli
