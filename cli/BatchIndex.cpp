#include "BatchIndex.h"

#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportFiles.h"
#include "res/ProductVersion.h"

namespace {

std::wstring Escaped(const std::wstring& text) {
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
            case L'&':
                escaped += L"&amp;";
                break;
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            case L'"':
                escaped += L"&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// The verdicts in a cell: "соответствует" when every limit is met, else the limits that are not.
std::wstring VerdictCell(const std::vector<LimitVerdict>& verdicts) {
    std::wstring exceeded, undetermined;
    for (const LimitVerdict& verdict : verdicts) {
        std::wstring& list = verdict.outcome == LimitVerdict::Outcome::Exceeds ? exceeded : undetermined;
        if (verdict.outcome == LimitVerdict::Outcome::Conforms) continue;
        list += (list.empty() ? L"" : L"; ") + Escaped(verdict.limit.name);
    }
    if (verdicts.empty()) return L"<td>—</td>";
    if (exceeded.empty() && undetermined.empty()) return L"<td class=\"ok\">соответствует</td>";
    std::wstring cell = L"<td class=\"bad\">";
    if (!exceeded.empty()) cell += L"превышает: " + exceeded;
    if (!undetermined.empty())
        cell += std::wstring(exceeded.empty() ? L"" : L"<br/>") + L"не определено: " + undetermined;
    return cell + L"</td>";
}

std::wstring Links(const std::wstring& base) {
    std::wstring links;
    for (const wchar_t* extension : {L"html", L"json", L"csv", L"xml"}) {
        const std::wstring file = Escaped(base) + L"." + extension;
        links += (links.empty() ? L"" : L" · ") + std::wstring(L"<a href=\"") + file + L"\">" + extension +
                 L"</a>";
    }
    return links;
}

// When the analyses were made; those of one sample a day or more apart are flagged, since parallel
// determinations are made together and a name used again may mean another sample.
std::wstring DatesCell(const IndexRow& row) {
    std::wstring cell = L"<td class=\"nowrap\">" + LocalTimeText(row.firstDate);
    if (row.lastDate != row.firstDate) cell += L"<br/>" + LocalTimeText(row.lastDate);
    if (row.lastDate - row.firstDate >= 24 * 3600) cell += L"<div class=\"bad\">разные дни</div>";
    return cell + L"</td>";
}

std::wstring Notes(const std::vector<std::wstring>& notes) {
    std::wstring html;
    for (const std::wstring& note : notes) html += L"<div class=\"note\">" + Escaped(note) + L"</div>";
    return html;
}

std::wstring Row(size_t number, const IndexRow& row, bool withLimits) {
    std::wstring html = L"<tr><td class=\"num\">" + std::to_wstring(number) + L"</td><td class=\"sample\">" +
                        Escaped(row.sample) + L"</td>" + DatesCell(row) + L"<td class=\"num\">" +
                        std::to_wstring(row.determinations) + L" из " + std::to_wstring(row.analyses) +
                        L"</td>";
    const int span = withLimits ? 4 : 3;
    if (!row.reason.empty()) {
        return html + L"<td colspan=\"" + std::to_wstring(span) + L"\"><div class=\"bad\">" +
               Escaped(row.reason) + L"</div>" + Notes(row.notes) + L"</td></tr>\n";
    }
    html += L"<td class=\"num\"><b>" + FormatFixed(row.totalOxygen, 4) + L"</b></td>";
    if (withLimits) html += VerdictCell(row.verdicts);
    std::wstring warnings;
    for (const CalculationWarning& warning : row.warnings)
        warnings += L"<div>" + Escaped(warning.Text()) + L"</div>";
    warnings += Notes(row.notes);
    html += L"<td class=\"warn\">" + (warnings.empty() ? L"—" : warnings) + L"</td>";
    return html + L"<td class=\"nowrap\">" + Links(row.base) + L"</td></tr>\n";
}

}  // namespace

std::string IndexPageText(const std::vector<IndexRow>& rows, const std::wstring& limitsFile) {
    const bool withLimits = !limitsFile.empty();
    std::wstring html =
        L"<!DOCTYPE html>\n<html lang=\"ru\"><head><meta charset=\"utf-8\"/>"
        L"<title>Пакетный расчёт: кислородсодержащие соединения, ГОСТ EN 13132-2012</title>\n<style>"
        L"@page{size:A4 landscape;margin:12mm}body{font:10pt/1.35 Arial,'DejaVu Sans',sans-serif;color:#000}"
        L"@media screen{body{margin:12mm}}td.sample{min-width:40mm}.note{font-size:8pt;color:#444}"
        L"table{border-collapse:collapse;width:100%}th,td{border:0.6pt solid #444;padding:1mm 2mm;"
        L"vertical-align:top;text-align:left}th{background:#e6e9ee}td.num{text-align:right;white-space:"
        L"nowrap}"
        L".nowrap{white-space:nowrap}.bad{color:#b00020}.ok{color:#1b5e20}.warn{font-size:8.5pt;color:#"
        L"7a4d00}"
        L"h1{font-size:13pt}.foot{font-size:8pt;color:#555;margin-top:3mm}"
        L"</style></head><body>\n<h1>Пакетный расчёт органических кислородсодержащих соединений "
        L"(ГОСТ EN 13132-2012)</h1>\n<table><thead><tr><th>№</th><th>Проба</th><th>Анализы</th>"
        L"<th>Определений</th><th>Кислород, % масс.</th>";
    if (withLimits) html += L"<th>Нормы</th>";
    html += L"<th>Предупреждения</th><th>Отчёт</th></tr></thead>\n<tbody>\n";
    for (size_t i = 0; i < rows.size(); ++i) html += Row(i + 1, rows[i], withLimits);
    if (rows.empty()) {
        html += L"<tr><td colspan=\"" + std::to_wstring(withLimits ? 8 : 7) +
                L"\">В выбранные даты анализов нет.</td></tr>\n";
    }
    html +=
        L"</tbody></table>\n<p class=\"foot\">Определения — хроматограммы с указанной массой пробы из всех "
        L"анализов пробы. ";
    if (withLimits) html += L"Нормы из файла " + Escaped(limitsFile) + L". ";
    html += L"Рассчитано программой oxycalc ";
    html += kPluginVersionText;
    html += L".</p>\n</body></html>\n";
    return ToUtf8(html);
}

bool WriteIndexPage(const std::wstring& path, const std::vector<IndexRow>& rows,
                    const std::wstring& limitsFile, UserMessages& messages) {
    return WriteText(path, IndexPageText(rows, limitsFile), messages);
}
