#pragma once

#include <string>
#include <vector>

// A CSV file read as a spreadsheet's import reads it: a byte-order mark dropped, fields split at the
// separator outside quotes, quoted fields unquoted with their doubled quotes made single, lines at CR LF.
inline std::vector<std::vector<std::string>> ImportCsv(std::string text, char separator) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                rows.back().back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                rows.back().back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
    return rows;
}

// Whether a spreadsheet of a locale with that decimal mark takes the cell for a number: an optional minus,
// digits, and at most one decimal mark followed by digits. A decimal point in a Russian locale is text.
inline bool IsNumberCell(const std::string& cell, char decimalMark) {
    size_t i = cell.size() > 0 && cell[0] == '-' ? 1 : 0;
    size_t digits = 0;
    bool mark = false;
    for (; i < cell.size(); ++i) {
        if (cell[i] >= '0' && cell[i] <= '9') {
            ++digits;
        } else if (cell[i] == decimalMark && !mark && digits > 0) {
            mark = true;
        } else {
            return false;
        }
    }
    return digits > 0 && cell.back() != decimalMark;
}
