#ifndef QUILLON_TYPING_LINUX_X11_X11SPAREKEYS_H
#define QUILLON_TYPING_LINUX_X11_X11SPAREKEYS_H

#include "typing/linux/x11/x11layout.h"

#include <chrono>
#include <map>
#include <vector>

// Spare (empty) keycodes that carry, for the moment, characters the layout lacks, the least
// recently used one first.
class X11SpareKeys
{
public:
    using Clock = std::chrono::steady_clock;

    // A spare key is bound to another character only once its last key is this old. An
    // application reads the keymap when it gets round to the key's event, which may be seconds
    // later if it is busy; until then the key must still carry the character it was pressed for.
    static constexpr std::chrono::seconds safeAge{5};
    // At exit the spare keys are unbound no sooner than this after the last key typed on one.
    static constexpr std::chrono::milliseconds exitGrace{1000};

    X11SpareKeys(Display *display, X11Layout &layout);

    // Finds the empty keys of the layout just read; the ones bound here stay spares, unless the
    // new map gives them another symbol (the user's xmodmap or setxkbmap): those are theirs now.
    void findAmong(const X11Layout &layout);

    bool owns(KeyCode code) const { return bindings.count(code) != 0; }
    bool empty() const { return spares.empty(); }

    // Binds the keysym to the least recently used spare, once that is old enough: the wait
    // keeps every character exact for an application that lags behind, at the price of pacing
    // in a long run of characters the layout lacks. 0 where the server refused the binding.
    KeyCode bind(KeySym keysym);

    // Notes that a key was just typed on this spare.
    void used(KeyCode code);

    // Unbinds every spare that still carries what was bound to it, once the last key typed on one
    // is exitGrace old.
    void unbindAll();

private:
    void bindKeycode(KeyCode code, KeySym keysym);

    Display *display;
    X11Layout &layout;
    std::vector<KeyCode> spares;
    std::map<KeyCode, KeySym> bindings;
    std::map<KeyCode, Clock::time_point> lastUse;
    Clock::time_point lastUseOfAny;
};

#endif
