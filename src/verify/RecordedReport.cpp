#include "verify/RecordedReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <set>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "messages/Languages.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "report/ReportJson.h"
#include "verify/ReportSyntax.h"

namespace {

using Json = nlohmann::ordered_json;

// What is wrong with a report as read: the first key or element that is missing or not of its kind.
struct FormatError {
    Message what;
};

const wchar_t* const kCircumstances[] = {
    L"components_last_read", L"components_not_read", L"table_changed_outside", L"table_log_unwritable",
    L"table_log_broken",     L"new_default_table",   L"ticks_not_counted"};

// The ranges every recorded value can take: a zone's offset from UTC (UTC−12:00 to UTC+14:00), an id of the
// host's database, a change log's entries, a batch's series gap (as oxycalc-cli takes it). A value beyond
// them was not written by the program.
constexpr int64_t kWestmostOffsetMinutes = -12 * 60;
constexpr int64_t kEastmostOffsetMinutes = 14 * 60;
constexpr int64_t kLargestId = 2147483647;
constexpr int64_t kMostLogEntries = 1000000000;
constexpr double kLongestSeriesGapHours = 24 * 365;

[[noreturn]] void Missing(const std::string& at) {
    throw FormatError{Message(MessageCode::ReportLacks, {FromUtf8(at)})};
}

[[noreturn]] void WrongKind(const std::string& at, Message expected) {
    throw FormatError{Message(MessageCode::ReportWrongKind, {FromUtf8(at), Nested(std::move(expected))})};
}

// "«да» или «нет»", "«ru» или «en»": the texts a value may be.
Message EitherOf(const std::vector<std::wstring>& texts) {
    std::wstring some;
    for (size_t i = 0; i + 1 < texts.size(); ++i) some += (some.empty() ? L"" : L"», «") + texts[i];
    return Message(MessageCode::KindEitherOf, {some, texts.back()});
}

// ---- JSON: every member read is looked up with `at`, its path, so that an error names it.

const Json& Member(const Json& object, const char* key, const std::string& at) {
    const std::string path = at.empty() ? key : at + "." + key;
    if (!object.is_object()) WrongKind(at, MessageCode::KindObject);
    const auto found = object.find(key);
    if (found == object.end()) Missing(path);
    return *found;
}

std::string Path(const std::string& at, const char* key) {
    return at.empty() ? key : at + "." + key;
}

std::wstring String(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (!value.is_string()) WrongKind(Path(at, key), MessageCode::KindString);
    return FromUtf8(value.get<std::string>());
}

// A string or null (empty).
std::string OptionalString(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (value.is_null()) return "";
    if (!value.is_string()) WrongKind(Path(at, key), MessageCode::KindString);
    return value.get<std::string>();
}

double Number(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (!value.is_number()) WrongKind(Path(at, key), MessageCode::KindNumber);
    return value.get<double>();
}

int64_t Integer(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (!value.is_number_integer()) WrongKind(Path(at, key), MessageCode::KindInteger);
    return value.get<int64_t>();
}

bool Boolean(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (!value.is_boolean()) WrongKind(Path(at, key), MessageCode::KindBoolean);
    return value.get<bool>();
}

const Json& Array(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (!value.is_array()) WrongKind(Path(at, key), MessageCode::KindArray);
    return value;
}

// An object or null.
const Json* OptionalObject(const Json& object, const char* key, const std::string& at) {
    const Json& value = Member(object, key, at);
    if (value.is_null()) return nullptr;
    if (!value.is_object()) WrongKind(Path(at, key), MessageCode::KindObject);
    return &value;
}

[[noreturn]] void OutOfRange(const std::string& at) {
    throw FormatError{Message(MessageCode::ReportOutOfRange, {FromUtf8(at)})};
}

int64_t InRange(int64_t value, int64_t lowest, int64_t highest, const std::string& at) {
    if (value < lowest || value > highest) OutOfRange(at);
    return value;
}

// A SHA-256 as the program writes it: 64 lowercase hexadecimal digits, or nothing for a file not read.
std::string Checksum(std::string text, const std::string& at) {
    const bool hex = text.find_first_not_of("0123456789abcdef") == std::string::npos;
    if (!text.empty() && (text.size() != 64 || !hex)) WrongKind(at, MessageCode::KindSha256);
    return text;
}

// Where a log stood: no entries and no digest, or some and the digest of the last.
void CheckAnchor(const TableVersion& version, const std::string& at) {
    if ((version.logEntries == 0) != version.logLastEntrySha256.empty()) OutOfRange(at + ".log_entries");
}

std::string Item(const std::string& at, size_t index) {
    return at + "[" + std::to_string(index) + "]";
}

RecordedFile FileOf(const Json& file, const std::string& at) {
    return {String(file, "file", at), Checksum(OptionalString(file, "sha256", at), Path(at, "sha256"))};
}

std::optional<RecordedFile> OptionalFile(const Json& inputs, const char* key) {
    const Json* file = OptionalObject(inputs, key, "inputs");
    if (file == nullptr) return std::nullopt;
    return FileOf(*file, Path("inputs", key));
}

RecordedTable TableOf(const Json& table, const std::string& at) {
    RecordedTable recorded{FileOf(table, at), {}};
    recorded.version.sha256 = recorded.file.sha256;
    recorded.version.loggedAt = FromUtf8(OptionalString(table, "logged", at));
    const int64_t entries = Integer(table, "log_entries", at);
    if (entries < 0) WrongKind(Path(at, "log_entries"), MessageCode::KindEntryCount);
    recorded.version.logEntries =
        static_cast<size_t>(InRange(entries, 0, kMostLogEntries, Path(at, "log_entries")));
    recorded.version.logLastEntrySha256 =
        Checksum(OptionalString(table, "log_last_entry_sha256", at), Path(at, "log_last_entry_sha256"));
    CheckAnchor(recorded.version, at);
    return recorded;
}

ReportOrigin::Maker MakerOf(const std::wstring& text, const std::string& at) {
    if (text == L"plugin") return ReportOrigin::Maker::Plugin;
    if (text == L"report") return ReportOrigin::Maker::Report;
    if (text == L"batch") return ReportOrigin::Maker::Batch;
    WrongKind(at, MessageCode::KindMaker);
}

// The report's language; a report that does not name one is Russian, as every report was before.
Language LanguageOf(const std::wstring& key, const std::string& at) {
    if (key.empty()) return Language::Russian;
    const std::optional<Language> language = LanguageOfKey(key);
    if (!language) WrongKind(at, EitherOf(LanguageKeys()));
    return *language;
}

void ReadJsonInputs(const Json& inputs, RecordedReport& report) {
    const std::string at = "inputs";
    report.origin.maker = MakerOf(String(inputs, "made_by", at), "inputs.made_by");
    report.standard = String(inputs, "standard", at);
    report.sampleDensity = Number(inputs, "sample_density", at);
    report.sampleDensityGiven = Boolean(inputs, "sample_density_given", at);
    report.utcOffsetMinutes =
        static_cast<int32_t>(InRange(Integer(inputs, "utc_offset_minutes", at), kWestmostOffsetMinutes,
                                     kEastmostOffsetMinutes, Path(at, "utc_offset_minutes")));
    report.language = LanguageOf(FromUtf8(OptionalString(inputs, "language", at)), at + ".language");
    if (inputs.contains("utc_offsets")) {
        const Json& offsets = Array(inputs, "utc_offsets", at);
        for (size_t i = 0; i < offsets.size(); ++i) {
            const std::string item = Item(Path(at, "utc_offsets"), i);
            report.utcOffsets[Integer(offsets[i], "moment", item)] =
                static_cast<int32_t>(InRange(Integer(offsets[i], "minutes", item), kWestmostOffsetMinutes,
                                             kEastmostOffsetMinutes, Path(item, "minutes")));
        }
    }
    report.database = String(inputs, "database", at);
    const Json& chromatograms = Array(inputs, "chromatograms", at);
    for (size_t i = 0; i < chromatograms.size(); ++i) {
        const Json& c = chromatograms[i];
        const std::string item = Item("inputs.chromatograms", i);
        report.chromatograms.push_back(
            {static_cast<int32_t>(InRange(Integer(c, "id", item), 0, kLargestId, Path(item, "id"))),
             Boolean(c, "ticked", item), FileOf(c, item), Integer(c, "date", item),
             String(c, "sample", item)});
    }
    report.componentsFile = TableOf(Member(inputs, "components_file", at), "inputs.components_file");
    if (const Json* limits = OptionalObject(inputs, "limits_file", at))
        report.limitsFile = TableOf(*limits, "inputs.limits_file");
    report.stylesheet = OptionalFile(inputs, "stylesheet");
    if (const std::optional<RecordedFile> densities = OptionalFile(inputs, "densities_file"))
        report.origin.densitiesFile = ReportInput{densities->path, densities->sha256};
    const Json& gap = Member(inputs, "series_gap_hours", at);
    if (!gap.is_null()) report.origin.seriesGapHours = Number(inputs, "series_gap_hours", at);
    if (report.origin.seriesGapHours &&
        !(*report.origin.seriesGapHours > 0 && *report.origin.seriesGapHours <= kLongestSeriesGapHours))
        OutOfRange(Path(at, "series_gap_hours"));
    if (const Json* qc = OptionalObject(inputs, "qc_file", at)) {
        report.qcFile = TableOf(*qc, "inputs.qc_file");
        report.origin.qcFile = ReportTable{report.qcFile->file.path, report.qcFile->version};
    }
}

void ReadJsonWarnings(const Json& json, RecordedReport& report) {
    const Json& warnings = Array(json, "warnings", "");
    for (size_t i = 0; i < warnings.size(); ++i) {
        const std::string item = Item("warnings", i);
        const std::wstring kind = String(warnings[i], "kind", item);
        if (!IsReadCircumstance(kind)) continue;
        report.circumstances.push_back({kind, String(warnings[i], "subject", item),
                                        String(warnings[i], "detail", item),
                                        String(warnings[i], "chromatograms", item)});
    }
}

int64_t UtcMoment(const std::string& text, const std::string& at) {
    if (text.empty()) return 0;
    const std::optional<int64_t> moment = ParseUtcIsoText(FromUtf8(text));
    if (!moment) WrongKind(at, MessageCode::KindUtcTime);
    return *moment;
}

ReportRegistration::Status StatusOf(const std::wstring& text, const std::string& at) {
    const ReportRegistration::Status status = RegistrationStatusOfKey(ToUtf8(text));
    if (status == ReportRegistration::Status::None)
        WrongKind(at, EitherOf({L"draft", L"issued", L"amended", L"withdrawn"}));
    return status;
}

bool WithdrawnOf(const std::wstring& text, const std::string& at) {
    if (text != L"amended" && text != L"withdrawn") WrongKind(at, EitherOf({L"amended", L"withdrawn"}));
    return text == L"withdrawn";
}

// A draft has no number; an issued report has one, and names the register's entry that gave it.
void CheckRegistration(const ReportRegistration& registration, const std::string& at) {
    const bool draft = registration.status == ReportRegistration::Status::Draft;
    if (draft != registration.number.empty()) OutOfRange(at);
    if (!draft && (registration.entry == 0 || registration.registerFile.empty())) OutOfRange(at);
}

std::optional<ReportLink> JsonLink(const Json& json, const char* key) {
    const Json* link = OptionalObject(json, key, "");
    if (link == nullptr) return std::nullopt;
    ReportLink recorded;
    recorded.number = String(*link, "report_number", key);
    recorded.issuedAt = UtcMoment(OptionalString(*link, "issued_utc", key), Path(key, "issued_utc"));
    recorded.withdrawn = WithdrawnOf(String(*link, "status", key), Path(key, "status"));
    recorded.reason = String(*link, "reason", key);
    return recorded;
}

// Where the report stood in the register; a report of a lab that kept none has no status.
void ReadJsonRegistration(const Json& json, RecordedReport& report) {
    if (!json.contains("status")) return;
    ReportRegistration registration;
    registration.status = StatusOf(String(json, "status", ""), "status");
    registration.number = FromUtf8(OptionalString(json, "report_number", ""));
    registration.issuedAt = UtcMoment(OptionalString(json, "issued_utc", ""), "issued_utc");
    registration.issuedBy = FromUtf8(OptionalString(json, "issued_by", ""));
    registration.supersedes = JsonLink(json, "supersedes");
    registration.supersededBy = JsonLink(json, "superseded_by");
    if (const Json* entry = OptionalObject(json, "register", "")) {
        registration.registerFile = String(*entry, "file", "register");
        registration.entry = static_cast<size_t>(
            InRange(Integer(*entry, "entry", "register"), 1, kMostLogEntries, "register.entry"));
        registration.previousEntrySha256 = Checksum(
            OptionalString(*entry, "previous_entry_sha256", "register"), "register.previous_entry_sha256");
    }
    CheckRegistration(registration, "register");
    report.registration = registration;
}

void ReadJson(RecordedReport& report) {
    if (const std::optional<Message> problem = JsonReportProblem(report.bytes)) throw FormatError{*problem};
    const Json json = Json::parse(report.bytes, nullptr, false);
    if (json.is_discarded() || !json.is_object()) throw FormatError{MessageCode::ReportNotJson};
    if (String(json, "format", "") != L"oxycalc-report") throw FormatError{MessageCode::ReportNotOxycalc};
    const int64_t version = Integer(json, "format_version", "");
    if (version != kReportFormatVersion) {
        throw FormatError{Message(version < kReportFormatVersion ? MessageCode::ReportOlderVersion
                                                                 : MessageCode::ReportOtherVersion,
                                  {version, int64_t{kReportFormatVersion}})};
    }
    const std::string created = OptionalString(json, "created_utc", "");
    if (!created.empty()) {
        const std::optional<int64_t> moment = ParseUtcIsoText(FromUtf8(created));
        if (!moment) WrongKind("created_utc", MessageCode::KindUtcTime);
        report.createdAt = *moment;
    }
    ReadJsonInputs(Member(json, "inputs", ""), report);
    ReadJsonWarnings(json, report);
    ReadJsonRegistration(json, report);
}

// ---- XML: every element read is looked up with its path.

pugi::xml_node Child(const pugi::xml_node& node, const char* name, const std::string& at) {
    const pugi::xml_node child = node.child(FromUtf8(name).c_str());
    if (!child) Missing(at + "/" + name);
    return child;
}

std::wstring TextOf(const pugi::xml_node& node, const char* name, const std::string& at) {
    return ElementText(Child(node, name, at));
}

double NumberOf(const pugi::xml_node& node, const char* name, const std::string& at) {
    const std::optional<double> number = ReadWholeNumber(TextOf(node, name, at));
    if (!number) WrongKind(at + "/" + name, MessageCode::KindNumber);
    return *number;
}

int64_t IntegerOf(const pugi::xml_node& node, const char* name, const std::string& at) {
    const std::wstring text = TextOf(node, name, at);
    errno = 0;
    wchar_t* end = nullptr;
    const long long value = std::wcstoll(text.c_str(), &end, 10);
    if (text.empty() || end == nullptr || *end != L'\0' || errno != 0)
        WrongKind(at + "/" + name, MessageCode::KindInteger);
    return value;
}

bool YesNo(const pugi::xml_node& node, const char* name, const std::string& at) {
    const std::wstring text = TextOf(node, name, at);
    if (text != L"да" && text != L"нет") WrongKind(at + "/" + name, EitherOf({L"да", L"нет"}));
    return text == L"да";
}

RecordedFile XmlFileOf(const pugi::xml_node& node, const std::string& at) {
    return {TextOf(node, "file", at), Checksum(ToUtf8(TextOf(node, "sha256", at)), at + "/sha256")};
}

RecordedTable XmlTableOf(const pugi::xml_node& node, const std::string& at) {
    RecordedTable recorded{XmlFileOf(node, at), {}};
    recorded.version.sha256 = recorded.file.sha256;
    recorded.version.loggedAt = TextOf(node, "logged", at);
    const int64_t entries = IntegerOf(node, "log_entries", at);
    if (entries < 0) WrongKind(at + "/log_entries", MessageCode::KindEntryCount);
    recorded.version.logEntries =
        static_cast<size_t>(InRange(entries, 0, kMostLogEntries, at + "/log_entries"));
    recorded.version.logLastEntrySha256 =
        Checksum(ToUtf8(TextOf(node, "log_last_entry_sha256", at)), at + "/log_last_entry_sha256");
    CheckAnchor(recorded.version, at);
    return recorded;
}

std::optional<ReportInput> XmlOptionalFile(const pugi::xml_node& inputs, const char* name) {
    const pugi::xml_node node = inputs.child(FromUtf8(name).c_str());
    if (!node) return std::nullopt;
    const RecordedFile file = XmlFileOf(node, std::string("Document/inputs/") + name);
    return ReportInput{file.path, file.sha256};
}

void ReadXmlInputs(const pugi::xml_node& inputs, RecordedReport& report) {
    const std::string at = "Document/inputs";
    report.origin.maker = MakerOf(TextOf(inputs, "made_by", at), at + "/made_by");
    report.standard = TextOf(inputs, "standard", at);
    report.sampleDensity = NumberOf(inputs, "sample_density", at);
    report.sampleDensityGiven = YesNo(inputs, "sample_density_given", at);
    report.utcOffsetMinutes =
        static_cast<int32_t>(InRange(IntegerOf(inputs, "utc_offset_minutes", at), kWestmostOffsetMinutes,
                                     kEastmostOffsetMinutes, at + "/utc_offset_minutes"));
    report.language = LanguageOf(ElementText(inputs.child(L"language")), at + "/language");
    size_t offsetIndex = 0;
    for (const pugi::xml_node& node : inputs.children(L"utc_offset")) {
        const std::string item = at + "/utc_offset[" + std::to_string(++offsetIndex) + "]";
        report.utcOffsets[IntegerOf(node, "moment", item)] =
            static_cast<int32_t>(InRange(IntegerOf(node, "minutes", item), kWestmostOffsetMinutes,
                                         kEastmostOffsetMinutes, item + "/minutes"));
    }
    report.database = TextOf(inputs, "database", at);
    size_t index = 0;
    for (const pugi::xml_node& node : inputs.children(L"chromatogram")) {
        const std::string item = at + "/chromatogram[" + std::to_string(++index) + "]";
        report.chromatograms.push_back(
            {static_cast<int32_t>(InRange(IntegerOf(node, "id", item), 0, kLargestId, item + "/id")),
             YesNo(node, "ticked", item), XmlFileOf(node, item), IntegerOf(node, "date", item),
             TextOf(node, "sample", item)});
    }
    report.componentsFile = XmlTableOf(Child(inputs, "components_file", at), at + "/components_file");
    if (const pugi::xml_node limits = inputs.child(L"limits_file"))
        report.limitsFile = XmlTableOf(limits, at + "/limits_file");
    if (const std::optional<ReportInput> stylesheet = XmlOptionalFile(inputs, "stylesheet"))
        report.stylesheet = RecordedFile{stylesheet->path, stylesheet->sha256};
    report.origin.densitiesFile = XmlOptionalFile(inputs, "densities_file");
    if (inputs.child(L"series_gap_hours"))
        report.origin.seriesGapHours = NumberOf(inputs, "series_gap_hours", at);
    if (report.origin.seriesGapHours &&
        !(*report.origin.seriesGapHours > 0 && *report.origin.seriesGapHours <= kLongestSeriesGapHours))
        OutOfRange(at + "/series_gap_hours");
    if (const pugi::xml_node qc = inputs.child(L"qc_file")) {
        report.qcFile = XmlTableOf(qc, at + "/qc_file");
        report.origin.qcFile = ReportTable{report.qcFile->file.path, report.qcFile->version};
    }
}

std::optional<ReportLink> XmlLink(const pugi::xml_node& registration, const char* name) {
    const pugi::xml_node node = registration.child(FromUtf8(name).c_str());
    if (!node) return std::nullopt;
    const std::string at = std::string("Document/registration/") + name;
    ReportLink recorded;
    recorded.number = TextOf(node, "number", at);
    recorded.issuedAt = UtcMoment(ToUtf8(ElementText(node.child(L"issued_utc"))), at + "/issued_utc");
    recorded.withdrawn = WithdrawnOf(TextOf(node, "status", at), at + "/status");
    recorded.reason = TextOf(node, "reason", at);
    return recorded;
}

void ReadXmlRegistration(const pugi::xml_node& root, RecordedReport& report) {
    const pugi::xml_node node = root.child(L"registration");
    if (!node) return;
    const std::string at = "Document/registration";
    ReportRegistration registration;
    registration.status = StatusOf(TextOf(node, "status", at), at + "/status");
    registration.number = ElementText(node.child(L"number"));
    registration.issuedAt = UtcMoment(ToUtf8(ElementText(node.child(L"issued_utc"))), at + "/issued_utc");
    registration.issuedBy = ElementText(node.child(L"issued_by"));
    registration.supersedes = XmlLink(node, "supersedes");
    registration.supersededBy = XmlLink(node, "superseded_by");
    if (const pugi::xml_node entry = node.child(L"register")) {
        registration.registerFile = TextOf(entry, "file", at + "/register");
        registration.entry = static_cast<size_t>(
            InRange(IntegerOf(entry, "entry", at + "/register"), 1, kMostLogEntries, at + "/register/entry"));
        registration.previousEntrySha256 =
            Checksum(ToUtf8(TextOf(entry, "previous_entry_sha256", at + "/register")), at + "/register");
    }
    CheckRegistration(registration, at);
    report.registration = registration;
}

void ReadXml(RecordedReport& report) {
    if (const std::optional<Message> problem = XmlReportProblem(report.bytes)) throw FormatError{*problem};
    pugi::xml_document document;
    if (!document.load_buffer(report.bytes.data(), report.bytes.size(), pugi::parse_default,
                              pugi::encoding_utf8))
        throw FormatError{MessageCode::ReportNotXml};
    const pugi::xml_node root = Child(document, "Document", "");
    const int64_t version = IntegerOf(root, "format_version", "Document");
    if (version != kReportFormatVersion) {
        throw FormatError{Message(MessageCode::ReportOtherVersion, {version, int64_t{kReportFormatVersion}})};
    }
    if (const pugi::xml_node created = root.child(L"created_utc")) {
        const std::optional<int64_t> moment = ParseUtcIsoText(ElementText(created));
        if (!moment) WrongKind("Document/created_utc", MessageCode::KindUtcTime);
        report.createdAt = *moment;
    }
    ReadXmlInputs(Child(root, "inputs", "Document"), report);
    ReadXmlRegistration(root, report);
    for (const pugi::xml_node& warning : root.child(L"warnings").children(L"warning")) {
        const std::wstring kind = ElementText(warning.child(L"kind"));
        if (IsReadCircumstance(kind))
            report.circumstances.push_back({kind, ElementText(warning.child(L"subject")),
                                            ElementText(warning.child(L"detail")),
                                            ElementText(warning.child(L"chromatograms"))});
    }
}

void RefuseRepeatedChromatograms(const RecordedReport& report) {
    std::set<int32_t> seen;
    for (const RecordedChromatogram& chromatogram : report.chromatograms) {
        if (!seen.insert(chromatogram.id).second)
            throw FormatError{Message(MessageCode::ReportChromatogramTwice, {int64_t{chromatogram.id}})};
    }
}

}  // namespace

bool IsReadCircumstance(const std::wstring& warningKey) {
    return std::find(std::begin(kCircumstances), std::end(kCircumstances), warningKey) !=
           std::end(kCircumstances);
}

std::optional<RecordedReport> ReadRecordedReport(const std::wstring& path, Message& error) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        error = Message(MessageCode::ReportUnreadable, {path});
        return std::nullopt;
    }
    RecordedReport report;
    report.bytes = std::move(*bytes);
    const size_t first = report.bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    report.format = first != std::string::npos && report.bytes[first] == '{' ? RecordedReport::Format::Json
                                                                             : RecordedReport::Format::Xml;
    try {
        if (report.format == RecordedReport::Format::Json)
            ReadJson(report);
        else
            ReadXml(report);
        RefuseRepeatedChromatograms(report);
    } catch (const FormatError& wrong) {
        error = wrong.what;
        return std::nullopt;
    }
    return report;
}
