// Typing through the X server's XTEST extension.
#include "keyinjector_linux.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct KeyLocation
{
    KeyCode code = 0;
    bool shifted = false;
};

// Types characters through keys of the current layout, and binds characters the layout lacks to
// spare (empty) keycodes. A binding stays until its spare is needed again, because the receiving
// application may read the keymap only after the key event has reached it.
class X11KeyBackend : public KeyBackend
{
public:
    explicit X11KeyBackend(Display *display) : display(display)
    {
        XDisplayKeycodes(display, &minKeycode, &maxKeycode);
        shiftKey = XKeysymToKeycode(display, XK_Shift_L);
        watchModifiers();
        loadKeymap();
    }

    ~X11KeyBackend() override
    {
        for (const auto &binding : spareBindings)
            bindKeycode(binding.first, NoSymbol);
        XSync(display, False);
        XCloseDisplay(display);
    }

    X11KeyBackend(const X11KeyBackend &) = delete;
    X11KeyBackend &operator=(const X11KeyBackend &) = delete;

    void pressAndRelease(const KeyStroke &stroke) override
    {
        if (stroke.key == KeyStroke::Key::Tab)
            typeKeysym(XK_Tab, false);
        else if (stroke.key == KeyStroke::Key::Return)
            typeKeysym(XK_Return, false);
        else // Latin-1 keysyms carry the character's code point.
            typeKeysym(static_cast<KeySym>(stroke.character), true);
    }

private:
    void typeKeysym(KeySym keysym, bool isCharacter)
    {
        processPendingEvents();
        KeyLocation location = locate(keysym);
        // While the user holds Shift, a character goes through a spare key that carries it on
        // every level: the level would otherwise depend on whether the receiving application
        // still counts that Shift, which some forget whenever the keymap changes.
        const bool shiftInPlay = isCharacter && modifiers.shiftHeld;
        if (location.code == 0 || (shiftInPlay && !isOwnSpare(location.code)))
            location = bindToSpare(keysym);
        if (location.code == 0)
            return;

        // Caps Lock is released for the key alone, so that the user's lock state survives.
        if (modifiers.capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
        const bool addShift = location.shifted && !modifiers.shiftHeld;
        if (addShift)
            XTestFakeKeyEvent(display, shiftKey, True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, False, CurrentTime);
        if (addShift)
            XTestFakeKeyEvent(display, shiftKey, False, CurrentTime);
        if (modifiers.capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
        XFlush(display);
    }

    struct ModifierState
    {
        bool shiftHeld = false;
        bool capsLocked = false;
    };

    // The modifiers follow the server's state notifications rather than a query per key, so that
    // no round trip to the server delays a key press and unsettles the pacing.
    void watchModifiers()
    {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(display, &opcode, &xkbEventBase, &error, &major, &minor))
            return;
        hasXkb = true;
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbAllStateComponentsMask,
                              XkbAllStateComponentsMask);
        XkbStateRec state = {};
        if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
            setModifiers(state.mods, state.locked_mods);
    }

    void setModifiers(unsigned effective, unsigned locked)
    {
        modifiers = {(effective & ShiftMask) != 0, (locked & LockMask) != 0};
    }

    bool isOwnSpare(KeyCode code) const { return spareBindings.count(code) != 0; }

