#include "HostScript.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

constexpr UINT kStepDelay = 150;
HostScript* gPlaying = nullptr;  // one script per host

struct Finder {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM data) {
    auto* finder = reinterpret_cast<Finder*>(data);
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    if (IsWindowVisible(window) && std::wstring(caption).rfind(finder->prefix, 0) == 0) {
        finder->found = window;
        return FALSE;
    }
    return TRUE;
}

void Expect(bool holds, const std::wstring& what) {
    if (!holds) throw std::runtime_error("not as expected: " + ToUtf8(what));
}

std::wstring TextOf(HWND control) {
    wchar_t text[4096] = {};
    GetWindowTextW(control, text, 4096);
    return text;
}

void WriteFile(const std::wstring& path) {
    StdioFile file = OpenStdioFile(path, "wb");
    if (file) std::fputs("ok\n", file.get());
}

}  // namespace

HostScript::HostScript(HWND frame, Picker pick, std::vector<std::wstring> lines)
    : frame_(frame), pick_(std::move(pick)), lines_(std::move(lines)) {}

void HostScript::Start() {
    gPlaying = this;
    SetTimer(nullptr, 0, kStepDelay, OnTimer);
}

void CALLBACK HostScript::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (gPlaying != nullptr) gPlaying->Step();
}

void HostScript::Step() {
    UINT delay = kStepDelay;
    if (!awaited_.empty()) {
        if (GetFileAttributesW(awaited_.c_str()) != INVALID_FILE_ATTRIBUTES) {
            DeleteFileW(awaited_.c_str());
            awaited_.clear();
        }
    } else if (next_ < lines_.size()) {
        const std::wstring line = lines_[next_++];
        try {
            delay = Run(line);
        } catch (const std::exception& error) {
            // A script that cannot go on ends the host: nobody is there to answer a message box.
            std::fprintf(stderr, "host script, line %zu: %s\n", next_, error.what());
            failed_ = true;
            PostMessageW(frame_, WM_CLOSE, 0, 0);
            return;
        }
    } else {
        return;  // done
    }
    SetTimer(nullptr, 0, delay, OnTimer);
}

HWND HostScript::Control(int id) const {
    HWND control = GetDlgItem(target_, id);
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id) + " in the window");
    return control;
}

UINT HostScript::Run(const std::wstring& line) {
    std::wistringstream words(line);
    std::wstring action;
    words >> action;
    if (action.empty() || action[0] == L'#') return 0;
    std::wstring rest;
    std::getline(words >> std::ws, rest);
    std::wistringstream arguments(rest);
    int id = 0, row = 0, state = 0, x = 0, y = 0, width = 0, height = 0;
    if (action == L"pick") {
        if (!pick_(rest)) throw std::runtime_error("no menu entry " + ToUtf8(rest));
    } else if (action == L"window") {
        Finder finder{rest};
        EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&finder));
        if (finder.found == nullptr) throw std::runtime_error("no window " + ToUtf8(rest));
        target_ = finder.found;
    } else if (action == L"click" && arguments >> id) {
        SendMessageW(target_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
    } else if (action == L"post-click" && arguments >> id) {
        PostMessageW(target_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
    } else if (action == L"dismiss") {
        Finder finder{rest};
        EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&finder));
        if (finder.found == nullptr) throw std::runtime_error("no box " + ToUtf8(rest));
        PostMessageW(finder.found, WM_COMMAND, IDOK, 0);
    } else if (action == L"text" && arguments >> id) {
        std::wstring value;
        std::getline(arguments >> std::ws, value);
        SetWindowTextW(Control(id), value.c_str());
    } else if (action == L"check" && arguments >> id >> row >> state) {
        ListView_SetCheckState(Control(id), row, state != 0);
    } else if (action == L"select" && arguments >> id >> row) {
        HWND list = Control(id);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    } else if (action == L"move" && arguments >> x >> y >> width >> height) {
        MoveWindow(target_, x, y, width, height, TRUE);
    } else if (action == L"expect-rows" && arguments >> id >> row) {
        Expect(ListView_GetItemCount(Control(id)) == row, line);
    } else if (action == L"expect-check" && arguments >> id >> row >> state) {
        Expect((ListView_GetCheckState(Control(id), row) != 0) == (state != 0), line);
    } else if (action == L"expect-text" && arguments >> id) {
        std::wstring value;
        std::getline(arguments >> std::ws, value);
        const std::wstring text = TextOf(Control(id));
        Expect(value == text, line + L" (found \"" + text + L"\")");
    } else if (action == L"expect-rect" && arguments >> x >> y >> width >> height) {
        RECT rect{};
        GetWindowRect(target_, &rect);
        Expect(rect.left == x && rect.top == y && rect.right - rect.left == width &&
                   rect.bottom - rect.top == height,
               line + L" (found " + std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
                   std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top) +
                   L")");
    } else if (RunCheck(action, arguments, line)) {
    } else if (action == L"sleep" && arguments >> id) {
        return static_cast<UINT>(id);
    } else if (action == L"signal") {
        WriteFile(rest);
    } else if (action == L"await") {
        awaited_ = rest;
    } else if (action == L"quit") {
        PostMessageW(frame_, WM_CLOSE, 0, 0);
    } else {
        throw std::runtime_error("cannot do: " + ToUtf8(line));
    }
    return kStepDelay;
}

bool HostScript::RunCheck(const std::wstring& action, std::wistringstream& arguments,
                          const std::wstring& line) {
    static const wchar_t* const kChecks[] = {L"expect-cell", L"expect-contains", L"expect-lacks",
                                             L"remember",    L"expect-same",     L"expect-other"};
    if (std::find(std::begin(kChecks), std::end(kChecks), action) == std::end(kChecks)) return false;
    int id = 0;
    int row = 0;
    int column = 0;
    std::wstring value;
    if (action == L"expect-cell" && arguments >> id >> row >> column) {
        std::getline(arguments >> std::ws, value);
        wchar_t text[1024] = {};
        ListView_GetItemText(Control(id), row, column, text, 1024);
        Expect(value == text, line + L" (found \"" + text + L"\")");
        return true;
    }
    if (!(arguments >> id)) throw std::runtime_error("cannot do: " + ToUtf8(line));
    std::getline(arguments >> std::ws, value);
    const std::wstring text = TextOf(Control(id));
    if (action == L"expect-contains") {
        Expect(text.find(value) != std::wstring::npos, line + L" (found \"" + text + L"\")");
    } else if (action == L"expect-lacks") {
        Expect(text.find(value) == std::wstring::npos, line + L" (found \"" + text + L"\")");
    } else if (action == L"remember") {
        remembered_[value] = text;
    } else if (action == L"expect-same") {
        Expect(remembered_.count(value) != 0 && remembered_[value] == text,
               line + L" (found \"" + text + L"\")");
    } else if (action == L"expect-other") {
        Expect(remembered_.count(value) != 0 && remembered_[value] != text,
               line + L" (found \"" + text + L"\")");
    } else {
        return false;
    }
    return true;
}

std::vector<std::wstring> ReadScript(const std::wstring& path) {
    StdioFile file = OpenStdioFile(path, "rb");
    if (!file) throw std::runtime_error("cannot read the script " + ToUtf8(path));
    std::string bytes;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    std::vector<std::wstring> lines;
    std::wistringstream text(FromUtf8(bytes));
    for (std::wstring line; std::getline(text, line);) {
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
