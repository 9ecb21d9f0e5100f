#include "report/RecordedReport.h"

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "calc/ResultColumns.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

using Json = nlohmann::ordered_json;

double Number(const wchar_t* text) {
    return ParseDouble(text);
}

std::wstring Text(const pugi::xml_node& node, const wchar_t* child) {
    return node.child(child).text().get();
}

RecordedFile FileOf(const pugi::xml_node& node) {
    return {Text(node, L"file"), ToUtf8(Text(node, L"sha256"))};
}

Assay ChromatogramOf(const pugi::xml_node& node) {
    Assay assay;
    assay.id = node.child(L"id").text().as_int();
    assay.isTicked = Text(node, L"ticked") == L"да" ? 1 : 0;
    assay.fileName = Text(node, L"file");
    assay.fileSha256 = ToUtf8(Text(node, L"sha256"));
    assay.sample = Text(node, L"sample");
    assay.date = node.child(L"date").text().as_llong();
    assay.sampleMass = Number(node.child(L"sample_mass").text().get());
    for (const pugi::xml_node& element : node.children(L"peak")) {
        Peak peak;
        peak.name = Text(element, L"name");
        const std::wstring concentration = Text(element, L"concentration");
        peak.concentrationGiven = !concentration.empty();
        peak.concentration = Number(concentration.c_str());
        assay.peaks.push_back(peak);
    }
    return assay;
}

std::optional<RecordedReport> FromXml(const std::string& bytes, std::wstring& error) {
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8)) {
        error = L"документ отчёта не читается как XML";
        return std::nullopt;
    }
    const pugi::xml_node root = document.child(L"Document");
    const pugi::xml_node inputs = root.child(L"inputs");
    if (!inputs) {
        error = L"в отчёте нет исходных данных (он сделан прежней версией)";
        return std::nullopt;
    }
    RecordedReport report;
    report.standard = Text(inputs, L"standard");
    report.sampleDensity = Number(inputs.child(L"sample_density").text().get());
    for (const pugi::xml_node& node : inputs.children(L"component")) {
        Component component{node.child(L"id").text().as_int(),
                            Text(node, L"peak_name"),
                            Text(node, L"name"),
                            Number(node.child(L"molar_mass").text().get()),
                            Number(node.child(L"density").text().get()),
                            node.child(L"oxygen_atoms").text().as_int(1)};
        report.components.push_back(component);
    }
    report.database = Text(inputs, L"database");
    for (const pugi::xml_node& node : inputs.children(L"chromatogram"))
        report.chromatograms.push_back(ChromatogramOf(node));
    if (const pugi::xml_node node = inputs.child(L"components_file")) report.componentsFile = FileOf(node);
    if (const pugi::xml_node node = inputs.child(L"limits_file")) report.limitsFile = FileOf(node);
    if (const pugi::xml_node node = inputs.child(L"stylesheet")) report.stylesheet = FileOf(node);
    // The result table: every row but the separator and the totals, cells by position.
    std::vector<pugi::xml_node> rows;
    for (const pugi::xml_node& row : root.child(L"calc_table").children(L"fill_data")) rows.push_back(row);
    for (size_t i = 0; i + 2 < rows.size(); ++i) {
        RecordedReport::Row row;
        size_t cell = 0;
        for (const pugi::xml_node& value : rows[i].children()) {
            if (cell == 1) row.name = value.text().get();
            if (cell >= 2) row.values.push_back(value.text().get());
            ++cell;
        }
        report.results.push_back(row);
    }
    if (rows.size() >= 2) {
        size_t cell = 0;
        for (const pugi::xml_node& value : rows.back().children()) {
            if (cell++ >= 2) report.sums.push_back(value.text().get());
        }
    }
    report.totalOxygen = Text(root, L"oxygen");
    for (const pugi::xml_node& limit : root.child(L"limits").children(L"limit"))
        report.verdicts.emplace_back(Text(limit, L"name"), Text(limit, L"verdict"));
    return report;
}

std::wstring Wide(const Json& value) {
    return value.is_string() ? FromUtf8(value.get<std::string>()) : std::wstring();
}

RecordedFile FileOf(const Json& value) {
    return {Wide(value["file"]),
            value["sha256"].is_string() ? value["sha256"].get<std::string>() : std::string()};
}

