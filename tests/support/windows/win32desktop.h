#ifndef QUILLON_TESTS_SUPPORT_WINDOWS_WIN32DESKTOP_H
#define QUILLON_TESTS_SUPPORT_WINDOWS_WIN32DESKTOP_H

// What the Win32 test programs do on the desktop they run on: keep their messages flowing, make
// the focused EDIT control that readings are typed into, and look at the text and clipboard.
#include <windows.h>

#include <string>

namespace Win32Desktop {

// Serves this thread's windows (and its keyboard hook) until the time has passed.
inline void pumpMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

inline HWND createFocusedEdit(const wchar_t *text)
{
    HWND edit =
        CreateWindowExW(0, L"EDIT", text, WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 0, 0,
                        400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(edit);
    SetFocus(edit);
    pumpMessagesFor(500);
    return edit;
}

inline std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline bool setClipboardText(HWND owner, const std::wstring &text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool stored = false;
    if (memory) {
        CopyMemory(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        stored = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    CloseClipboard();
    return stored;
}

inline std::wstring clipboardText(HWND owner)
{
    std::wstring text;
    if (!OpenClipboard(owner))
        return L"(the clipboard cannot be opened)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace Win32Desktop

#endif
