// Types a byte sequence through the Windows key backend into a multi-line EDIT control that has
// the focus, then checks the control's text and that no key is left held down.
// Built for 32-bit Windows and run under wine; the exit status is the verdict.
#include "keyinjector.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void pumpMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
}

HWND createFocusedEdit()
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 0,
                                0, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(edit);
    SetFocus(edit);
    pumpMessagesFor(500);
    return edit;
}

std::wstring textOf(HWND edit)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(edit, buffer, 256);
    return buffer;
}

void printEscaped(const char *label, const std::wstring &text)
{
    std::printf("%s:", label);
    for (wchar_t c : text)
        std::printf(" %04X", static_cast<unsigned>(c));
    std::printf("\n");
}

bool keyHeld(int virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

int main()
{
    HWND edit = createFocusedEdit();
    if (GetFocus() != edit) {
        std::printf("FAIL: the edit control did not get the focus\n");
        return 2;
    }

    // Tab, é (0xE9 must be U+00E9), CR (the control shows CR LF), LF (a reserved virtual key:
    // nothing), then shifted characters.
    const std::string bytes = "12.5\t\xe9\r\nAZ:{";
    const std::wstring expected = L"12.5\t\u00e9\r\nAZ:{";
    std::unique_ptr<KeyInjector> keys = createKeyInjector("windows");
    for (unsigned char byte : bytes) {
        keys->typeByte(byte);
        pumpMessagesFor(static_cast<DWORD>(KeyInjector::keyInterval.count()));
    }
    pumpMessagesFor(200);

    const std::wstring typed = textOf(edit);
    bool passed = typed == expected;
    if (!passed) {
        printEscaped("expected", expected);
        printEscaped("typed   ", typed);
    }
    const int watched[] = {VK_RETURN, VK_TAB, VK_PACKET};
    for (int key : watched) {
        if (keyHeld(key)) {
            std::printf("FAIL: virtual key 0x%02X is still held down\n", key);
            passed = false;
        }
    }
    std::printf("%s\n", passed ? "PASS: typed text and key state as promised" : "FAIL");
    DestroyWindow(edit);
    return passed ? 0 : 1;
}
