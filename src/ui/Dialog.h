#pragma once
// The thin dialog layer the windows of the program are built on (Windows only):
// a dialog object bound to its window, run modally or modelessly, with virtual
// handlers for the messages the dialogs use.
#include <windows.h>

#include <initializer_list>
#include <string>

class CDialog {
public:
    explicit CDialog(UINT templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; the result is what EndDialog was given,
    // or -1 when the window could not be created.
    INT_PTR DoModal();
    // Creates the window and returns at once; it lives until DestroyWindow or
    // the object's end.
    BOOL Create();
    void EndDialog(INT_PTR result);
    BOOL DestroyWindow();

    HWND m_hWnd = nullptr;

    HWND GetDlgItem(int id) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    // A text that is not a signed decimal number reads as 0.
    int GetDlgItemInt(int id) const;
    void SetDlgItemInt(int id, int value);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // When `control` had the focus and has been disabled since, the focus goes
    // to the first enabled control of `safeIds`: a disabled one takes no keys,
    // and the next one in Tab order may be one that deletes something.
    void MoveFocusOffDisabled(HWND control, std::initializer_list<int> safeIds);

protected:
    // Default handlers: OnInitDialog centres the window on the one it belongs
    // to, fills combo boxes from the template's initial entries and gives the
    // focus to the first tab stop; OnOK and OnCancel end the dialog.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnDestroy() {}
    // True when the command was handled.
    virtual bool OnCommand(int id, int code);
    // True when handled; `result` goes back to the control that notified.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
    virtual bool OnDrawItem(int id, DRAWITEMSTRUCT* item);
    virtual bool OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
    virtual bool OnSysCommand(UINT id, LPARAM lParam);
    // Every other message; returns the dialog procedure's answer.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window that owns this one: the parent's, else the main window's last
    // active pop-up; null for a window of its own.
    virtual HWND OwnerWindow() const;

    UINT m_nTemplateId;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ExecuteDlgInit();

    CDialog* m_pParent;
    bool m_bModal = false;
};
