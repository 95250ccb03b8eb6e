#ifndef QUILLON_KEYINJECTOR_H
#define QUILLON_KEYINJECTOR_H

#include <chrono>
#include <memory>
#include <string>

// Types received bytes into whichever application has the keyboard focus, one byte a call.
// Free of Qt so that platform backends can be built and tried on their own.
class KeyInjector
{
public:
    static constexpr std::chrono::milliseconds keyInterval{40};

    virtual ~KeyInjector() = default;

    // Presses and releases the key this byte stands for; some bytes stand for no key.
    void typeByte(unsigned char byte)
    {
        keyStarted = std::chrono::steady_clock::now();
        sendKey(byte);
    }

    // Blocks for the pause that paces the receiving application, after every byte. The interval
    // counts from the start of the key, so the time spent sending it does not stretch it.
    virtual void pauseAfterKey();

protected:
    virtual void sendKey(unsigned char byte) = 0;

private:
    std::chrono::steady_clock::time_point keyStarted;
};

// The injector for the platform and session this process runs in, given the name of the GUI
// platform in use ("xcb", "wayland", ...); it says on stderr which it chose. Never null: where
// nothing can be typed, the result says so once on stderr and keeps the pacing.
std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform);

std::unique_ptr<KeyInjector> createUnavailableKeyInjector(std::string reason);

#endif
