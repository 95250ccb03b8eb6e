// Typing through the X server's XTEST extension.
#include "keyinjector_linux.h"

// Qt before Xlib, whose macros (Bool, None, ...) clash with Qt's names.
#include <QSocketNotifier>

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A spare key is bound to another character only once its last key is this old. An application
// reads the keymap when it gets round to the key's event, which may be seconds later if it is
// busy; until then the key must still carry the character it was pressed for.
constexpr std::chrono::seconds spareSafeAge{5};
// At exit the spare keys are unbound no sooner than this after the last key typed on one.
constexpr std::chrono::milliseconds exitGrace{1000};

constexpr unsigned heldModifierMask =
    ShiftMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

// Xlib's default handlers end the process on any protocol error and on a lost connection. The
// errors of our own connections are counted instead; every other connection's go on as before.
std::map<Display *, int> errorsOf;
XErrorHandler previousErrorHandler = nullptr;
XIOErrorHandler previousIOErrorHandler = nullptr;

int countError(Display *display, XErrorEvent *error)
{
    const auto own = errorsOf.find(display);
    if (own != errorsOf.end()) {
        ++own->second;
        return 0;
    }
    return previousErrorHandler ? previousErrorHandler(display, error) : 0;
}

// Xlib's default handler exits; for our connections the exit handler set on each says so instead.
int passOnIOError(Display *display)
{
    if (errorsOf.count(display) == 0 && previousIOErrorHandler)
        return previousIOErrorHandler(display);
    return 0;
}

void trapErrorsOf(Display *display)
{
    if (errorsOf.empty()) {
        previousErrorHandler = XSetErrorHandler(countError);
        previousIOErrorHandler = XSetIOErrorHandler(passOnIOError);
    }
    errorsOf[display] = 0;
}

void releaseErrorsOf(Display *display)
{
    errorsOf.erase(display);
    if (errorsOf.empty()) {
        XSetErrorHandler(previousErrorHandler);
        XSetIOErrorHandler(previousIOErrorHandler);
    }
}

struct KeyLocation
{
    KeyCode code = 0;
    bool shifted = false;
};

// Types through the keys of the layout in force (the group the user has switched to), and binds
// characters the layout lacks to spare (empty) keycodes, the least recently used one first.
class X11KeyBackend : public KeyBackend
{
public:
    explicit X11KeyBackend(Display *display) : display(display)
    {
        trapErrorsOf(display);
        XSetIOErrorExitHandler(display, connectionLost, this);
        XDisplayKeycodes(display, &minKeycode, &maxKeycode);
        watchState();
        loadKeymap();
        // Events are read as they come, so that none pile up while the program idles or logs.
        events =
            std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
        QObject::connect(events.get(), &QSocketNotifier::activated, [this] { processEvents(); });
    }

    ~X11KeyBackend() override
    {
        events.reset();
        if (lost) {
            releaseErrorsOf(display);
            return; // the connection is gone; Xlib must not be asked to close it
        }
        if (!spareBindings.empty())
            std::this_thread::sleep_until(lastSpareUse + exitGrace);
        for (const auto &binding : spareBindings)
            bindKeycode(binding.first, NoSymbol);
        XSync(display, False);
        XkbFreeKeyboard(keymap, 0, True);
        releaseErrorsOf(display);
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
        processEvents();
        if (lost)
            return;
        const std::vector<KeyCode> released = releaseHeldModifiers();
        // A Shift that the user holds and that could not be let go decides the level, and some
        // applications forget it whenever the keymap changes; a character then goes through a
        // spare key that carries it on every level.
        const bool shiftInPlay = isCharacter && (state.baseModifiers & ShiftMask);
        KeyLocation location = locate(keysym);
        if (location.code == 0 || (shiftInPlay && !isOwnSpare(location.code)))
            location = bindToSpare(keysym);
        if (location.code != 0)
            pressAndReleaseAt(location);
        restoreHeldModifiers(released);
        // The round trip makes sure the server has taken the key before the pause is counted.
        XSync(display, False);
        processEvents();
    }