    // The user may switch layouts at any time; the server announces it with MappingNotify.
    void processPendingEvents()
    {
        bool keymapChanged = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
                keymapChanged = true;
            } else if (hasXkb && event.type == xkbEventBase) {
                const auto &xkb = reinterpret_cast<const XkbEvent &>(event);
                if (xkb.any.xkb_type == XkbStateNotify)
                    setModifiers(xkb.state.mods, xkb.state.locked_mods);
            }
        }
        if (keymapChanged)
            loadKeymap();
    }

    void loadKeymap()
    {
        const int count = maxKeycode - minKeycode + 1;
        KeySym *symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode), count,
                                              &symbolsPerKeycode);
        keymap.assign(symbols, symbols + count * symbolsPerKeycode);
        XFree(symbols);
        findSpareKeys();
    }

    KeySym symbolAt(int keycode, int level) const
    {
        if (level >= symbolsPerKeycode)
            return NoSymbol;
        return keymap[static_cast<size_t>((keycode - minKeycode) * symbolsPerKeycode + level)];
    }

    // A key whose shifted level is left empty shifts to the upper case of its first symbol.
    KeySym shiftedSymbolAt(int keycode) const
    {
        const KeySym shifted = symbolAt(keycode, 1);
        if (shifted != NoSymbol)
            return shifted;
        KeySym lower = NoSymbol;
        KeySym upper = NoSymbol;
        XConvertCase(symbolAt(keycode, 0), &lower, &upper);
        return upper;
    }

    KeyLocation locate(KeySym keysym) const
    {
        for (int code = minKeycode; code <= maxKeycode; ++code) {
            if (symbolAt(code, 0) == keysym)
                return {static_cast<KeyCode>(code), false};
        }
        for (int code = minKeycode; code <= maxKeycode; ++code) {
            if (shiftedSymbolAt(code) == keysym)
                return {static_cast<KeyCode>(code), true};
        }
        return {};
    }

    void findSpareKeys()
    {
        spareKeys.clear();
        for (int code = minKeycode; code <= maxKeycode; ++code) {
            const auto bound = spareBindings.find(static_cast<KeyCode>(code));
            if (bound != spareBindings.end() && symbolAt(code, 0) == bound->second)
                spareKeys.push_back(static_cast<KeyCode>(code));
            else if (isEmptyKey(code))
                spareKeys.push_back(static_cast<KeyCode>(code));
        }
    }

    bool isEmptyKey(int keycode) const
    {
        for (int level = 0; level < symbolsPerKeycode; ++level) {
            if (symbolAt(keycode, level) != NoSymbol)
                return false;
        }
        return true;
    }

    KeyLocation bindToSpare(KeySym keysym)
    {
        if (spareKeys.empty()) {
            warnOnce("the keyboard map has no spare key; characters it lacks are not typed");
            return {};
        }
        const KeyCode code = spareKeys[nextSpare++ % spareKeys.size()];
        bindKeycode(code, keysym);
        spareBindings[code] = keysym;
        XSync(display, False);
        loadKeymap();
        return {code, false};
    }

    // Every level gets the symbol, so that Shift and Caps Lock cannot change it.
    void bindKeycode(KeyCode code, KeySym keysym)
    {
        std::vector<KeySym> levels(static_cast<size_t>(symbolsPerKeycode), keysym);
        XChangeKeyboardMapping(display, code, symbolsPerKeycode, levels.data(), 1);
    }

    void warnOnce(const char *message)
    {
        if (warned)
            return;
        warned = true;
        std::fprintf(stderr, "quillon: %s\n", message);
    }

    Display *display;
    int minKeycode = 0;
    int maxKeycode = 0;
    int symbolsPerKeycode = 0;
    KeyCode shiftKey = 0;
    bool hasXkb = false;
    int xkbEventBase = 0;
    ModifierState modifiers;
    std::vector<KeySym> keymap;
    std::vector<KeyCode> spareKeys;
    size_t nextSpare = 0;
    std::map<KeyCode, KeySym> spareBindings;
    bool warned = false;
};

} // namespace

std::unique_ptr<KeyBackend> createX11KeyBackend(std::string &whyNot)
{
    if (!std::getenv("DISPLAY")) {
        whyNot = "no X display (DISPLAY is not set)";
        return nullptr;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        whyNot = "the X display cannot be opened";
        return nullptr;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        whyNot = "the X server offers no XTEST extension";
        return nullptr;
    }
    return std::make_unique<X11KeyBackend>(display);
}
