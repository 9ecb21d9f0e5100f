#include "register/RegisterEntry.h"

#include <cwchar>
#include <utility>

#include "platform/WideText.h"

const char kRegisterEntryStart[] = "=== ";
const char kNoPreviousEntry[] = "—";

namespace {

const wchar_t kPlaceLine[] = L"Запись: ";
const wchar_t kLocalLine[] = L"Местное время: ";
const wchar_t kUserLine[] = L"Пользователь: ";
const wchar_t kProgramLine[] = L"Программа: ";
const wchar_t kEventLine[] = L"Событие: ";
const wchar_t kPatternLine[] = L"Шаблон номера: ";
const wchar_t kCounterLine[] = L"Счётчик: ";
const wchar_t kNumberLine[] = L"Номер: ";
const wchar_t kMadeByLine[] = L"Составлен: ";
const wchar_t kSampleLine[] = L"Проба: ";
const wchar_t kSeriesLine[] = L"Серия: ";
const wchar_t kDraftLine[] = L"SHA-256 проекта: ";
const wchar_t kReplacesLine[] = L"Взамен: ";
const wchar_t kReasonLine[] = L"Причина: ";
const wchar_t kFilesLine[] = L"Файлы:";
const wchar_t kSignaturesLine[] = L"Подписи: ";
const wchar_t kMeaningLine[] = L"Подпись: ";
const wchar_t kSignerLine[] = L"Подписал: ";
const wchar_t kSubjectLine[] = L"Сертификат: ";
const wchar_t kPreviousLine[] = L"SHA-256 предыдущей записи: ";

// The events as the register writes them.
const std::pair<RegisterEvent, const wchar_t*> kEvents[] = {
    {RegisterEvent::Started, L"реестр начат"},         {RegisterEvent::Issued, L"отчёт выпущен"},
    {RegisterEvent::Amended, L"отчёт выпущен взамен"}, {RegisterEvent::Withdrawn, L"отчёт отозван"},
    {RegisterEvent::Signed, L"отчёт подписан"},
};

RegisterEvent EventOf(const std::wstring& text) {
    for (const auto& [event, name] : kEvents) {
        if (text == name) return event;
    }
    return RegisterEvent::Other;
}

const wchar_t* EventName(const RegisterEntry& entry) {
    for (const auto& [event, name] : kEvents) {
        if (entry.event == event) return name;
    }
    return entry.eventText.c_str();
}

// A field on one line, as the register keeps each.
std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n') c = L' ';
    }
    return text;
}

bool After(const std::wstring& line, const wchar_t* prefix, std::wstring& value) {
    const size_t length = std::wcslen(prefix);
    if (line.compare(0, length, prefix) != 0) return false;
    value = line.substr(length);
    return true;
}

void Line(std::wstring& text, const wchar_t* prefix, const std::wstring& value) {
    if (!value.empty()) text += prefix + OneLine(value) + L"\n";
}

// "  NAME SHA-256": a file of the entry; the name may hold blanks, the digest none.
RegisteredFile FileOfLine(const std::wstring& line) {
    const size_t blank = line.rfind(L' ');
    if (blank == std::wstring::npos || blank < 2) return {line.substr(2), ""};
    return {line.substr(2, blank - 2), ToUtf8(line.substr(blank + 1))};
}

// Reads one line into the entry; the files' lines are read by the caller.
void ReadLine(RegisterEntry& entry, const std::wstring& line) {
    std::wstring value;
    if (line.rfind(L"=== ", 0) == 0 && line.size() > 8) {
        entry.utc = line.substr(4, line.size() - 8);
    } else if (After(line, kPlaceLine, value)) {
        entry.place = static_cast<size_t>(std::wcstoull(value.c_str(), nullptr, 10));
    } else if (After(line, kCounterLine, value)) {
        entry.counter = static_cast<uint64_t>(std::wcstoull(value.c_str(), nullptr, 10));
    } else if (After(line, kEventLine, entry.eventText)) {
        entry.event = EventOf(entry.eventText);
    } else if (After(line, kDraftLine, value)) {
        entry.draftSha256 = ToUtf8(value);
    } else if (After(line, kPreviousLine, value)) {
        entry.previousSha256 = ToUtf8(value);
    } else {
        const std::pair<const wchar_t*, std::wstring*> texts[] = {
            {kLocalLine, &entry.local},           {kUserLine, &entry.user},
            {kProgramLine, &entry.program},       {kPatternLine, &entry.pattern},
            {kNumberLine, &entry.number},         {kMadeByLine, &entry.madeBy},
            {kSampleLine, &entry.sample},         {kSeriesLine, &entry.series},
            {kReplacesLine, &entry.replaces},     {kReasonLine, &entry.reason},
            {kSignaturesLine, &entry.signatures}, {kMeaningLine, &entry.meaning},
            {kSignerLine, &entry.signer},         {kSubjectLine, &entry.signerSubject}};
        for (const auto& [prefix, field] : texts) {
            if (After(line, prefix, *field)) return;
        }
    }
}

}  // namespace

bool RegisterEntry::GivesNumber() const {
    return event == RegisterEvent::Issued || event == RegisterEvent::Amended ||
           event == RegisterEvent::Withdrawn;
}

std::string RegisterEntryText(const RegisterEntry& entry) {
    std::wstring text = L"=== " + entry.utc + L" ===\n";
    text += kPlaceLine + std::to_wstring(entry.place) + L"\n";
    Line(text, kLocalLine, entry.local);
    Line(text, kUserLine, entry.user);
    Line(text, kProgramLine, entry.program);
    text += kEventLine + OneLine(EventName(entry)) + L"\n";
    Line(text, kPatternLine, entry.pattern);
    Line(text, kNumberLine, entry.number);
    Line(text, kSignaturesLine, entry.signatures);
    if (entry.GivesNumber() || entry.event == RegisterEvent::Started)
        text += kCounterLine + std::to_wstring(entry.counter) + L"\n";
    Line(text, kMadeByLine, entry.madeBy);
    Line(text, kSampleLine, entry.sample);
    Line(text, kSeriesLine, entry.series);
    Line(text, kDraftLine, FromUtf8(entry.draftSha256));
    Line(text, kReplacesLine, entry.replaces);
    Line(text, kReasonLine, entry.reason);
    Line(text, kMeaningLine, entry.meaning);
    Line(text, kSignerLine, entry.signer);
    Line(text, kSubjectLine, entry.signerSubject);
    if (!entry.files.empty()) {
        text += std::wstring(kFilesLine) + L"\n";
        for (const RegisteredFile& file : entry.files)
            text += L"  " + OneLine(file.name) + L" " + FromUtf8(file.sha256) + L"\n";
    }
    text += kPreviousLine + FromUtf8(entry.previousSha256) + L"\n\n";
    return ToUtf8(text);
}

RegisterEntry ParseRegisterEntry(const std::string& text) {
    RegisterEntry entry;
    entry.text = text;
    const std::wstring wide = FromUtf8(text);
    bool inFiles = false;
    for (size_t start = 0; start < wide.size();) {
        size_t end = wide.find(L'\n', start);
        if (end == std::wstring::npos) end = wide.size();
        const std::wstring line = wide.substr(start, end - start);
        start = end + 1;
        if (inFiles && line.rfind(L"  ", 0) == 0) {
            entry.files.push_back(FileOfLine(line));
            continue;
        }
        inFiles = line == kFilesLine;
        ReadLine(entry, line);
    }
    return entry;
}
