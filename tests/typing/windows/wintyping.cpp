// Types through the real Windows typing pipeline and backend into EDIT controls that have the
// focus, and checks what arrives: the text, what a low-level keyboard hook sees, that control
// bytes leave the user's text, selection and clipboard alone, and that no key stays held down.
// Built for 32-bit and 64-bit Windows; the 64-bit build runs under wine. The exit status is the
// verdict.
#include "notices/platform.h"
#include "typing/keyinjector.h"
#include "typing/platform.h"
#include "windows/win32desktop.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace Win32Desktop;

namespace {

struct HookedKey
{
    DWORD virtualKey;
    DWORD scanCode;
    bool withAlt; // Alt was down as the key went down
};

std::vector<HookedKey> hookedPresses;

LRESULT CALLBACK recordPress(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(data);
        hookedPresses.push_back({key->vkCode, key->scanCode, (key->flags & LLKHF_ALTDOWN) != 0});
    }
    return CallNextHookEx(nullptr, code, message, data);
}

// The pipeline's pauses keep this thread's messages flowing: the keyboard hook and the EDIT
// control are served by it.
class PumpingClock : public KeyClock
{
public:
    void waitUntil(TimePoint due) override
    {
        while (now() < due)
            pumpMessagesFor(1);
    }
};

void printEscaped(const char *label, const std::wstring &text)
{
    std::printf("%s:", label);
    for (wchar_t c : text)
        std::printf(" %04X", static_cast<unsigned>(c));
    std::printf("\n");
}

bool check(bool condition, const char *what)
{
    std::printf("%s: %s\n", condition ? "ok  " : "FAIL", what);
    return condition;
}

// "12.5" Tab "é" CR LF "AZ:{" LF "x": CR LF is one line break, the lone LF another.
bool typesTheLineExactly(KeyInjector &keys)
{
    HWND edit = createFocusedEdit(L"");
    hookedPresses.clear();
    keys.typeLine("12.5\t\xe9\r\nAZ:{\nx");
    const std::wstring expected = L"12.5\t\u00e9\r\nAZ:{\r\nx";
    const std::wstring typed = textOf(edit);
    if (typed != expected) {
        printEscaped("expected", expected);
        printEscaped("typed   ", typed);
    }
    bool passed = check(typed == expected, "the line arrives exactly, one break per line end");

    const HookedKey tab = hookedPresses.size() > 4 ? hookedPresses[4] : HookedKey{};
    const HookedKey ret = hookedPresses.size() > 6 ? hookedPresses[6] : HookedKey{};
    const HookedKey character = hookedPresses.empty() ? HookedKey{} : hookedPresses[0];
    std::printf("hook: %zu presses; Tab vk %02lX scan %02lX; CR vk %02lX scan %02lX; '1' vk %02lX "
                "scan %04lX\n",
                hookedPresses.size(), tab.virtualKey, tab.scanCode, ret.virtualKey, ret.scanCode,
                character.virtualKey, character.scanCode);
    passed &= check(hookedPresses.size() == 13, "one press per key: 13 (the LF after CR is none)");
    passed &= check(tab.virtualKey == VK_TAB && tab.scanCode == 0x0F, "Tab is VK_TAB, scan 0x0F");
    passed &=
        check(ret.virtualKey == VK_RETURN && ret.scanCode == 0x1C, "CR is VK_RETURN, scan 0x1C");
    passed &= check(character.virtualKey == VK_PACKET && character.scanCode == L'1',
                    "a character is VK_PACKET carrying it");
    DestroyWindow(edit);
    return passed;
}

// Bytes that give no key: the text, the selection and the clipboard stay as the user left them.
bool controlBytesLeaveTheDocumentAlone(KeyInjector &keys)
{
    const std::wstring text = L"reading 12.5 g";
    HWND edit = createFocusedEdit(text.c_str());
    SendMessageW(edit, EM_SETSEL, 8, 12);
    const std::wstring clipboard = L"the user's clipboard";
    if (!check(setClipboardText(edit, clipboard), "the clipboard can be set"))
        return false;

    std::string bytes;
    for (int value = 0; value < 0xA0; ++value) {
        const bool keyOrCharacter =
            value == 0x09 || value == 0x0A || value == 0x0D || (value >= 0x20 && value <= 0x7E);
        if (!keyOrCharacter)
            bytes += static_cast<char>(value);
    }
    hookedPresses.clear();
    keys.typeLine(bytes);

    DWORD selectionStart = 0, selectionEnd = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    std::printf("%zu control bytes typed: %zu key presses; selection %lu-%lu\n", bytes.size(),
                hookedPresses.size(), selectionStart, selectionEnd);
    bool passed = check(hookedPresses.empty(), "no key reaches the system");
    passed &= check(textOf(edit) == text, "text unchanged");
    passed &= check(selectionStart == 8 && selectionEnd == 12, "selection unchanged");
    passed &= check(clipboardText(edit) == clipboard, "clipboard unchanged");
    DestroyWindow(edit);
    return passed;
}