    void pressAndReleaseAt(const KeyLocation &location)
    {
        // Caps Lock is released for the key alone, so that the user's lock state survives.
        const bool capsLocked = state.lockedModifiers & LockMask;
        if (capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
        const bool addShift = location.shifted && !(state.baseModifiers & ShiftMask);
        if (addShift)
            XTestFakeKeyEvent(display, shiftKey, True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, False, CurrentTime);
        if (addShift)
            XTestFakeKeyEvent(display, shiftKey, False, CurrentTime);
        if (capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
        if (isOwnSpare(location.code))
            spareUse[location.code] = lastSpareUse = Clock::now();
    }

    // Held Shift, Ctrl, Alt, Super or AltGr would turn a typed key into another key or a
    // shortcut: the modifier keys that are down are let go for the key and pressed again after.
    // Returns the keys that were let go. A key held on another input device cannot be let go
    // through XTEST; pressing it again afterwards would leave it stuck once the user lets go.
    std::vector<KeyCode> releaseHeldModifiers()
    {
        if (!(state.baseModifiers & heldModifierMask))
            return {};
        const std::set<KeyCode> downBefore = modifierKeysDown();
        for (KeyCode code : downBefore)
            XTestFakeKeyEvent(display, code, False, CurrentTime);
        XSync(display, False);
        processEvents();
        const std::set<KeyCode> stillDown = modifierKeysDown();
        std::vector<KeyCode> released;
        std::set_difference(downBefore.begin(), downBefore.end(), stillDown.begin(),
                            stillDown.end(), std::back_inserter(released));
        return released;
    }

    void restoreHeldModifiers(const std::vector<KeyCode> &released)
    {
        for (KeyCode code : released)
            XTestFakeKeyEvent(display, code, True, CurrentTime);
    }

    std::set<KeyCode> modifierKeysDown()
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

    struct State
    {
        unsigned baseModifiers = 0;
        unsigned lockedModifiers = 0;
        int group = 0;
    };

    // The modifiers and the group follow the server's state notifications rather than a query
    // per key, so that no extra round trip delays a key press.
    void watchState()
    {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(display, &opcode, &xkbEventBase, &error, &major, &minor))
            return;
        hasXkb = true;
        const unsigned long details = XkbModifierBaseMask | XkbModifierLockMask | XkbGroupStateMask;
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, details, details);
        XkbStateRec current = {};
        if (XkbGetState(display, XkbUseCoreKbd, &current) == Success)
            state = {current.base_mods, current.locked_mods, current.group};
    }

