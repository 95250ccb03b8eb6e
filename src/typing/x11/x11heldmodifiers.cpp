#include "typing/x11/x11heldmodifiers.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <iterator>

void X11HeldModifiers::load()
{
    modifierKeys.clear();
    XModifierKeymap *modifiers = XGetModifierMapping(display);
    if (!modifiers)
        return;
    for (int modifier = 0; modifier < 8; ++modifier) {
        if (modifier == LockMapIndex)
            continue;
        for (int i = 0; i < modifiers->max_keypermod; ++i) {
            const KeyCode code = modifiers->modifiermap[modifier * modifiers->max_keypermod + i];
            if (code != 0)
                modifierKeys.insert(code);
        }
    }
    XFreeModifiermap(modifiers);
}

std::vector<KeyCode> X11HeldModifiers::release()
{
    const std::set<KeyCode> downBefore = keysDown();
    for (KeyCode code : downBefore)
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
    const std::set<KeyCode> stillDown = keysDown();
    std::vector<KeyCode> released;
    std::set_difference(downBefore.begin(), downBefore.end(), stillDown.begin(), stillDown.end(),
                        std::back_inserter(released));
    return released;
}

void X11HeldModifiers::restore(const std::vector<KeyCode> &released)
{
    for (KeyCode code : released)
        XTestFakeKeyEvent(display, code, True, CurrentTime);
}

std::set<KeyCode> X11HeldModifiers::keysDown() const
{
    char keys[32] = {};
    XQueryKeymap(display, keys);
    std::set<KeyCode> down;
    for (KeyCode code : modifierKeys) {
        if (keys[code / 8] & (1 << (code % 8)))
            down.insert(code);
    }
    return down;
}
