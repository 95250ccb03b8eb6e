#include "typing/keyinjector.h"

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

void KeyInjector::typeLine(std::string_view bytes)
{
    backend->prepareLine();
    for (const char byte : bytes) {
        typeByte(static_cast<unsigned char>(byte));
        clock->waitUntil(clock->now() + keyInterval);
    }
}

void KeyInjector::typeByte(unsigned char byte)
{
    const KeyStroke stroke = mapper.map(byte);
    if (stroke.key != KeyStroke::Key::NoKey)
        backend->pressAndRelease(stroke);
}

std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform)
{
    return std::make_unique<KeyInjector>(createKeyBackend(guiPlatform));
}

namespace {

class UnavailableKeyBackend : public KeyBackend
{
public:
    explicit UnavailableKeyBackend(const std::string &reason)
    {
        std::fprintf(stderr,
                     "quillon: cannot type into other applications: %s. Received data is not "
                     "typed; log mode works as usual.\n",
                     reason.c_str());
    }

    void pressAndRelease(const KeyStroke &) override {}
};

} // namespace

std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason)
{
    return std::make_unique<UnavailableKeyBackend>(reason);
}
