#include "MainWindow.h"

#include <commctrl.h>

#include <ctime>

#include "win/Firewall.h"

namespace {
constexpr wchar_t kFrameClass[] = L"VeltarHostFrame";
constexpr wchar_t kWorkspaceClass[] = L"VeltarHostWorkspace";

void RegisterClasses(HINSTANCE instance, WNDPROC frameProcedure) {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = frameProcedure;
    frame.hInstance = instance;
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = kFrameClass;
    RegisterClassExW(&frame);
    WNDCLASSEXW workspace = frame;
    workspace.lpfnWndProc = DefWindowProcW;
    workspace.hIcon = nullptr;
    workspace.lpszClassName = kWorkspaceClass;
    RegisterClassExW(&workspace);
}
}  // namespace

MainWindow::MainWindow(CommandRunner runCommand) : runCommand_(std::move(runCommand)) {}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool MainWindow::Create(const std::wstring& title) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance, WindowProc);
    menuBar_ = CreateMenu();
    HMENU file = SubMenu(menuBar_, L"Файл");
    AppendMenuW(file, MF_STRING, kExitItemId, L"Выход");
    hwnd_ = CreateWindowExW(0, kFrameClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1280,
                            860, nullptr, menuBar_, instance, this);
    if (hwnd_ == nullptr) return false;
    workspace_ = CreateWindowExW(WS_EX_CLIENTEDGE, kWorkspaceClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 hwnd_, nullptr, instance, nullptr);
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"Готово", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                              0, hwnd_, nullptr, instance, nullptr);
    Layout();
    return true;
}

HMENU MainWindow::SubMenu(HMENU parent, const std::wstring& caption) {
    const int count = GetMenuItemCount(parent);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(parent, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        HMENU sub = GetSubMenu(parent, i);
        if (sub != nullptr && caption == text) return sub;
    }
    HMENU sub = CreatePopupMenu();
    AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    return sub;
}

void MainWindow::AddMenuEntry(const std::wstring& path, const std::string& command) {
    HMENU menu = menuBar_;
    size_t start = 0;
    for (size_t slash = path.find(L'/'); slash != std::wstring::npos; slash = path.find(L'/', start)) {
        menu = SubMenu(menu, path.substr(start, slash - start));
        start = slash + 1;
    }
    const UINT id = nextItemId_++;
    AppendMenuW(menu, MF_STRING, id, path.substr(start).c_str());
    entries_[id] = {path, command};
    if (hwnd_ != nullptr) DrawMenuBar(hwnd_);
}

bool MainWindow::Pick(const std::wstring& path) {
    for (const auto& [id, entry] : entries_) {
        if (path == L"*" || entry.path == path) {
            PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            return true;
        }
    }
    return false;
}

void MainWindow::SetStatus(const std::wstring& text) {
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::Layout() {
    if (status_ == nullptr) return;
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT client{}, bar{};
    GetClientRect(hwnd_, &client);
    GetWindowRect(status_, &bar);
    MoveWindow(workspace_, 0, 0, client.right, client.bottom - (bar.bottom - bar.top), TRUE);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Firewall("host window", LRESULT{0}, [&] { return self->Handle(message, wParam, lParam); });
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND: {
            const UINT id = LOWORD(wParam);
            if (id == kExitItemId) {
                PostMessageW(hwnd_, WM_CLOSE, 0, 0);
                return 0;
            }
            const auto entry = entries_.find(id);
            if (entry != entries_.end()) runCommand_(entry->second.command, workspace_);
            return 0;
        }
        case kListChangedMessage: {
            wchar_t stamp[32] = {};
            const std::time_t now = std::time(nullptr);
            std::wcsftime(stamp, 32, L"%H:%M:%S", std::localtime(&now));
            SetStatus(std::wstring(L"Модуль изменил список хроматограмм (") + stamp + L")");
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}
