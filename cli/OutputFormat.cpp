#include "cli/OutputFormat.h"

#include <cstdlib>
#include <map>

#include "cli/CliSeam.h"

namespace aerolune::cli {

void addFormatOption(CLI::App& sub, OutputFormat& format) {
    const std::map<std::string, OutputFormat> names = {
        {"text", OutputFormat::Text}, {"json", OutputFormat::Json}, {"csv", OutputFormat::Csv}};
    sub.add_option("--format", format, "output: text (default), json (one object per line) or csv")
        ->transform(CLI::CheckedTransformer(names, CLI::ignore_case))
        ->default_str("text");
}

Json jsonNumber(double value) { return Json(std::strtod(plainDecimal(value).c_str(), nullptr)); }

Json jsonNumber(const std::optional<double>& value) { return value ? jsonNumber(*value) : Json(nullptr); }

namespace {

std::string csvCell(const Json& cell) {
    if (cell.is_null()) return "";
    if (!cell.is_string()) return cell.dump();
    const std::string& text = cell.get_ref<const std::string&>();
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string csvLine(const std::vector<Json>& cells) {
    std::string line;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) line += ',';
        line += csvCell(cells[k]);
    }
    return line + '\n';
}

void printJsonLine(std::ostream& out, const Json& value) {
    // Invalid UTF-8 in a name read from a file is replaced rather than
    // ending the run with an exception half-way through the output.
    out << value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace aerolune::cli
