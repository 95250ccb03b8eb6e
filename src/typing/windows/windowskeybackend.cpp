// Typing through the Windows input service.
#include "typing/keyinjector.h"
#include "typing/platform.h"
#include "typing/windows/winkeyrecords.h"

#include <windows.h>

#include <optional>
#include <string>

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
    ~WindowsKeyBackend() override
    {
        releaseHeldKey();
        timeEndPeriod(1);
    }

    WindowsKeyBackend(const WindowsKeyBackend &) = delete;
    WindowsKeyBackend &operator=(const WindowsKeyBackend &) = delete;

    // The press and the release each go in a call of their own. A release that Windows refused
    // is sent again before anything else, so that the key does not stay down.
    bool pressAndRelease(const KeyStroke &stroke) override
    {
        if (!releaseHeldKey())
            return false;
        const std::array<WinKeyRecord, 2> records = winKeyRecordsFor(stroke);
        if (!send(records[0])) {
            reportRefused();
            return false;
        }
        heldKey = records[1];
        releaseHeldKey();
        return true;
    }

    bool prepareLine() override { return releaseHeldKey(); }

    // The window in front gets the keys. Characters go as Unicode input, which Shift does not
    // change; Tab and Return are real keys, which it does (Shift+Tab goes backwards). Ctrl, Alt
    // and the Windows keys make shortcuts of anything.
    KeyVerdict verdictFor(const KeyStroke &stroke, const OwnWindows &own) override
    {
        if (own.owns(reinterpret_cast<std::uintptr_t>(GetForegroundWindow())))
            return KeyVerdict::StopOwnWindow;
        const bool realKey = stroke.key != KeyStroke::Key::Character;
        const bool combines = isDown(VK_CONTROL) || isDown(VK_MENU) || isDown(VK_LWIN) ||
                              isDown(VK_RWIN) || (realKey && isDown(VK_SHIFT));
        return combines ? KeyVerdict::WaitForModifier : KeyVerdict::Go;
    }

private:
    static bool isDown(int virtualKey) { return GetAsyncKeyState(virtualKey) & 0x8000; }

    static bool send(const WinKeyRecord &record)
    {
        INPUT input = inputFrom(record);
        return SendInput(1, &input, sizeof(INPUT)) == 1;
    }

    // Tried again before each line and each key, and when the program ends; false while the key
    // is still down.
    bool releaseHeldKey()
    {
        if (!heldKey)
            return true;
        if (send(*heldKey)) {
            heldKey.reset();
            return true;
        }
        tellUser(noticeText(QT_TRANSLATE_NOOP("Notices",
                                              "Windows refused to let go of a key Quillon typed")),
                 noticeText(QT_TRANSLATE_NOOP("Notices",
                                              "The focused program may run with higher rights than "
                                              "Quillon (error %1). Quillon tries again before the "
                                              "next key; readings wait in Quillon's data log "
                                              "meanwhile."),
                            {std::to_string(GetLastError())}),
                 NoticeEnd::LineTyped);
        return false;
    }

    // Windows refuses input into a program running with higher rights (UIPI) without a word but
    // this result; the user should learn why nothing arrives.
    static void reportRefused()
    {
        tellUser(noticeText(QT_TRANSLATE_NOOP("Notices", "Windows refused a key")),
                 noticeText(QT_TRANSLATE_NOOP("Notices",
                                              "The focused program may run with higher rights than "
                                              "Quillon (error %1). What was not typed is in "
                                              "Quillon's data log."),
                            {std::to_string(GetLastError())}),
                 NoticeEnd::LineTyped);
    }

    std::optional<WinKeyRecord> heldKey; // a press went out, its release not yet
};

} // namespace

std::unique_ptr<KeyBackend> createKeyBackend(const std::string &)
{
    return std::make_unique<WindowsKeyBackend>();
}

std::unique_ptr<KeyClock> createKeyClock()
{
    return std::make_unique<WindowsKeyClock>();
}
