#ifndef QUILLON_TYPING_KEYINJECTOR_H
#define QUILLON_TYPING_KEYINJECTOR_H

#include "typing/keybackend.h"
#include "typing/keymapping.h"
#include "typing/lineends.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

// What the pauses between keys are measured and waited on. On Windows it also keeps the window
// answering the system's "is it responding" check (typing/platform.h); tests give one that records
// the pauses instead of waiting, the Windows check one that pumps its window messages meanwhile.
class KeyClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~KeyClock() = default;
    virtual TimePoint now() { return std::chrono::steady_clock::now(); }
    // Returns at `due`, not before.
    virtual void waitUntil(TimePoint due);
};

// The typing pipeline: turns received bytes into key strokes by the one byte policy, hands them
// to the platform's backend, and paces them. Its own code uses no Qt, so that it can be built for
// any platform and tried on its own.
class KeyInjector
{
public:
    static constexpr std::chrono::milliseconds keyInterval{40};

    explicit KeyInjector(std::unique_ptr<KeyBackend> backend,
                         std::unique_ptr<KeyClock> clock = std::make_unique<KeyClock>());
    virtual ~KeyInjector();
    KeyInjector(const KeyInjector &) = delete;
    KeyInjector &operator=(const KeyInjector &) = delete;

    // Types a processed line, whose first byte follows the line ends as `lineEnds` stands: every
    // byte takes one slot, whether or not it gives a key, and is followed by the pause that paces
    // the receiving application, the last one included. The interval counts from when the backend
    // has handed the key over (on X11: the server has taken it), so that a key the system takes
    // late is not followed too soon by the next.
    // No key ever reaches one of the program's own windows: while one is active the line is not
    // typed, and where the platform sees the focus the line stops at the key that would. No key
    // is typed while a modifier the program did not press is in force: the pipeline waits for it
    // to be let go, up to modifierWait, before the key. Returns the bytes it did not type (the
    // own window, a modifier held past that, a backend that cannot type), empty when the line
    // went out.
    virtual std::string typeLine(std::string_view bytes, LineEnds lineEnds);
    // A line that starts a stream.
    std::string typeLine(std::string_view bytes) { return typeLine(bytes, LineEnds()); }

    static constexpr std::chrono::milliseconds modifierPoll{100};
    static constexpr std::chrono::milliseconds defaultModifierWait{10000};
    void setModifierWait(std::chrono::milliseconds wait) { modifierWait = wait; }

    // The program's own windows, which must outlive the pipeline; null for none.
    void setOwnWindows(const OwnWindows *windows);

private:
    bool keyMayGoOut(const KeyStroke &stroke);
    bool bindKeyForNextSlot(const ByteKeyMapper &mapper, std::string_view rest);

    std::unique_ptr<KeyBackend> backend;
    std::unique_ptr<KeyClock> clock;
    const OwnWindows *ownWindows;
    std::chrono::milliseconds modifierWait = defaultModifierWait;
};

// The pipeline around the backend for this platform and session (see typing/platform.h).
std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform);

#endif
