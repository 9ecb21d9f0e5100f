#include "qc/QcEstablishment.h"

#include <algorithm>
#include <cstdio>

#include "messages/Catalogue.h"
#include "platform/Codepage1251.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/Sha256.h"
#include "platform/StagedFiles.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "records/TableChanges.h"
#include "records/TableLog.h"
#include "tables/CsvTable.h"

namespace {

constexpr size_t kLineFields = 5;  // sample, peak name, quantity, accepted value, tolerance
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// As the file keeps it, so that what is used now is what every later run reads.
double AsKept(double value) {
    return ReadWholeNumber(FormatFixed(value, 6)).value_or(value);
}

std::vector<const QcResult*> Baseline(const std::vector<QcResult>& results,
                                      const std::optional<BaselineDates>& dates) {
    std::vector<const QcResult*> sorted;
    for (const QcResult& result : results) sorted.push_back(&result);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QcResult* a, const QcResult* b) { return a->first < b->first; });
    std::vector<const QcResult*> chosen;
    for (const QcResult* result : sorted) {
        if (!result->measurement.Used()) continue;
        if (dates && (result->first < dates->from || result->first >= dates->to)) continue;
        if (!dates && chosen.size() == kFullBaseline) break;
        chosen.push_back(result);
    }
    return chosen;
}

std::wstring Range(double lower, double upper) {
    return FormatFixed(lower, 4) + L" … " + FormatFixed(upper, 4);
}

// What a line's limits are, for the change log; "—" without any.
std::vector<MessageArg> LimitsTexts(const std::optional<EstablishedLimits>& limits) {
    if (!limits) return {L"—", L"—", L"—", L"—"};
    const ChartLimits chart = LimitsFromMeans(limits->centre, limits->movingRangeMean);
    return {FormatFixed(limits->centre, 6), FormatFixed(limits->movingRangeMean, 6),
            Range(chart.lower, chart.upper),
            Nested(Message(MessageCode::LogBaselineResults,
                           {static_cast<int64_t>(limits->count), MessageMoment{limits->baselineFrom},
                            MessageMoment{limits->baselineTo}}))};
}

// A line's bytes with its fields after the first five replaced by `tail`, in the file's encoding.
bool Rewritten(std::string& line, const std::vector<std::wstring>& tail, bool utf8, Message& error) {
    size_t bodyEnd = line.size();
    if (bodyEnd > 0 && line[bodyEnd - 1] == '\n') --bodyEnd;
    if (bodyEnd > 0 && line[bodyEnd - 1] == '\r') --bodyEnd;
    const std::string end = line.substr(bodyEnd);
    std::string_view body(line.data(), bodyEnd);
    const bool mark = utf8 && body.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (mark) body.remove_prefix(kUtf8Mark.size());
    const std::wstring text = utf8 ? FromUtf8(body) : FromCodepage1251(body);
    std::vector<std::wstring> fields;
    for (size_t start = 0; fields.size() < kLineFields;) {
        const size_t separator = std::min(text.find(L';', start), text.size());
        fields.push_back(start <= text.size() ? text.substr(start, separator - start) : std::wstring());
        start = separator + 1;
    }
    fields.insert(fields.end(), tail.begin(), tail.end());
    std::wstring joined;
    for (const std::wstring& field : fields) joined += (joined.empty() ? L"" : L";") + field;
    const std::optional<std::string> encoded =
        utf8 ? std::optional<std::string>(ToUtf8(joined)) : ToCodepage1251(joined);
    if (!encoded) {
        error = Message(MessageCode::QcFileUnrepresentable, {joined});
        return false;
    }
    line = (mark ? std::string(kUtf8Mark) : std::string()) + *encoded + end;
    return true;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    return lines;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes, Message& error) {
    StagedFiles staged;
    std::wstring why;
    const std::wstring temporary = staged.Stage(path, &why);
    if (temporary.empty()) {
        error = Message(MessageCode::QcTemporaryNotMade, {why});
        return false;
    }
    StdioFile file = OpenStdioFile(temporary, "wb");
    const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (!file || std::fclose(file.release()) != 0 || !written) {
        error = MessageCode::QcTemporaryNotWritten;
        return false;
    }
    if (!staged.Commit()) {
        error = MessageCode::QcFileNotReplaced;
        return false;
    }
    return true;
}

}  // namespace

