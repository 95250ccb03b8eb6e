#ifndef QUILLON_TYPING_LINUX_X11_X11LAYOUT_H
#define QUILLON_TYPING_LINUX_X11_X11LAYOUT_H

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

// Where a key sits: its keycode, and whether Shift selects the level.
struct KeyLocation
{
    KeyCode code = 0;
    bool shifted = false;
};

// The keyboard map as XKB has it, read again whenever it changes, and where a keysym is typed
// in the group the user has switched to.
class X11Layout
{
public:
    explicit X11Layout(Display *display);
    ~X11Layout();
    X11Layout(const X11Layout &) = delete;
    X11Layout &operator=(const X11Layout &) = delete;

    // False where the map cannot be read; the last one read then stays in use.
    bool load();

    // A key of the group in force that gives the keysym with no modifier, or else with Shift
    // alone; code 0 where the layout lacks it.
    KeyLocation locate(KeySym keysym, int group) const;

    bool isEmptyKey(int code) const { return XkbKeyNumGroups(keymap, code) == 0; }
    // The key's symbol in its first group and level; NoSymbol for an empty key.
    KeySym firstSymbol(int code) const;
    int minKeycode() const { return lowest; }
    int maxKeycode() const { return highest; }
    // The core protocol's width of the map, which a binding must fill on every level.
    int symbolsPerKeycode() const { return width; }
    KeyCode shiftKey() const { return shift; }

private:
    int groupOfKey(int keycode, int group) const;

    Display *display;
    XkbDescPtr keymap = nullptr;
    int lowest = 0;
    int highest = 0;
    int width = 2;
    KeyCode shift = 0;
};

#endif
