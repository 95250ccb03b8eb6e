// What the end-to-end check of the Windows program needs on the Windows side, as one small Win32
// program (no Qt): the application the readings are typed into, and the user's hand on Quillon's
// window. Each command prints its findings on stdout, one "name: value" a line, for
// run-e2e to judge.
//
//   helper receive SECONDS CLIPBOARD STOP   a focused multi-line EDIT control; the clipboard is
//                                           set first. Prints "ready" and the clock, then the
//                                           control's text (hex of UTF-16) each time it changes
//                                           and the time of each key press it takes, until the
//                                           file STOP exists or the time is up; then the
//                                           selection and the clipboard. Times are in µs of
//                                           QueryPerformanceCounter.
//   helper keys KEYS                        brings Quillon's window to the front and types KEYS:
//                                           letters and digits as such, "\t" Tab, "\r" Return,
//                                           "^a" Ctrl+A, "^c" Ctrl+C, "~" Shift+Tab, " " Space.
//   helper clipboard                        prints the clipboard's text (hex of UTF-16).
//   helper boxes                            prints the size of Quillon's window and the titles of
//                                           its other top-level windows.
//   helper close                            asks Quillon's window to close.
#include "windows/win32desktop.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Win32Desktop;

namespace {

const wchar_t *const quillonTitle = L"Quillon";

std::string hex(const std::wstring &text)
{
    std::string out;
    char digits[8];
    for (wchar_t c : text) {
        std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(c));
        out += digits;
    }
    return out.empty() ? "-" : out;
}

long long microsecondsNow()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<long long>(now.QuadPart * 1e6L / frequency.QuadPart);
}

// Each key press is timed as the control's thread takes it from its queue.
void serveAndTimePresses(HWND edit, DWORD milliseconds)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_KEYDOWN && message.hwnd == edit)
            std::printf("press: %lld\n", microsecondsNow());
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int receive(int seconds, const std::wstring &clipboard, const char *stopFile)
{
    HWND edit = createFocusedEdit(L"");
    if (!edit || !setClipboardText(edit, clipboard))
        return 2;
    std::printf("ready\nclock: %lld\n", microsecondsNow());
    std::fflush(stdout);
    std::wstring last;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000 &&
           GetFileAttributesA(stopFile) == INVALID_FILE_ATTRIBUTES) {
        serveAndTimePresses(edit, 50);
        const std::wstring now = textOf(edit);
        if (now != last) {
            std::printf("text: %s\n", hex(now).c_str());
            std::fflush(stdout);
            last = now;
        }
    }
    DWORD from = 0, to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    std::printf("selection: %lu-%lu\nclipboard: %s\n", from, to,
                hex(clipboardText(nullptr)).c_str());
    DestroyWindow(edit);
    return 0;
}

void sendKey(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void tap(WORD key, WORD modifier = 0)
{
    if (modifier)
        sendKey(modifier, false);
    sendKey(key, false);
    sendKey(key, true);
    if (modifier)
        sendKey(modifier, true);
    pumpMessagesFor(150);
}

int keys(const char *sequence)
{
    HWND window = FindWindowW(nullptr, quillonTitle);
    if (!window)
        return 2;
    SetForegroundWindow(window);
    pumpMessagesFor(300);
    for (const char *c = sequence; *c; ++c) {
        if (*c == '^' && c[1]) {
            ++c;
            tap(static_cast<WORD>(std::toupper(static_cast<unsigned char>(*c))), VK_CONTROL);
        } else if (*c == '~') {
            tap(VK_TAB, VK_SHIFT);
        } else if (*c == '\t') {
            tap(VK_TAB);
        } else if (*c == '\r') {
            tap(VK_RETURN);
        } else if (*c == ' ') {
            tap(VK_SPACE);
        } else {
            tap(static_cast<WORD>(std::toupper(static_cast<unsigned char>(*c))),
                std::isupper(static_cast<unsigned char>(*c)) ? VK_SHIFT : 0);
        }
    }
    return 0;
}

BOOL CALLBACK listBox(HWND window, LPARAM quillon)
{
    DWORD process = 0, quillonProcess = 0;
    GetWindowThreadProcessId(window, &process);
    GetWindowThreadProcessId(reinterpret_cast<HWND>(quillon), &quillonProcess);
    wchar_t title[256] = {};
    if (window != reinterpret_cast<HWND>(quillon) && process == quillonProcess &&
        IsWindowVisible(window) && GetWindowTextW(window, title, 255) > 0)
        std::printf("box: %ls\n", title);
    return TRUE;
}

int boxes()
{
    HWND window = FindWindowW(nullptr, quillonTitle);
    RECT client = {};
    if (window)
        GetClientRect(window, &client);
    std::printf("window: %s %ldx%ld\n", window ? "shown" : "none", client.right, client.bottom);
    if (window)
        EnumWindows(listBox, reinterpret_cast<LPARAM>(window));
    return 0;
}

int close()
{
    HWND window = FindWindowW(nullptr, quillonTitle);
    return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 2;
}

std::wstring widened(const char *text)
{
    std::wstring wide(std::strlen(text), L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), static_cast<int>(wide.size()) + 1)));
    if (!wide.empty())
        wide.pop_back(); // the terminating NUL
    return wide;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "receive" && argc == 5)
        return receive(std::atoi(argv[2]), widened(argv[3]), argv[4]);
    if (command == "keys" && argc == 3)
        return keys(argv[2]);
    if (command == "clipboard") {
        std::printf("clipboard: %s\n", hex(clipboardText(nullptr)).c_str());
        return 0;
    }
    if (command == "boxes")
        return boxes();
    if (command == "close")
        return close();
    std::fprintf(stderr, "helper: unknown command\n");
    return 2;
}
