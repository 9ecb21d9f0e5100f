#include "win/Dialog.h"

#include "win/Firewall.h"

Dialog::~Dialog() {
    if (hwnd_ != nullptr && !modal_) {
        // Detach first: the window's last messages must not reach a half-destroyed object.
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

HWND Dialog::CreateModeless(HINSTANCE resources, int templateId, HWND owner) {
    modal_ = false;
    return CreateDialogParamW(resources, MAKEINTRESOURCEW(templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HINSTANCE resources, int templateId, HWND owner) {
    modal_ = true;
    return DialogBoxParamW(resources, MAKEINTRESOURCEW(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result) {
    if (modal_) {
        EndDialog(hwnd_, result);
    } else {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK) OnOk();
    if (id == IDCANCEL) OnCancel();
}

LRESULT Dialog::OnNotify(int, NMHDR&) {
    return 0;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        if (self->depth_ > 0) {
            self->finalPending_ = true;
        } else {
            Finish(self);
        }
        return FALSE;
    }
    ++self->depth_;
    const INT_PTR result =
        Firewall("DialogProc", INT_PTR{FALSE}, [&] { return self->Route(message, wParam, lParam); });
    --self->depth_;
    if (self->depth_ == 0 && self->finalPending_) {
        self->finalPending_ = false;
        Finish(self);  // may delete the object: nothing of it is touched after this
    }
    return result;
}

void Dialog::Finish(Dialog* self) {
    Firewall("OnFinalMessage", 0, [self] {
        self->OnFinalMessage();
        return 0;
    });
}

INT_PTR Dialog::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            const auto reflector = reflectors_.find(static_cast<int>(header->idFrom));
            LRESULT reflected = 0;
            if (reflector != reflectors_.end() && reflector->second->OnReflectedNotify(*header, reflected)) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, reflected);
                return TRUE;
            }
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, OnNotify(static_cast<int>(header->idFrom), *header));
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORDLG: {
            // These answer with the brush itself, not through DWLP_MSGRESULT.
            LRESULT brush = 0;
            return OnMessage(message, wParam, lParam, brush) ? static_cast<INT_PTR>(brush) : FALSE;
        }
        default: {
            LRESULT result = 0;
            if (!OnMessage(message, wParam, lParam, result)) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
}
