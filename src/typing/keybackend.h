#ifndef QUILLON_TYPING_KEYBACKEND_H
#define QUILLON_TYPING_KEYBACKEND_H

#include "typing/keymapping.h"

#include <memory>
#include <string>

// One platform's way of pressing and releasing a key in whichever application has the focus.
// Backends only translate; the byte policy and the pacing belong to the typing pipeline.
class KeyBackend
{
public:
    virtual ~KeyBackend() = default;

    // Returns once the system has taken the key, as far as the platform can tell. Never called
    // with KeyStroke::Key::NoKey.
    virtual void pressAndRelease(const KeyStroke &stroke) = 0;

    // Called before the keys of each received line; a backend can make sure there that what it
    // relies on is still in place.
    virtual void prepareLine() {}
};

// The backend for the platform and session this process runs in, given the name of the GUI
// platform in use ("xcb", "wayland", ...); it says on stderr which it chose. Never null: where
// nothing can be typed, the result says so once on stderr and types nothing.
std::unique_ptr<KeyBackend> createKeyBackend(const std::string &guiPlatform);

std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason);

#endif
