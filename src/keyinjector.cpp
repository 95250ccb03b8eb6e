#include "keyinjector.h"

#include <cstdio>
#include <thread>

void KeyInjector::pauseAfterKey()
{
    // A sleeping thread often wakes a millisecond or more late; the last stretch is waited out
    // awake, so that the receiving application gets its keys evenly spaced.
    constexpr std::chrono::microseconds wakeUpMargin{1500};
    const auto due = keyStarted + keyInterval;
    std::this_thread::sleep_until(due - wakeUpMargin);
    while (std::chrono::steady_clock::now() < due) {
    }
}

namespace {

class UnavailableKeyInjector : public KeyInjector
{
public:
    explicit UnavailableKeyInjector(const std::string &reason)
    {
        std::fprintf(stderr,
                     "quillon: cannot type into other applications: %s. Received data is not "
                     "typed; log mode works as usual.\n",
                     reason.c_str());
    }

protected:
    void sendKey(unsigned char) override {}
};

} // namespace

std::unique_ptr<KeyInjector> createUnavailableKeyInjector(std::string reason)
{
    return std::make_unique<UnavailableKeyInjector>(reason);
}
