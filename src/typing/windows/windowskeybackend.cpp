// Typing through the Windows input service.
#include "typing/keyinjector.h"
#include "typing/windows/winkeyrecords.h"

#include <windows.h>

#include <cstdio>

static_assert(sizeof(void *) != 4 || sizeof(INPUT) == 28,
              "SendInput takes 28-byte records on 32-bit Windows");

namespace {

// Windows takes a window whose thread has not looked at its messages for 5 s for one that does
// not respond, and greys it out: a line of more than 125 bytes, or a wait for a held modifier,
// keeps the thread here that long. Each pause looks at the queue, which is what Windows counts,
// and takes nothing from it: nothing is removed, and with only posted messages asked for, no sent
// message is delivered either. So no code of the program's own runs in the middle of a line.
class WindowsKeyClock : public KeyClock
{
public:
    void waitUntil(TimePoint due) override
    {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_POSTMESSAGE);
        KeyClock::waitUntil(due);
    }
};

INPUT inputFrom(const WinKeyRecord &record)
{
    INPUT input = {};
    input.type = record.type;
    input.ki.wVk = record.wVk;
    input.ki.wScan = record.wScan;
    input.ki.dwFlags = record.dwFlags;
    input.ki.time = record.time;
    input.ki.dwExtraInfo = record.dwExtraInfo;
    return input;
}

class WindowsKeyBackend : public KeyBackend
{
public:
    // The default timer resolution (15.6 ms) would make the 40 ms pauses uneven.
    WindowsKeyBackend() { timeBeginPeriod(1); }
    ~WindowsKeyBackend() override { timeEndPeriod(1); }
    WindowsKeyBackend(const WindowsKeyBackend &) = delete;
    WindowsKeyBackend &operator=(const WindowsKeyBackend &) = delete;

    // The press and the release each go in a call of their own.
    bool pressAndRelease(const KeyStroke &stroke) override
    {
        for (const WinKeyRecord &record : winKeyRecordsFor(stroke)) {
            INPUT input = inputFrom(record);
            if (SendInput(1, &input, sizeof(INPUT)) != 1) {
                reportBlockedOnce();
                return false;
            }
        }
        return true;
    }

    // Characters go as Unicode input, which Shift does not change; Tab and Return are real keys,
    // which it does (Shift+Tab goes backwards). Ctrl, Alt and the Windows keys make shortcuts of
    // anything.
    bool modifierHeldFor(const KeyStroke &stroke) override
    {
        const bool realKey = stroke.key != KeyStroke::Key::Character;
        return isDown(VK_CONTROL) || isDown(VK_MENU) || isDown(VK_LWIN) || isDown(VK_RWIN) ||
               (realKey && isDown(VK_SHIFT));
    }

private:
    static bool isDown(int virtualKey) { return GetAsyncKeyState(virtualKey) & 0x8000; }

    // Windows refuses input into a program running with higher rights (UIPI) without a word but
    // this result; the user should learn why nothing arrives.
    void reportBlockedOnce()
    {
        if (reported)
            return;
        reported = true;
        std::fprintf(stderr,
                     "quillon: Windows refused a key (error %lu); the focused program may run "
                     "with higher rights than Quillon\n",
                     GetLastError());
    }

    bool reported = false;
};

} // namespace

void tellUser(const std::string &summary, const std::string &detail)
{
    std::fprintf(stderr, "quillon: %s. %s\n", summary.c_str(), detail.c_str());
}

std::unique_ptr<KeyBackend> createKeyBackend(const std::string &)
{
    return std::make_unique<WindowsKeyBackend>();
}

std::unique_ptr<KeyClock> createKeyClock()
{
    return std::make_unique<WindowsKeyClock>();
}