    void processEvents()
    {
        if (lost)
            return;
        bool keymapChanged = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MappingNotify) {
                keymapChanged = true;
            } else if (hasXkb && event.type == xkbEventBase) {
                const auto &xkb = reinterpret_cast<const XkbEvent &>(event);
                if (xkb.any.xkb_type == XkbStateNotify)
                    state = {xkb.state.base_mods, xkb.state.locked_mods, xkb.state.group};
            }
        }
        if (keymapChanged)
            loadKeymap();
    }

    void loadKeymap()
    {
        XkbDescPtr fresh = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
        if (!fresh) {
            warnOnce("the keyboard map cannot be read; keys are typed by the last one read");
            return;
        }
        XkbFreeKeyboard(keymap, 0, True);
        keymap = fresh;
        // The core protocol's width of the map, which a binding must fill on every level.
        if (KeySym *core = XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode), 1,
                                               &symbolsPerKeycode))
            XFree(core);
        symbolsPerKeycode = std::max(symbolsPerKeycode, 2);
        shiftKey = XKeysymToKeycode(display, XK_Shift_L);
        loadModifierKeys();
        findSpareKeys();
    }

    void loadModifierKeys()
    {
        modifierKeys.clear();
        XModifierKeymap *modifiers = XGetModifierMapping(display);
        if (!modifiers)
            return;
        for (int modifier = 0; modifier < 8; ++modifier) {
            if (modifier == LockMapIndex)
                continue;
            for (int i = 0; i < modifiers->max_keypermod; ++i) {
                const KeyCode code =
                    modifiers->modifiermap[modifier * modifiers->max_keypermod + i];
                if (code != 0)
                    modifierKeys.insert(code);
            }
        }
        XFreeModifiermap(modifiers);
    }

    // The group a key actually uses when the group in force is beyond the groups it has.
    int groupOfKey(int keycode) const
    {
        const int groups = XkbKeyNumGroups(keymap, keycode);
        if (state.group < groups)
            return state.group;
        const unsigned char info = XkbKeyGroupInfo(keymap, keycode);
        switch (XkbOutOfRangeGroupAction(info)) {
        case XkbRedirectIntoRange:
            return XkbOutOfRangeGroupNumber(info) < groups ? XkbOutOfRangeGroupNumber(info) : 0;
        case XkbClampIntoRange:
            return groups - 1;
        default:
            return state.group % groups;
        }
    }

    // The modifiers that choose this level of the key type: none for the first level, Shift
    // alone for another; -1 where other modifiers would be needed.
    static int modifiersForLevel(const XkbKeyTypeRec &type, int level)
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

    KeyLocation locate(KeySym keysym) const
    {
        if (!keymap)
            return {};
        KeyLocation shifted;
        for (int code = minKeycode; code <= maxKeycode; ++code) {
            if (XkbKeyNumGroups(keymap, code) == 0)
                continue;
            const int group = groupOfKey(code);
            const XkbKeyTypeRec &type = *XkbKeyKeyType(keymap, code, group);
            for (int level = 0; level < type.num_levels; ++level) {
                if (XkbKeySymEntry(keymap, code, level, group) != keysym)
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

    bool isOwnSpare(KeyCode code) const { return spareBindings.count(code) != 0; }

    void findSpareKeys()
    {
        spareKeys.clear();
        for (int code = minKeycode; code <= maxKeycode; ++code) {
            const KeyCode key = static_cast<KeyCode>(code);
            if (isOwnSpare(key) || XkbKeyNumGroups(keymap, code) == 0)
                spareKeys.push_back(key);
        }
    }

    // The least recently used spare, once it is old enough; the wait keeps every character exact
    // for an application that lags behind, at the price of pacing in a long run of characters
    // the layout lacks.
    KeyLocation bindToSpare(KeySym keysym)
    {
        if (spareKeys.empty()) {
            warnOnce("the keyboard map has no spare key; characters it lacks are not typed");
            return {};
        }
        const KeyCode code =
            *std::min_element(spareKeys.begin(), spareKeys.end(),
                              [this](KeyCode a, KeyCode b) { return spareUse[a] < spareUse[b]; });
        const auto lastUse = spareUse[code];
        if (lastUse != Clock::time_point())
            std::this_thread::sleep_until(lastUse + spareSafeAge);
        const int errorsBefore = errorsOf[display];
        bindKeycode(code, keysym);
        XSync(display, False);
        if (errorsOf[display] != errorsBefore) {
            reportUnbindable(keysym);
            return {};
        }
        spareBindings[code] = keysym;
        loadKeymap();
        return {code, false};
    }

    // Every level gets the symbol, so that Shift and Caps Lock cannot change it; a key whose
    // levels are all alike gets one group, which serves whatever group is in force.
    void bindKeycode(KeyCode code, KeySym keysym)
    {
        std::vector<KeySym> levels(static_cast<size_t>(symbolsPerKeycode), keysym);
        XChangeKeyboardMapping(display, code, symbolsPerKeycode, levels.data(), 1);
    }

    void reportUnbindable(KeySym keysym)
    {
        if (!unbindable.insert(keysym).second)
            return;
        std::fprintf(stderr,
                     "quillon: the X server refused a key for the character U+%04lX; it "
                     "is not typed\n",
                     static_cast<unsigned long>(keysym));
    }

    void warnOnce(const char *message)
    {
        if (warned)
            return;
        warned = true;
        std::fprintf(stderr, "quillon: %s\n", message);
    }

    static void connectionLost(Display *, void *data)
    {
        auto *self = static_cast<X11KeyBackend *>(data);
        self->lost = true;
        if (self->events)
            self->events->setEnabled(false);
        std::fprintf(stderr, "quillon: the connection to the X server is lost; received data is "
                             "no longer typed, log mode works as usual\n");
    }

    Display *display;
    bool lost = false;
    std::unique_ptr<QSocketNotifier> events;
    int minKeycode = 0;
    int maxKeycode = 0;
    XkbDescPtr keymap = nullptr;
    int symbolsPerKeycode = 2;
    KeyCode shiftKey = 0;
    std::set<KeyCode> modifierKeys;
    bool hasXkb = false;
    int xkbEventBase = 0;
    State state;
    std::vector<KeyCode> spareKeys;
    std::map<KeyCode, KeySym> spareBindings;
    std::map<KeyCode, Clock::time_point> spareUse;
    Clock::time_point lastSpareUse;
    std::set<KeySym> unbindable;
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