bool keyHeld(int virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

void sendKey(WORD virtualKey, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// The other program: holds Alt for a while, as a user's hand (or a stuck key) would.
int holdAlt(DWORD milliseconds)
{
    sendKey(VK_MENU, true);
    Sleep(milliseconds);
    sendKey(VK_MENU, false);
    return 0;
}

bool startHoldingAlt(DWORD milliseconds)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" --hold-alt " + std::to_wstring(milliseconds);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int poll = 0; poll < 200 && !keyHeld(VK_MENU); ++poll)
        pumpMessagesFor(10);
    return keyHeld(VK_MENU);
}

// Alt held by another program while a line with Tab and Return comes: nothing is typed until it
// is let go (no Alt+Tab, no Alt+Return), then the line exactly.
bool heldAltIsWaitedFor(KeyInjector &keys)
{
    HWND edit = createFocusedEdit(L"");
    if (!check(startHoldingAlt(700), "another program holds Alt"))
        return false;
    hookedPresses.clear();
    keys.typeLine("a\tb\r");
    const std::wstring typed = textOf(edit);
    bool combined = false;
    for (const HookedKey &key : hookedPresses)
        combined |= key.withAlt && key.virtualKey != VK_MENU && key.virtualKey != VK_LMENU;
    bool passed = check(typed == L"a\tb\r\n", "the line arrives exactly once Alt is let go");
    passed &= check(!combined, "no typed key went down with Alt");
    DestroyWindow(edit);
    return passed;
}

// The GUI has not yet heard that the program's own window came to the front: no key may go out.
class OwnWindowInFront : public OwnWindows
{
public:
    explicit OwnWindowInFront(HWND window) : window(window) {}
    bool oneIsActive() const override { return false; }
    bool owns(std::uintptr_t id) const override
    {
        return id == reinterpret_cast<std::uintptr_t>(window);
    }

private:
    HWND window;
};

bool ownWindowGetsNoKey(KeyInjector &keys)
{
    HWND edit = createFocusedEdit(L"");
    const OwnWindowInFront own(edit);
    keys.setOwnWindows(&own);
    hookedPresses.clear();
    const std::string untyped = keys.typeLine("W4 \tW5\r");
    keys.setOwnWindows(nullptr);
    bool passed = check(untyped == "W4 \tW5\r", "the line comes back not typed");
    passed &= check(hookedPresses.empty() && textOf(edit).empty(), "no key reaches the own window");
    DestroyWindow(edit);
    return passed;
}

// Waits of more than the 5 s after which Windows takes a window for one that does not respond (a
// long line, a held modifier): the window still responds, and nothing was dispatched meanwhile.
bool longWaitsKeepTheWindowResponding()
{
    HWND edit = createFocusedEdit(L"");
    PostMessageW(edit, WM_CHAR, L'x', 0);
    const std::unique_ptr<KeyClock> clock = createKeyClock();
    const KeyClock::TimePoint end = clock->now() + std::chrono::milliseconds(5500);
    while (clock->now() < end)
        clock->waitUntil(clock->now() + KeyInjector::modifierPoll);
    bool passed = check(!IsHungAppWindow(edit), "the window responds after 5.5 s of waits");
    passed &= check(textOf(edit).empty(), "no message was dispatched during the waits");
    pumpMessagesFor(100);
    passed &= check(textOf(edit) == L"x", "the message is handled afterwards");
    DestroyWindow(edit);
    return passed;
}

} // namespace

// The program shows notices from its tray icon, which needs Qt; here stderr says them.
NoticeDisplay *platformNoticeDisplay()
{
    return nullptr;
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--hold-alt")
        return holdAlt(static_cast<DWORD>(std::stoul(argv[2])));

    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, recordPress, GetModuleHandleW(nullptr), 0);
    if (!check(hook != nullptr, "the low-level keyboard hook is installed"))
        return 2;

    KeyInjector keys(createKeyBackend("windows"), std::make_unique<PumpingClock>());
    bool passed = typesTheLineExactly(keys);
    passed &= controlBytesLeaveTheDocumentAlone(keys);
    passed &= heldAltIsWaitedFor(keys);
    passed &= ownWindowGetsNoKey(keys);
    passed &= longWaitsKeepTheWindowResponding();
    for (int key : {VK_RETURN, VK_TAB, VK_PACKET, VK_MENU}) {
        if (keyHeld(key))
            passed = check(false, "a typed key is still held down");
    }
    UnhookWindowsHookEx(hook);
    std::printf("%s\n", passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}
