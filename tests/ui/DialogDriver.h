#pragma once
// Drives the program's modal dialogs from inside their own message loops: when a
// dialog opens, the action expected for its caption runs once the loop is idle.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CDialogDriver {
public:
    CDialogDriver();
    ~CDialogDriver();
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // The next dialog captioned `caption` gets `action`, which must end it. A
    // dialog nobody expects is a test failure and is cancelled.
    void Expect(const std::string& caption, std::function<void(HWND)> action);

    // Captions of the dialogs opened so far, in order.
    const std::vector<std::string>& Opened() const { return m_vecOpened; }
    bool AllHandled() const { return m_vecExpected.empty(); }

private:
    struct Expected {
        std::string caption;
        std::function<void(HWND)> action;
    };
    struct Pending {
        HWND window;
        std::function<void(HWND)> action;
    };

    static LRESULT CALLBACK OnCallReturn(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnIdle(HWND, UINT, UINT_PTR timer, DWORD);
    void DialogOpened(HWND window);

    HHOOK m_hHook = nullptr;
    std::vector<Expected> m_vecExpected;
    std::vector<Pending> m_vecPending;
    std::vector<std::string> m_vecOpened;
};

// Clicks a button the way the dialog sees it: the command, not the mouse.
void ClickButton(HWND dialog, int id);
// Checks or unchecks a check box, then clicks it as the user's click would.
void ToggleCheckBox(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
