#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// A list of user actions the host plays back, one step at a time from its own message loop, so that
// windows paint between steps. Lets the demo and the end-to-end tests drive the plug-in as a person
// would. One action per line ("#" starts a comment):
//   pick PATH              picks a menu entry ("*": the first plug-in entry)
//   window CAPTION-PREFIX  later actions go to the visible window whose caption starts so
//   click ID               presses the button with this control id
//   post-click ID          presses it without waiting for what it does (a box it opens stays open)
//   dismiss CAPTION-PREFIX presses OK in the visible box whose caption starts so
//   text ID VALUE          sets the text of an edit (as typing it would, with its change notification)
//   check ID ROW 0|1       sets the check box of a list-view row
//   select ID ROW          selects (only) this list-view row
//   move X Y W H           moves and sizes the window
//   expect-rows ID N       fails unless the list view has N rows
//   expect-check ID ROW 0|1  fails unless the row's check box is so
//   expect-text ID VALUE   fails unless the control's text is VALUE
//   expect-contains ID TEXT  fails unless the control's text holds TEXT
//   expect-lacks ID TEXT   fails when the control's text holds TEXT
//   expect-cell ID ROW COLUMN VALUE  fails unless the list-view cell's text is VALUE
//   remember ID NAME       keeps the control's text under NAME
//   expect-same ID NAME    fails unless the control's text is the one kept under NAME
//   expect-other ID NAME   fails when the control's text is the one kept under NAME
//   expect-rect X Y W H    fails unless the window has this place and size
//   sleep MS               lets the host run for so long
//   signal FILE            writes FILE (for a waiting script outside: "now is a good moment")
//   await FILE             waits until FILE exists, then deletes it
//   quit                   closes the host
class HostScript {
public:
    using Picker = std::function<bool(const std::wstring& path)>;

    HostScript(HWND frame, Picker pick, std::vector<std::wstring> lines);
    // Starts playing; the steps run from timer messages of the frame's thread.
    void Start();
    // Whether an action could not be done; the host has then been closed.
    bool Failed() const { return failed_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Step();
    // Runs one action; returns the delay before the next one in milliseconds.
    UINT Run(const std::wstring& line);
    // The actions that hold a control's text against something.
    bool RunCheck(const std::wstring& action, std::wistringstream& arguments, const std::wstring& line);
    HWND Control(int id) const;

    HWND frame_;
    Picker pick_;
    std::vector<std::wstring> lines_;
    size_t next_ = 0;
    HWND target_ = nullptr;
    std::wstring awaited_;
    bool failed_ = false;
    std::map<std::wstring, std::wstring> remembered_;
};

// The lines of a UTF-8 script file; throws std::runtime_error when it cannot be read.
std::vector<std::wstring> ReadScript(const std::wstring& path);
