#include "typing/keyinjector.h"

#include <algorithm>
#include <cstdio>
#include <thread>

void KeyClock::waitUntil(TimePoint due)
{
    // A sleeping thread often wakes a millisecond or more late; the last stretch is waited out
    // awake, so that the receiving application gets its keys evenly spaced.
    constexpr std::chrono::microseconds wakeUpMargin{1500};
    std::this_thread::sleep_until(due - wakeUpMargin);
    while (std::chrono::steady_clock::now() < due) {
    }
}

KeyInjector::KeyInjector(std::unique_ptr<KeyBackend> backend, std::unique_ptr<KeyClock> clock)
    : backend(std::move(backend)), clock(std::move(clock))
{
}

KeyInjector::~KeyInjector() = default;

std::string KeyInjector::typeLine(std::string_view bytes)
{
    if (!backend->prepareLine())
        return std::string(bytes);
    if (prepareNextSlot(bytes))
        clock->waitUntil(clock->now() + keyInterval);
    for (size_t index = 0; index < bytes.size(); ++index) {
        const KeyStroke stroke = mapper.map(static_cast<unsigned char>(bytes[index]));
        if (stroke.key != KeyStroke::Key::NoKey &&
            (!waitUntilModifiersAreLetGo(stroke) || !backend->pressAndRelease(stroke)))
            return std::string(bytes.substr(index));
        const KeyClock::TimePoint due = clock->now() + keyInterval;
        const bool remapped = prepareNextSlot(bytes.substr(index + 1));
        // A binding that had to wait for a spare key to come free may end after `due`; its key
        // still gets a whole pause after it.
        clock->waitUntil(remapped ? std::max(due, clock->now() + keyInterval) : due);
    }
    toldOfHeldModifier = false;
    return {};
}

// The pause before a key is where its key binding goes.
bool KeyInjector::prepareNextSlot(std::string_view rest)
{
    return !rest.empty() && backend->prepareStroke(ByteKeyMapper(mapper).map(
                                static_cast<unsigned char>(rest.front())));
}

// Someone else's modifier is never let go and pressed again for them (if they let go meanwhile,
// that press would leave it stuck); the key waits instead, as a careful typist would.
bool KeyInjector::waitUntilModifiersAreLetGo(const KeyStroke &stroke)
{
    const KeyClock::TimePoint giveUpAt = clock->now() + modifierWait;
    while (backend->modifierHeldFor(stroke)) {
        if (clock->now() >= giveUpAt) {
            if (!toldOfHeldModifier)
                tellUser("Quillon did not type a reading",
                         "A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held "
                         "down, which would have turned the reading into shortcuts. What was not "
                         "typed is in Quillon's data log.");
            toldOfHeldModifier = true;
            return false;
        }
        clock->waitUntil(clock->now() + modifierPoll);
    }
    return true;
}

std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform)
{
    return std::make_unique<KeyInjector>(createKeyBackend(guiPlatform), createKeyClock());
}

namespace {

class UnavailableKeyBackend : public KeyBackend
{
public:
    explicit UnavailableKeyBackend(const std::string &reason)
    {
        std::fprintf(stderr,
                     "quillon: cannot type into other applications: %s. Received data is not "
                     "typed but shown in the data log.\n",
                     reason.c_str());
    }

    bool prepareLine() override { return false; }
    bool pressAndRelease(const KeyStroke &) override { return false; }
};

} // namespace

std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason)
{
    return std::make_unique<UnavailableKeyBackend>(reason);
}