// A number as the report printed it: four decimals, or empty for null.
std::wstring Printed(const Json& value, int decimals) {
    return value.is_number() ? FormatFixed(value.get<double>(), decimals) : std::wstring();
}

std::wstring VerdictText(const std::string& key) {
    if (key == "conforms") return L"соответствует";
    if (key == "exceeds") return L"превышает";
    return L"не определено";
}

std::optional<RecordedReport> FromJson(const std::string& bytes, std::wstring& error) {
    const Json json = Json::parse(bytes, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        error = L"отчёт для программ не читается как JSON";
        return std::nullopt;
    }
    if (!json.contains("inputs") || !json["inputs"].is_object()) {
        error = L"в отчёте нет исходных данных (он сделан прежней версией)";
        return std::nullopt;
    }
    try {
        const Json& inputs = json["inputs"];
        RecordedReport report;
        report.standard = Wide(inputs["standard"]);
        report.sampleDensity = inputs["sample_density"].get<double>();
        for (const Json& c : inputs["components"]) {
            report.components.push_back({c["id"].get<int32_t>(), Wide(c["peak_name"]), Wide(c["name"]),
                                         c["molar_mass"].is_number() ? c["molar_mass"].get<double>() : 0.0,
                                         c["density"].is_number() ? c["density"].get<double>() : 0.0,
                                         c["oxygen_atoms"].get<int32_t>()});
        }
        report.database = Wide(inputs["database"]);
        for (const Json& c : inputs["chromatograms"]) {
            Assay assay;
            assay.id = c["id"].get<int32_t>();
            assay.isTicked = c["ticked"].get<bool>() ? 1 : 0;
            assay.fileName = Wide(c["file"]);
            assay.fileSha256 = c["sha256"].is_string() ? c["sha256"].get<std::string>() : std::string();
            assay.sample = Wide(c["sample"]);
            assay.date = c["date"].get<int64_t>();
            assay.sampleMass = c["sample_mass"].get<double>();
            for (const Json& p : c["peaks"]) {
                Peak peak;
                peak.name = Wide(p["name"]);
                peak.concentrationGiven = p["concentration"].is_number();
                peak.concentration = peak.concentrationGiven ? p["concentration"].get<double>() : 0.0;
                assay.peaks.push_back(peak);
            }
            report.chromatograms.push_back(assay);
        }
        if (inputs["components_file"].is_object()) report.componentsFile = FileOf(inputs["components_file"]);
        if (inputs["limits_file"].is_object()) report.limitsFile = FileOf(inputs["limits_file"]);
        if (inputs["stylesheet"].is_object()) report.stylesheet = FileOf(inputs["stylesheet"]);
        for (const Json& r : json["results"]) {
            RecordedReport::Row row{Wide(r["name"]), {}};
            for (const ResultColumn& column : kResultColumns)
                row.values.push_back(Printed(r[column.key], column.decimals));
            report.results.push_back(row);
        }
        for (const ResultColumn& column : kResultColumns)
            report.sums.push_back(Printed(json["totals"][column.key], column.decimals));
        const bool undetermined = json.contains("total_oxygen_determined") &&
                                  json["total_oxygen_determined"].is_boolean() &&
                                  !json["total_oxygen_determined"].get<bool>();
        report.totalOxygen = undetermined ? L"не определено" : Printed(json["total_oxygen_mass_percent"], 4);
        if (json["limits"].is_object()) {
            for (const Json& limit : json["limits"]["limits"])
                report.verdicts.emplace_back(Wide(limit["name"]),
                                             VerdictText(limit["verdict"].get<std::string>()));
        }
        return report;
    } catch (const Json::exception&) {
        error = L"в отчёте для программ не хватает исходных данных или они не того вида";
        return std::nullopt;
    }
}

}  // namespace

std::optional<RecordedReport> ReadRecordedReport(const std::wstring& path, std::wstring& error) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        error = L"файл отчёта «" + path + L"» не читается";
        return std::nullopt;
    }
    const size_t first = bytes->find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first != std::string::npos && (*bytes)[first] == '{') return FromJson(*bytes, error);
    return FromXml(*bytes, error);
}
