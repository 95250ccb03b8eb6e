#ifndef QUILLON_TYPING_KEYINJECTOR_H
#define QUILLON_TYPING_KEYINJECTOR_H

#include "typing/keybackend.h"
#include "typing/keymapping.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

// What the pauses between keys are measured and waited on. Tests give one that records the
// pauses instead of waiting; the Windows check one that pumps its window messages meanwhile.
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
// to the platform's backend, and paces them. Free of Qt so that it can be built for any platform
// and tried on its own.
class KeyInjector
{
public:
    static constexpr std::chrono::milliseconds keyInterval{40};

    explicit KeyInjector(std::unique_ptr<KeyBackend> backend,
                         std::unique_ptr<KeyClock> clock = std::make_unique<KeyClock>());
    virtual ~KeyInjector();
    KeyInjector(const KeyInjector &) = delete;
    KeyInjector &operator=(const KeyInjector &) = delete;

    // Types a processed line: every byte takes one slot, whether or not it gives a key, and is
    // followed by the pause that paces the receiving application, the last one included. The
    // interval counts from when the backend has handed the key over (on X11: the server has taken
    // it), so that a key the system takes late is not followed too soon by the next.
    // No key is typed while a modifier the program did not press is in force: the pipeline waits
    // for it to be let go, up to modifierWait, before the key. Returns the bytes it did not type
    // (a modifier held past that, or a backend that cannot type), empty when the line went out.
    virtual std::string typeLine(std::string_view bytes);

    static constexpr std::chrono::milliseconds modifierPoll{100};
    static constexpr std::chrono::milliseconds defaultModifierWait{10000};
    void setModifierWait(std::chrono::milliseconds wait) { modifierWait = wait; }

    // The line the last bytes belonged to is gone (the device was lost): a line feed that comes
    // next does not complete its carriage return.
    void forgetLine() { mapper = ByteKeyMapper(); }

private:
    bool waitUntilModifiersAreLetGo(const KeyStroke &stroke);
    bool prepareNextSlot(std::string_view rest);

    std::unique_ptr<KeyBackend> backend;
    std::unique_ptr<KeyClock> clock;
    ByteKeyMapper mapper;
    std::chrono::milliseconds modifierWait = defaultModifierWait;
    bool toldOfHeldModifier = false;
};

// The pipeline around the backend for this platform and session (see createKeyBackend).
std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform);

// The clock the platform's pipeline waits on.
std::unique_ptr<KeyClock> createKeyClock();

#endif
