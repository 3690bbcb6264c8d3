#include "cli/PolarOutput.h"

namespace aerolune::cli {

namespace {

constexpr const char* kRowKeys[] = {
    "alpha_deg", "cl", "cd", "cm_c4", "transition_upper_x_chords", "transition_lower_x_chords"};

std::vector<Json> rowValues(const PolarPoint& p) {
    return {jsonNumber(p.angle),
            jsonNumber(p.cl),
            jsonNumber(p.cdTimes1000 / 1000.0),
            jsonNumber(p.cm),
            jsonNumber(p.upperTransition),
            jsonNumber(p.lowerTransition)};
}

}  // namespace

Json polarRows(const StoredPolar& polar) {
    Json rows = Json::array();
    for (const PolarPoint& p : polar.points) {
        const std::vector<Json> values = rowValues(p);
        Json row = Json::object();
        for (std::size_t k = 0; k < values.size(); ++k) row[kRowKeys[k]] = values[k];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string polarCsvHeader() {
    std::vector<Json> header{"section", "file", "reynolds"};
    for (const char* key : kRowKeys) header.emplace_back(key);
    return csvLine(header);
}

std::string polarCsvRows(const StoredPolar& polar, const std::string& file) {
    std::string lines;
    for (const PolarPoint& p : polar.points) {
        std::vector<Json> row{polar.header.name, file, jsonNumber(polar.header.re)};
        for (Json& value : rowValues(p)) row.push_back(std::move(value));
        lines += csvLine(row);
    }
    return lines;
}

}  // namespace aerolune::cli
