#pragma once

#include <windows.h>

#include <map>

// A control object that handles its own notifications, which Windows sends to its dialog.
class NotifyReflector {
public:
    // True when the control handled the notification itself; the dialog then answers with result.
    virtual bool OnReflectedNotify(NMHDR& header, LRESULT& result) = 0;

protected:
    ~NotifyReflector() = default;
};

// A dialog built from a template of the resource module. A derived class handles messages by
// overriding the hooks; the dialog procedure routes them and stops every exception at its border.
// The object owns its window: a modeless window is destroyed with the object.
class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window, hidden unless the template says otherwise; initialisation runs inside.
    HWND CreateModeless(HINSTANCE resources, int templateId, HWND owner);
    // Runs the dialog modally; the result passed to EndModal, or -1 when it could not be created.
    INT_PTR RunModal(HINSTANCE resources, int templateId, HWND owner);

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    // Hands the notifications of control `id` to its own object first.
    void ReflectNotifications(int id, NotifyReflector* target) { reflectors_[id] = target; }
    // Whether one of its handlers is running (a box or a modal dialog of its own may be open): the
    // object must not be deleted now.
    bool Busy() const { return depth_ > 0; }

protected:
    // Ends a modal dialog, hides a modeless one (the object and its data stay).
    void End(INT_PTR result);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnCommand(int id, int code, HWND control);
    // A notification from a child control; the answer goes back through DWLP_MSGRESULT.
    virtual LRESULT OnNotify(int id, NMHDR& header);
    // Any other message; return true when handled, with the answer in result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called when the window is gone for good; the object may delete itself here. A window destroyed
    // while one of its handlers runs (its owner closed under an open box) has it called only when that
    // handler has returned, so that no handler goes on in a deleted object.
    virtual void OnFinalMessage() {}

    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Route(UINT message, WPARAM wParam, LPARAM lParam);

    static void Finish(Dialog* self);

    HWND hwnd_ = nullptr;
    bool modal_ = false;
    int depth_ = 0;              // handlers running, nested boxes and dialogs included
    bool finalPending_ = false;  // the window went while a handler ran
    std::map<int, NotifyReflector*> reflectors_;
};
