#include "batch/BatchIndex.h"

#include <algorithm>

#include "messages/UserMessages.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "qc/QcDocument.h"
#include "report/ReportWriting.h"
#include "report/TransformAndOpen.h"
#include "res/ProductVersion.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

// Analyses of one sample a day or more apart: parallel determinations are made together, and a name
// used again may mean another sample.
bool OnDifferentDays(const IndexRow& row) {
    return row.lastDate - row.firstDate >= 24 * 3600;
}

// The total with four decimals; "не определено" while it is no result; nothing for a series without a report.
std::wstring TotalOxygenCell(const IndexRow& row, Language language) {
    if (!row.reason.Empty()) return std::wstring();
    return row.totalOxygenDoubt.Empty() ? FormatFixed(row.totalOxygen, 4)
                                        : Render(MessageCode::TotalUndetermined, language);
}

void AddTexts(XMLWrapper& wrapper, const XMLElement& parent, const wchar_t* list, const wchar_t* item,
              const std::vector<std::wstring>& texts) {
    const XMLElement element = wrapper.AddElement(parent, list);
    for (const std::wstring& text : texts) wrapper.AddTextElement(element, item, text);
}

void AddTexts(XMLWrapper& wrapper, const XMLElement& parent, const wchar_t* list, const wchar_t* item,
              const std::vector<Message>& texts, Language language) {
    const XMLElement element = wrapper.AddElement(parent, list);
    for (const Message& text : texts) wrapper.AddTextElement(element, item, Render(text, language));
}

void AddRow(XMLWrapper& wrapper, const XMLElement& series, size_t number, const IndexRow& row,
            Language language) {
    const XMLElement element = wrapper.AddElement(series, L"row");
    wrapper.AddIntElement(element, L"number", static_cast<int32_t>(number));
    wrapper.AddTextElement(element, L"sample", row.sample);
    wrapper.AddTextElement(element, L"first_analysis", LocalTimeText(row.firstDate));
    wrapper.AddTextElement(element, L"last_analysis", LocalTimeText(row.lastDate));
    wrapper.AddTextElement(element, L"different_days", OnDifferentDays(row) ? L"да" : L"нет");
    wrapper.AddIntElement(element, L"analyses", static_cast<int32_t>(row.analyses));
    wrapper.AddIntElement(element, L"determinations", static_cast<int32_t>(row.determinations));
    wrapper.AddIntElement(element, L"after_range", static_cast<int32_t>(row.afterRange));
    wrapper.AddTextElement(element, L"reason", Render(row.reason, language));
    wrapper.AddTextElement(element, L"total_oxygen", TotalOxygenCell(row, language));
    wrapper.AddTextElement(element, L"total_oxygen_doubt",
                           row.reason.Empty() ? Render(row.totalOxygenDoubt, language) : L"");
    const XMLElement verdicts = wrapper.AddElement(element, L"verdicts");
    for (const IndexVerdict& verdict : row.verdicts) {
        const XMLElement item = wrapper.AddElement(verdicts, L"verdict");
        wrapper.AddTextElement(item, L"name", verdict.name);
        wrapper.AddTextElement(item, L"outcome", Render(OutcomeMessage(verdict.outcome), language));
        wrapper.AddTextElement(item, L"outcome_key", FromUtf8(OutcomeKey(verdict.outcome)));
        wrapper.AddTextElement(item, L"doubt", Render(verdict.doubt, language));
    }
    AddTexts(wrapper, element, L"warnings", L"warning", row.warnings, language);
    AddTexts(wrapper, element, L"exceeded_r", L"component", row.exceededR);
    AddTexts(wrapper, element, L"notes", L"note", row.notes, language);
    wrapper.AddTextElement(element, L"problem", HasProblem(row) ? L"да" : L"нет");
    wrapper.AddTextElement(element, L"base", row.base);
    wrapper.AddTextElement(element, L"quality", row.quality.Key());
    wrapper.AddTextElement(element, L"quality_text", Render(row.quality.TextMessage(), language));
    wrapper.AddTextElement(element, L"quality_detail", Render(row.quality.detail, language));
    AddTexts(wrapper, element, L"qc_results", L"result", row.qcResults, language);
    AddTexts(wrapper, element, L"qc_failures", L"result", row.qcFailures, language);
}

}  // namespace

IndexVerdict::IndexVerdict(const LimitVerdict& verdict)
    : name(verdict.limit.name), outcome(verdict.outcome), doubt(verdict.doubt) {}

bool HasProblem(const IndexRow& row) {
    const bool undetermined = std::any_of(
        row.verdicts.begin(), row.verdicts.end(),
        [](const IndexVerdict& verdict) { return verdict.outcome == LimitVerdict::Outcome::Undetermined; });
    return !row.reason.Empty() || row.determinations != row.analyses || !row.warnings.empty() ||
           undetermined || !row.totalOxygenDoubt.Empty() || !row.exceededR.empty() ||
           row.quality.status == QualityMark::Status::InDoubt ||
           row.quality.status == QualityMark::Status::Undetermined || !row.qcFailures.empty();
}

void FillIndexDocument(XMLWrapper& wrapper, const IndexPage& page) {
    const XMLElement program = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(program, L"name", L"oxycalc");
    wrapper.AddTextElement(program, L"version", kPluginVersionText);
    wrapper.AddTextElement(XMLElement(), L"language", FromUtf8(LanguageKey(page.language)));
    wrapper.AddTextElement(XMLElement(), L"range", Render(page.range, page.language));
    wrapper.AddTextElement(XMLElement(), L"limits_file", page.limitsFile);
    AddTexts(wrapper, XMLElement(), L"limits_errors", L"error", page.limitsErrors, page.language);
    const XMLElement series = wrapper.AddElement(XMLElement(), L"series");
    for (size_t i = 0; i < page.rows.size(); ++i) AddRow(wrapper, series, i + 1, page.rows[i], page.language);
    if (page.qc) AddQcCharts(wrapper, *page.qc, page.language);
}

bool StageIndexPage(const std::wstring& path, const IndexPage& page, const std::wstring& stylesheet,
                    StagedFiles& staged, UserMessages& messages) {
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(Message(MessageCode::BatchIndexNotCreated));
        return false;
    }
    FillIndexDocument(document, page);
    return StageFile(path, staged, messages, [&](const std::wstring& staging, std::wstring& error) {
        return TransformToFile(document, stylesheet, staging, &error);
    });
}
