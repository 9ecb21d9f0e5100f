#include "register/WithdrawalNotice.h"

#include <nlohmann/json.hpp>

#include "platform/LocalTime.h"
#include "platform/WideText.h"
#include "res/ProductVersion.h"
#include "xml/XMLWrapper.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Text(const std::wstring& text) {
    return ToUtf8(XmlCarriableText(text));
}

void AddMoment(XMLWrapper& wrapper, const XMLElement& parent, int64_t moment) {
    wrapper.AddTextElement(parent, L"issued", LocalDateTimeText(moment));
    wrapper.AddTextElement(parent, L"issued_utc", UtcIsoText(moment));
}

}  // namespace

void FillNoticeDocument(XMLWrapper& wrapper, const WithdrawalNotice& notice) {
    const ReportRegistration& own = notice.registration;
    const XMLElement element = wrapper.AddElement(XMLElement(), L"notice");
    wrapper.AddTextElement(element, L"number", own.number);
    AddMoment(wrapper, element, own.issuedAt);
    wrapper.AddTextElement(element, L"issued_by", own.issuedBy);
    const XMLElement withdraws = wrapper.AddElement(element, L"withdraws");
    if (own.supersedes) {
        wrapper.AddTextElement(withdraws, L"number", own.supersedes->number);
        AddMoment(wrapper, withdraws, own.supersedes->issuedAt);
        wrapper.AddTextElement(withdraws, L"reason", own.supersedes->reason);
    }
    wrapper.AddTextElement(withdraws, L"sample", notice.sample);
    for (const RegisteredFile& file : notice.files) {
        const XMLElement row = wrapper.AddElement(withdraws, L"file");
        wrapper.AddTextElement(row, L"name", file.name);
        wrapper.AddTextElement(row, L"sha256", FromUtf8(file.sha256));
    }
    const XMLElement entry = wrapper.AddElement(element, L"register");
    wrapper.AddTextElement(entry, L"file", own.registerFile);
    wrapper.AddIntElement(entry, L"entry", static_cast<int32_t>(own.entry));
    wrapper.AddTextElement(entry, L"previous_entry_sha256", FromUtf8(own.previousEntrySha256));
    const XMLElement program = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(program, L"name", L"oxycalc");
    wrapper.AddTextElement(program, L"version", kPluginVersionText);
    wrapper.AddIntElement(XMLElement(), L"format_version", 1);
}

std::string NoticeJson(const WithdrawalNotice& notice) {
    const ReportRegistration& own = notice.registration;
    Json files = Json::array();
    for (const RegisteredFile& file : notice.files)
        files.push_back({{"file", Text(file.name)}, {"sha256", file.sha256}});
    const auto utc = [](int64_t moment) { return Text(UtcIsoText(moment)); };
    Json json = {{"format", kNoticeFormat},
                 {"format_version", 1},
                 {"program", {{"name", "oxycalc"}, {"version", Text(kPluginVersionText)}}},
                 {"report_number", Text(own.number)},
                 {"status", "issued"},
                 {"issued_utc", utc(own.issuedAt)},
                 {"issued_by", Text(own.issuedBy)}};
    json["supersedes"] = own.supersedes ? Json{{"report_number", Text(own.supersedes->number)},
                                               {"issued_utc", utc(own.supersedes->issuedAt)},
                                               {"status", "withdrawn"},
                                               {"reason", Text(own.supersedes->reason)}}
                                        : Json(nullptr);
    json["withdrawn_report"] = {{"sample", Text(notice.sample)}, {"files", files}};
    json["register"] = {{"file", Text(own.registerFile)},
                        {"entry", own.entry},
                        {"previous_entry_sha256", own.previousEntrySha256}};
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
