#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// The host's frame: a menu bar built from the plug-ins' menu entries, a workspace and a status bar.
// A picked plug-in entry runs its command with the workspace window as the owner.
class MainWindow {
public:
    using CommandRunner = std::function<void(const std::string& command, HWND owner)>;

    explicit MainWindow(CommandRunner runCommand);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool Create(const std::wstring& title);
    HWND Handle() const { return hwnd_; }
    HWND Workspace() const { return workspace_; }

    // Adds an entry at a "/"-separated path (the last level is the item) that runs the command.
    void AddMenuEntry(const std::wstring& path, const std::string& command);
    // Picks an entry as a user would; "*" picks the first plug-in entry. False when there is none.
    bool Pick(const std::wstring& path);
    void SetStatus(const std::wstring& text);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    HMENU SubMenu(HMENU parent, const std::wstring& caption);
    void Layout();

    CommandRunner runCommand_;
    HWND hwnd_ = nullptr;
    HWND workspace_ = nullptr;
    HWND status_ = nullptr;
    HMENU menuBar_ = nullptr;
    struct Entry {
        std::wstring path;
        std::string command;
    };
    std::map<UINT, Entry> entries_;
    UINT nextItemId_ = 40001;
};

// Message a plug-in posts to the frame after changing its list of chromatograms.
constexpr UINT kListChangedMessage = WM_USER + 11;
constexpr UINT kExitItemId = 40000;
