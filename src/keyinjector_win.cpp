// Typing through the Windows input service.
#include "keyinjector.h"
#include "winkeyrecords.h"

#include <windows.h>

static_assert(sizeof(void *) != 4 || sizeof(INPUT) == 28,
              "SendInput takes 28-byte records on 32-bit Windows");

namespace {

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

class WindowsKeyInjector : public KeyInjector
{
public:
    // The default timer resolution (15.6 ms) would make the 40 ms pauses uneven.
    WindowsKeyInjector() { timeBeginPeriod(1); }
    ~WindowsKeyInjector() override { timeEndPeriod(1); }
    WindowsKeyInjector(const WindowsKeyInjector &) = delete;
    WindowsKeyInjector &operator=(const WindowsKeyInjector &) = delete;

protected:
    // The press and the release each go in a call of their own.
    void sendKey(unsigned char byte) override
    {
        for (const WinKeyRecord &record : winKeyRecordsFor(byte)) {
            INPUT input = inputFrom(record);
            SendInput(1, &input, sizeof(INPUT));
        }
    }
};

} // namespace

std::unique_ptr<KeyInjector> createKeyInjector(const std::string &)
{
    return std::make_unique<WindowsKeyInjector>();
}
