#include "records/TableChanges.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "messages/Catalogue.h"
#include "tables/CsvTable.h"

namespace {

using Row = CsvTable::Row;

// Logs are written in Russian, whatever the language of the run.
std::wstring Logged(MessageCode code, std::vector<MessageArg> args) {
    return Render(Message(code, std::move(args)), Language::Russian);
}

std::wstring Joined(const Row& row) {
    std::wstring text;
    for (const std::wstring& field : row) text += (text.empty() ? L"" : L";") + field;
    return text;
}

std::wstring FieldOf(const Row& row, size_t field) {
    return field < row.size() ? row[field] : std::wstring();
}

// A row's key, its first field, without a copy.
std::wstring_view KeyOf(const Row& row) {
    return row.empty() ? std::wstring_view() : std::wstring_view(row[0]);
}

std::wstring Caption(const Row& header, size_t field) {
    const std::wstring caption = FieldOf(header, field);
    return caption.empty() ? Logged(MessageCode::LogFieldNumber, {static_cast<int64_t>(field + 1)}) : caption;
}

std::vector<Row> Rows(const std::string& bytes) {
    CsvTable table;
    table.ParseBytes(bytes);
    return table.rows;
}

// The changes of one row kept in both versions, field by field.
void DescribeRow(const Row& header, const Row& before, const Row& after, std::vector<std::wstring>& changes) {
    for (size_t field = 1; field < std::max(before.size(), after.size()); ++field) {
        const std::wstring was = FieldOf(before, field);
        const std::wstring now = FieldOf(after, field);
        if (was == now) continue;
        changes.push_back(
            Logged(MessageCode::LogRowChanged, {FieldOf(after, 0), Caption(header, field), was, now}));
    }
}

}  // namespace

std::vector<std::wstring> DescribeTableChanges(const std::string& before, const std::string& after) {
    const std::vector<Row> old = Rows(before);
    const std::vector<Row> now = Rows(after);
    std::vector<std::wstring> changes;
    const Row header = now.empty() ? Row() : now[0];
    if (!old.empty() && !now.empty() && old[0] != now[0])
        changes.push_back(Logged(MessageCode::LogHeaderChanged, {Joined(old[0]), Joined(now[0])}));
    // Rows of one key are paired in order; those left over were added or removed. The old rows are found
    // by key, so that a table of many lines is compared in time that grows with its lines.
    std::unordered_map<std::wstring_view, std::deque<size_t>> oldByKey;
    for (size_t i = 1; i < old.size(); ++i) oldByKey[KeyOf(old[i])].push_back(i);
    std::vector<bool> paired(old.size(), false);
    for (size_t i = 1; i < now.size(); ++i) {
        const auto same = oldByKey.find(KeyOf(now[i]));
        if (same != oldByKey.end() && !same->second.empty()) {
            const size_t match = same->second.front();
            same->second.pop_front();
            paired[match] = true;
            DescribeRow(header, old[match], now[i], changes);
        } else {
            changes.push_back(Logged(MessageCode::LogRowAdded, {FieldOf(now[i], 0), Joined(now[i])}));
        }
    }
    for (size_t i = 1; i < old.size(); ++i) {
        if (!paired[i])
            changes.push_back(Logged(MessageCode::LogRowRemoved, {FieldOf(old[i], 0), Joined(old[i])}));
    }
    return changes;
}
