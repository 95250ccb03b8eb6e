#include "keyinjector.h"

#include <cstdio>
#include <thread>

KeyInjector::KeyInjector(std::unique_ptr<KeyBackend> backend) : backend(std::move(backend)) {}

KeyInjector::~KeyInjector() = default;

void KeyInjector::typeByte(unsigned char byte)
{
    const KeyStroke stroke = mapper.map(byte);
    if (stroke.key != KeyStroke::Key::NoKey)
        backend->pressAndRelease(stroke);
    keyHandedOver = std::chrono::steady_clock::now();
}

void KeyInjector::pauseAfterKey()
{
    // A sleeping thread often wakes a millisecond or more late; the last stretch is waited out
    // awake, so that the receiving application gets its keys evenly spaced.
    constexpr std::chrono::microseconds wakeUpMargin{1500};
    const auto due = keyHandedOver + keyInterval;
    std::this_thread::sleep_until(due - wakeUpMargin);
    while (std::chrono::steady_clock::now() < due) {
    }
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
