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

    // Returns once the system has taken the key, as far as the platform can tell; false if it
    // could not be typed (the system's input service is gone). Never called with
    // KeyStroke::Key::NoKey.
    virtual bool pressAndRelease(const KeyStroke &stroke) = 0;

    // Called before the keys of each received line; a backend makes sure there that what it
    // relies on is still in place, and sets itself up again after a failure. False if it cannot
    // type the line.
    virtual bool prepareLine() { return true; }

    // Whether a modifier that the program did not press is in force now and would combine with
    // the stroke into another key or a shortcut: held by the user's hand, by another program, or
    // stuck. Caps Lock and Num Lock do not count.
    virtual bool modifierHeldFor(const KeyStroke &stroke)
    {
        (void)stroke;
        return false;
    }

    // Binds a key for the character of the next slot's stroke if the layout lacks one, so that
    // the receiving application has a pause between that change and the key. True if it changed
    // the keyboard mapping.
    virtual bool bindKeyIfLacking(const KeyStroke &stroke)
    {
        (void)stroke;
        return false;
    }
};

// The backend for the platform and session this process runs in, given the name of the GUI
// platform in use ("xcb", "wayland", ...); it says on stderr which it chose. Never null: where
// nothing can be typed, the result says so once on stderr and types nothing.
std::unique_ptr<KeyBackend> createKeyBackend(const std::string &guiPlatform);

std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason);

// Tells the user something they must know without a box in the way of typing: on stderr and,
// where the platform has them, as a desktop notification.
void tellUser(const std::string &summary, const std::string &detail);

#endif
