#include "typing/linux/x11/x11layout.h"

#include <X11/keysym.h>

#include <algorithm>

namespace {

// The modifiers that choose this level of the key type: none for the first level, Shift alone
// for another; -1 where other modifiers would be needed.
int modifiersForLevel(const XkbKeyTypeRec &type, int level)
{
    if (level == 0)
        return 0;
    for (int i = 0; i < type.map_count; ++i) {
        const XkbKTMapEntryRec &entry = type.map[i];
        if (entry.active && entry.level == level && entry.mods.mask == ShiftMask)
            return ShiftMask;
    }
    return -1;
}

} // namespace

X11Layout::X11Layout(Display *display) : display(display)
{
    XDisplayKeycodes(display, &lowest, &highest);
}

X11Layout::~X11Layout()
{
    XkbFreeKeyboard(keymap, 0, True);
}

bool X11Layout::load()
{
    XkbDescPtr fresh = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (!fresh)
        return false;
    XkbFreeKeyboard(keymap, 0, True);
    keymap = fresh;
    if (KeySym *core = XGetKeyboardMapping(display, static_cast<KeyCode>(lowest), 1, &width))
        XFree(core);
    width = std::max(width, 2);
    shift = XKeysymToKeycode(display, XK_Shift_L);
    return true;
}

// The group a key actually uses when the group in force is beyond the groups it has.
int X11Layout::groupOfKey(int keycode, int group) const
{
    const int groups = XkbKeyNumGroups(keymap, keycode);
    if (group < groups)
        return group;
    const unsigned char info = XkbKeyGroupInfo(keymap, keycode);
    switch (XkbOutOfRangeGroupAction(info)) {
    case XkbRedirectIntoRange:
        return XkbOutOfRangeGroupNumber(info) < groups ? XkbOutOfRangeGroupNumber(info) : 0;
    case XkbClampIntoRange:
        return groups - 1;
    default:
        return group % groups;
    }
}

KeyLocation X11Layout::locate(KeySym keysym, int group) const
{
    if (!keymap)
        return {};
    KeyLocation shifted;
    for (int code = lowest; code <= highest; ++code) {
        if (isEmptyKey(code))
            continue;
        const int keyGroup = groupOfKey(code, group);
        const XkbKeyTypeRec &type = *XkbKeyKeyType(keymap, code, keyGroup);
        for (int level = 0; level < type.num_levels; ++level) {
            if (XkbKeySymEntry(keymap, code, level, keyGroup) != keysym)
                continue;
            const int modifiers = modifiersForLevel(type, level);
            if (modifiers == 0)
                return {static_cast<KeyCode>(code), false};
            if (modifiers == ShiftMask && shifted.code == 0)
                shifted = {static_cast<KeyCode>(code), true};
        }
    }
    return shifted;
}

KeySym X11Layout::firstSymbol(int code) const
{
    if (!keymap || code < lowest || code > highest || isEmptyKey(code))
        return NoSymbol;
    return XkbKeySymEntry(keymap, code, 0, 0);
}
