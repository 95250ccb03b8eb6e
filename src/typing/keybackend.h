#ifndef QUILLON_TYPING_KEYBACKEND_H
#define QUILLON_TYPING_KEYBACKEND_H

#include "notices/notices.h"
#include "typing/keymapping.h"

#include <cstdint>
#include <memory>
#include <string>

// The program's own windows, which no key may reach: Tab would walk their controls, a space
// toggle a check box, Return press a button, a letter pick a list entry.
class OwnWindows
{
public:
    virtual ~OwnWindows() = default;
    // Whether one of them is the active window, as the GUI last heard: it hears late that the
    // user clicked elsewhere, and nothing while a line is being typed.
    virtual bool oneIsActive() const = 0;
    // Whether the platform's window `nativeId` (an X11 window, a Windows HWND) is one of them.
    virtual bool owns(std::uintptr_t nativeId) const = 0;
};

// Whether a key may go out now.
enum class KeyVerdict
{
    Go,
    // A modifier that the program did not press is in force and would combine with the key
    // into another key or a shortcut: held by the user's hand, by another program, or stuck.
    // Caps Lock and Num Lock do not count.
    WaitForModifier,
    // One of the program's own windows has the keyboard focus.
    StopOwnWindow,
};

// One platform's way of pressing and releasing a key in whichever application has the focus.
// Backends only translate; the byte policy and the pacing belong to the typing pipeline.
class KeyBackend
{
public:
    virtual ~KeyBackend() = default;

    // Returns once the system has taken the key, as far as the platform can tell; false if the
    // press did not go out: the system's input service is gone or refused it, or no key can be
    // had for the character. A press that went out counts as typed, even where its release
    // failed; the backend then tries the release again, so that no key stays down. Never called
    // with KeyStroke::Key::NoKey.
    virtual bool pressAndRelease(const KeyStroke &stroke) = 0;

    // Called before the keys of each received line; a backend makes sure there that what it
    // relies on is still in place, and sets itself up again after a failure. False if it cannot
    // type the line.
    virtual bool prepareLine() { return true; }

    // Whether the stroke's key may go out now, as far as the platform can tell without the GUI's
    // event loop: where it sees the keyboard focus, not into one of `own`. A platform that cannot
    // see the focus (Wayland) has only what the GUI last heard.
    virtual KeyVerdict verdictFor(const KeyStroke &stroke, const OwnWindows &own)
    {
        (void)stroke;
        return own.oneIsActive() ? KeyVerdict::StopOwnWindow : KeyVerdict::Go;
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

// A backend that types nothing, having told the user why.
std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason);

#endif
