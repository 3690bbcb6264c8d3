// --format json and --format csv of analyse, polar and report: the JSON read
// back by a JSON library and every figure checked against the text output
// of the same run, the CSV against the JSON.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

// Keys in the order written: the CSV columns follow it.
using json = nlohmann::ordered_json;
using test::CliRun;
using test::runCli;

std::vector<std::string> outputLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// One CSV line's cells; quoted cells may hold commas and doubled quotes.
std::vector<std::string> csvCells(const std::string& line) {
    std::vector<std::string> cells{""};
    bool quoted = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (quoted && c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
            cells.back() += '"';
            ++k;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

json parseJson(const CliRun& run) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one object on one line";
    return json::parse(run.out);  // throws, failing the test, on anything that is not JSON
}

// A CSV cell against the JSON value it stands for: the same text for a
// string, the same number (the digits are the same), empty for null.
void expectCellIs(const std::string& cell, const json& value, const std::string& what) {
    if (value.is_null()) {
        EXPECT_EQ(cell, "") << what;
    } else if (value.is_string()) {
        EXPECT_EQ(cell, value.get<std::string>()) << what;
    } else if (value.is_boolean()) {
        EXPECT_EQ(cell, value.get<bool>() ? "true" : "false") << what;
    } else {
        EXPECT_EQ(std::strtod(cell.c_str(), nullptr), value.get<double>()) << what;
    }
}

// The text output's names and the JSON keys they become: the unit joins the
// name where the figure is not a coefficient.
const std::map<std::string, std::string> kKeyOfName = {
    {"alpha_zero_lift", "alpha_zero_lift_deg"},
    {"centre_of_pressure", "centre_of_pressure_pct_chord"},
    {"effective_alpha", "effective_alpha_deg"},
    {"transition_upper_x", "transition_upper_x_chords"},
    {"transition_lower_x", "transition_lower_x_chords"},
    {"separation_upper_x", "separation_upper_x_chords"},
    {"separation_lower_x", "separation_lower_x_chords"},
    {"transition_upper_x_bl", "transition_upper_x_bl_chords"},
    {"transition_lower_x_bl", "transition_lower_x_bl_chords"},
};

TEST(CliFormats, AnalyseJsonHoldsEveryFigureOfTheTextOutput) {
    for (const std::string args :
         {"analyse --naca 2412 --alpha 4 --points 80",
          "analyse --naca 0012 --alpha 0 --bl --flap-length 20 --flap-deflection 5"}) {
        const CliRun text = runCli(args);
        ASSERT_EQ(text.status, 0) << text.err;
        const json doc = parseJson(runCli(args + " --format json"));
        const json& inputs = doc.at("inputs");
        const json& results = doc.at("results");
        EXPECT_TRUE(doc.at("notices").is_array());
        std::size_t compared = 0;
        for (const std::string& line : outputLines(text.out)) {
            const std::string name = line.substr(0, line.find(" = "));
            const std::string value = line.substr(line.find(" = ") + 3);
            if (name == "section") {
                EXPECT_EQ(inputs.at("section"), value);
            } else if (name == "alpha" || name == "points") {
                EXPECT_EQ(inputs.at(name == "alpha" ? "alpha_deg" : "points").get<double>(),
                          std::stod(value));
            } else {
                const auto renamed = kKeyOfName.find(name);
                const json& v = results.at(renamed == kKeyOfName.end() ? name : renamed->second);
                if (value == "none" || value == "N/A")
                    EXPECT_TRUE(v.is_null()) << name;
                else if (name == "stalled")
                    EXPECT_EQ(v.get<bool>(), value == "1");
                else  // the same 9 significant digits: equal as read
                    EXPECT_EQ(v.get<double>(), std::stod(value)) << name;
            }
            ++compared;
        }
        EXPECT_EQ(compared, results.size() + 3) << "every result is in both";
    }
}

TEST(CliFormats, AnalyseCsvIsOneRowOfTheJsonFigures) {
    const std::string args = "analyse --naca 4412 --alpha 6 --re 3e6 --model semi";
    const json doc = parseJson(runCli(args + " --format json"));
    const CliRun csv = runCli(args + " --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> lines = outputLines(csv.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> header = csvCells(lines[0]), row = csvCells(lines[1]);
    ASSERT_EQ(header.size(), row.size());
    std::vector<std::pair<std::string, json>> expected;
    for (const auto& part : {doc.at("inputs"), doc.at("results")})
        for (const auto& [key, value] : part.items()) expected.emplace_back(key, value);
    ASSERT_EQ(header.size(), expected.size());
    for (std::size_t k = 0; k < header.size(); ++k) {
        EXPECT_EQ(header[k], expected[k].first);
        expectCellIs(row[k], expected[k].second, header[k]);
    }
    EXPECT_EQ(doc.at("inputs").at("model"), "semi");
    EXPECT_EQ(doc.at("inputs").at("reynolds").get<double>(), 3e6);
}

// The polar export's columns and the rounding of their pictures: a JSON
// figure is within half the text's last printed digit of the text's.
struct PolarColumn {
    const char* key;
    double textScale;  ///< text = JSON x this (per cent chord for transitions)
    double halfDigit;
};
constexpr PolarColumn kPolarColumns[] = {
    {"alpha_deg", 1, 0.005},
    {"cl", 1, 0.5e-5},
    {"cd", 1, 0.5e-6},
    {"cm_c4", 1, 0.5e-6},
    {"transition_upper_x_chords", 100, 0.005},
    {"transition_lower_x_chords", 100, 0.005},
};

TEST(CliFormats, PolarJsonRowsAreTheTextPolarsPointsAndCsvTheirTable) {
    const std::string args = "polar --naca 2412 --re 1e6 --points 80";
    const CliRun text = runCli(args);
    ASSERT_EQ(text.status, 0) << text.err;
    const json doc = parseJson(runCli(args + " --format json"));
    const json& rows = doc.at("results").at("rows");
    const std::vector<std::string> lines = outputLines(text.out);
    ASSERT_EQ(lines.size(), 3 + rows.size());
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(doc.at("inputs").at("section"), "2412");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::istringstream fields(lines[3 + r]);
        for (const PolarColumn& c : kPolarColumns) {
            double printed = 0;
            fields >> printed;
            const double figure = rows[r].at(c.key).get<double>() * c.textScale;
            // 1e-9 more: the JSON figure's own rounding to 9 digits.
            EXPECT_NEAR(figure, printed, c.halfDigit * (1 + 1e-9) + 1e-9) << c.key << " row " << r;
        }
    }

    const CliRun csv = runCli(args + " --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> table = outputLines(csv.out);
    ASSERT_EQ(table.size(), rows.size() + 1);
    const std::vector<std::string> header = csvCells(table[0]);
    EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 3),
              (std::vector<std::string>{"section", "file", "reynolds"}));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> cells = csvCells(table[r + 1]);
        ASSERT_EQ(cells.size(), header.size());
        EXPECT_EQ(cells[0], "2412");
        EXPECT_EQ(cells[1], "");
        EXPECT_EQ(std::strtod(cells[2].c_str(), nullptr), 1e6);
        for (std::size_t k = 3; k < header.size(); ++k)
            expectCellIs(cells[k], rows[r].at(header[k]), header[k]);
    }
}

