#ifndef QUILLON_TYPING_X11_X11HELDMODIFIERS_H
#define QUILLON_TYPING_X11_X11HELDMODIFIERS_H

#include <X11/Xlib.h>

#include <set>
#include <vector>

// Held Shift, Ctrl, Alt, Super or AltGr would turn a typed key into another key or a shortcut:
// the modifier keys that are down are let go for the key and pressed again after it.
class X11HeldModifiers
{
public:
    static constexpr unsigned mask =
        ShiftMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

    explicit X11HeldModifiers(Display *display) : display(display) {}

    // Reads which keycodes are modifiers (all but Caps Lock), after every keymap change.
    void load();

    // Lets go of the modifier keys that are down and returns those that did go up. A key held on
    // another input device cannot be let go through XTEST; pressing it again afterwards would
    // leave it stuck once the user lets go, so it is not among them.
    std::vector<KeyCode> release();

    // Presses again what release() let go.
    void restore(const std::vector<KeyCode> &released);

private:
    std::set<KeyCode> keysDown() const;

    Display *display;
    std::set<KeyCode> modifierKeys;
};

#endif