Establishment EstablishLimits(const std::vector<QcResult>& results, const std::optional<BaselineDates>& dates,
                              int64_t now, const std::wstring& reason) {
    Establishment establishment;
    const std::vector<const QcResult*> chosen = Baseline(results, dates);
    // Limits that stay fixed rest on a full baseline; fewer results only ever give provisional ones.
    if (chosen.size() < kFullBaseline) {
        establishment.why = {
            dates ? MessageCode::EstablishTooFewInBaseline : MessageCode::EstablishTooFewOnChart,
            {static_cast<int64_t>(chosen.size()), static_cast<int64_t>(kFullBaseline)}};
        return establishment;
    }
    std::vector<double> values;
    for (const QcResult* result : chosen) values.push_back(*result->measurement.value);
    const ChartLimits limits = LimitsFromBaseline(values);
    if (!limits.determined) {
        establishment.why = limits.why;
        return establishment;
    }
    // Each result against the limits the rest of the baseline gives: an outlier widens the limits it is held
    // against (its two moving ranges raise MR̄), so that against its own it may well pass.
    for (size_t i = 0; i < chosen.size(); ++i) {
        std::vector<double> rest = values;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        const ChartLimits others = LimitsFromBaseline(rest);
        const double value = values[i];
        if (!others.determined || (value >= others.lower && value <= others.upper)) continue;
        establishment.why = {MessageCode::EstablishOutlier,
                             {MessageMoment{chosen[i]->first}, Decimal(value, 4), Decimal(others.lower, 4),
                              Decimal(others.upper, 4)}};
        return establishment;
    }
    EstablishedLimits established;
    established.centre = AsKept(limits.centre);
    established.movingRangeMean = AsKept(limits.movingRangeMean);
    if (!(established.movingRangeMean > 0.0)) {
        establishment.why = MessageCode::EstablishNoSpread;
        return establishment;
    }
    established.count = chosen.size();
    established.baselineFrom = chosen.front()->first;
    for (const QcResult* result : chosen)
        established.baselineTo = std::max(established.baselineTo, result->last);
    established.at = now;
    established.reason = reason;
    establishment.limits = established;
    return establishment;
}

std::wstring DescribeLimitsChange(const QcLine& line, const EstablishedLimits& limits) {
    const std::vector<MessageArg> before = LimitsTexts(line.established);
    const std::vector<MessageArg> after = LimitsTexts(limits);
    const MessageCode changes[] = {MessageCode::LogCentreLineChange, MessageCode::LogMovingRangeChange,
                                   MessageCode::Log3SigmaChange, MessageCode::LogBaselineChange};
    std::vector<Message> fields;
    for (size_t i = 0; i < before.size(); ++i) fields.push_back(Message(changes[i], {before[i], after[i]}));
    // Logs are written in Russian, whatever the language of the run.
    return Render(Message(MessageCode::LogLimitsChange,
                          {line.Title(), static_cast<int64_t>(line.row), Joined(std::move(fields))}),
                  Language::Russian);
}

bool RecordEstablishedLimits(const QcFile& file, const std::vector<std::optional<EstablishedLimits>>& limits,
                             const std::wstring& reason, const std::vector<std::wstring>& notes, bool& logged,
                             Message& error) {
    logged = false;
    const std::optional<std::string> bytes = ReadFileBytes(file.path);
    if (!bytes) {
        error = MessageCode::QcFileUnreadable;
        return false;
    }
    if (!file.tracking.version.sha256.empty() && Sha256Hex(*bytes) != file.tracking.version.sha256) {
        error = MessageCode::QcFileChangedSinceRead;
        return false;
    }
    const bool utf8 = ReadsAsUtf8(*bytes);
    std::vector<std::string> lines = Lines(*bytes);
    for (size_t i = 0; i < file.lines.size() && i < limits.size(); ++i) {
        const size_t row = file.lines[i].row;
        if (!limits[i] || row == 0 || row > lines.size()) continue;
        if (!Rewritten(lines[row - 1], EstablishedFields(*limits[i]), utf8, error)) return false;
    }
    if (file.headerRow > 0 && file.headerRow <= lines.size() &&
        !Rewritten(lines[file.headerRow - 1], EstablishedCaptions(), utf8, error))
        return false;
    std::string written;
    for (const std::string& line : lines) written += line;
    if (!utf8 && ReadsAsUtf8(written)) {
        error = MessageCode::QcFileWouldReadAsUtf8;
        return false;
    }
    if (!WriteWhole(file.path, written, error)) return false;
    TableLog log(file.path);
    // The version before is kept too: a file first logged at this read still shows its changes.
    log.KeepVersion(*bytes, Sha256Hex(*bytes));
    const std::string sha = Sha256Hex(written);
    // The fields that changed, as every entry says them (what a check of the log holds against the
    // versions), and each chart's limits for a person to read.
    logged = log.Append(kLimitsEstablishedEvent, reason, DescribeTableChanges(*bytes, written), sha, notes)
                 .has_value() &&
             log.KeepVersion(written, sha);
    return true;
}