TEST(CliFormats, ReportJsonHoldsTheReportsFiguresByMethod) {
    const std::string args = "report --naca 4412 --alpha 6";
    const CliRun text = runCli(args);
    ASSERT_EQ(text.status, 0) << text.err;
    const json doc = parseJson(runCli(args + " --format json"));
    const json& results = doc.at("results");
    EXPECT_EQ(doc.at("inputs").at("alpha_deg").get<double>(), 6.0);
    // The text's rows and the JSON keys they hold; the columns are the
    // methods in the report's order.
    const std::pair<const char*, const char*> rows[] = {{"Lift Coeff", "cl"},
                                                        {"Cm (L.E.)", "cm_le"},
                                                        {"Cm (c/4)", "cm_c4"},
                                                        {"Angle (Cl=0)", "alpha_zero_lift_deg"},
                                                        {"Cent. of Pres", "centre_of_pressure_pct_chord"},
                                                        {"Drag Coefficient", "cd"}};
    const char* methods[] = {"thin_airfoil", "panel", "panel_boundary_layer"};
    const std::vector<std::string> lines = outputLines(text.out);
    for (const auto& [label, key] : rows) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.find(label) != std::string::npos;
        });
        ASSERT_NE(line, lines.end()) << label;
        std::istringstream cells(line->substr(line->find(label) + std::string(label).size()));
        for (const char* method : methods) {
            std::string cell;
            cells >> cell;
            if (cell == "Not" || cell == "N/A") {
                if (cell == "Not") cells >> cell;  // "Not Comp."
                EXPECT_TRUE(results.at(method).at(key).is_null()) << method << " " << key;
                continue;
            }
            if (cells.peek() == ' ' && (key == std::string("alpha_zero_lift_deg") ||
                                        key == std::string("centre_of_pressure_pct_chord"))) {
                std::string unit;  // "-4.23 Deg.", "34 %c" in the thin-airfoil column
                if (std::string(method) == "thin_airfoil") cells >> unit;
            }
            // The report prints at most 4 decimals (2 for the angle, whole
            // per cent for the centre of pressure): within half the last digit.
            const double halfDigit = key == std::string("centre_of_pressure_pct_chord") ? 0.5
                                     : key == std::string("alpha_zero_lift_deg")        ? 0.005
                                     : key == std::string("cd")                         ? 0.5e-6
                                                                                        : 0.5e-3;
            EXPECT_NEAR(results.at(method).at(key).get<double>(), std::strtod(cell.c_str(), nullptr),
                        halfDigit + 1e-9)
                << method << " " << key;
        }
    }
    const CliRun csv = runCli(args + " --format csv");
    const std::vector<std::string> table = outputLines(csv.out);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], "method,cl,cm_le,cm_c4,alpha_zero_lift_deg,centre_of_pressure_pct_chord,cd");
    for (std::size_t m = 0; m < 3; ++m) {
        const std::vector<std::string> cells = csvCells(table[m + 1]);
        EXPECT_EQ(cells[0], methods[m]);
        const std::vector<std::string> header = csvCells(table[0]);
        for (std::size_t k = 1; k < header.size(); ++k)
            expectCellIs(cells[k], results.at(methods[m]).at(header[k]), header[k]);
    }
}

TEST(CliFormats, TheDefaultIsTheTextOutputAndAnUnknownFormatAUsageError) {
    for (const std::string args :
         {"analyse --naca 2412 --alpha 3", "report --naca 2412", "polar --points 40"})
        EXPECT_EQ(runCli(args).out, runCli(args + " --format text").out) << args;
    test::expectUsageError("analyse --format xml", "--format");
    test::expectUsageError("polar --format", "--format");
}

}  // namespace
}  // namespace aerolune
