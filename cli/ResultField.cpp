#include "cli/ResultField.h"

#include "cli/CliSeam.h"

namespace aerolune::cli {

ResultField numberField(const std::string& name, const std::string& key, double value) {
    return {name, key, plainDecimal(value), jsonNumber(value)};
}

ResultField optionalField(const std::string& name, const std::string& key, const std::optional<double>& value,
                          const std::string& absent) {
    return value ? numberField(name, key, *value) : ResultField{name, key, absent, nullptr};
}

ResultField textField(const std::string& name, const std::string& key, const std::string& value) {
    return {name, key, value, value};
}

ResultField flagField(const std::string& name, const std::string& key, bool value) {
    return {name, key, value ? "1" : "0", value};
}

void printNameValues(std::ostream& out, const std::vector<ResultField>& fields) {
    for (const ResultField& f : fields) out << f.name << " = " << f.text << '\n';
}

Json fieldsObject(const std::vector<ResultField>& fields) {
    Json object = Json::object();
    for (const ResultField& f : fields) object[f.key] = f.value;
    return object;
}

std::vector<Json> fieldKeys(const std::vector<ResultField>& fields) {
    std::vector<Json> keys;
    for (const ResultField& f : fields) keys.emplace_back(f.key);
    return keys;
}

std::vector<Json> fieldValues(const std::vector<ResultField>& fields) {
    std::vector<Json> values;
    for (const ResultField& f : fields) values.push_back(f.value);
    return values;
}

}  // namespace aerolune::cli
