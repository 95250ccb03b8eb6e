#include "keyinjector.h"

#include <cstdio>
#include <thread>

void KeyInjector::pauseAfterKey()
{
    std::this_thread::sleep_for(keyInterval);
}

namespace {

class UnavailableKeyInjector : public KeyInjector
{
public:
    explicit UnavailableKeyInjector(std::string reason) : reason(std::move(reason)) {}

    void typeByte(unsigned char) override
    {
        if (warned)
            return;
        warned = true;
        std::fprintf(stderr,
                     "quillon: cannot type into other applications: %s. Received data is not "
                     "typed; log mode works as usual.\n",
                     reason.c_str());
    }

private:
    std::string reason;
    bool warned = false;
};

} // namespace

std::unique_ptr<KeyInjector> createUnavailableKeyInjector(std::string reason)
{
    return std::make_unique<UnavailableKeyInjector>(std::move(reason));
}
