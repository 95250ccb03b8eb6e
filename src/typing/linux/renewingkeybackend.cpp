// A way of typing that depends on a service of the session (the compositor, the portal), which
// may fail or go away and come back: it is set up anew for the next line rather than given up.
#include "typing/linux/renewingkeybackend.h"

namespace {

class RenewingKeyBackend : public KeyBackend
{
public:
    RenewingKeyBackend(std::unique_ptr<KeyBackend> first, BackendMaker make)
        : current(std::move(first)), make(std::move(make))
    {
    }

    // The failed backend has said why it stopped, and the user hears that once until a line is
    // typed again (see tellUser); why an attempt to set up a new one failed is not said, since
    // it would only repeat that typing does not work.
    bool prepareLine() override
    {
        if (current && current->prepareLine())
            return true;
        // The old one goes first: it may hold what the new one needs (a bus connection).
        current.reset();
        std::string whyNot;
        current = make(whyNot);
        if (current && current->prepareLine())
            return true;
        current.reset();
        return false;
    }

    // A key that did not go out need not mean a broken backend (X11 may lack a key for one
    // character); one that is broken says so at the next line's preparation.
    bool pressAndRelease(const KeyStroke &stroke) override
    {
        return current && current->pressAndRelease(stroke);
    }

    KeyVerdict verdictFor(const KeyStroke &stroke, const OwnWindows &own) override
    {
        return current ? current->verdictFor(stroke, own) : KeyBackend::verdictFor(stroke, own);
    }

    bool bindKeyIfLacking(const KeyStroke &stroke) override
    {
        return current && current->bindKeyIfLacking(stroke);
    }

private:
    std::unique_ptr<KeyBackend> current;
    BackendMaker make;
};

} // namespace

std::unique_ptr<KeyBackend> renewedWhenItFails(std::unique_ptr<KeyBackend> first, BackendMaker make)
{
    return std::make_unique<RenewingKeyBackend>(std::move(first), std::move(make));
}
