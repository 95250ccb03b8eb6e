// Typing through the X server's XTEST extension, with the keys of the layout in force.
#include "typing/keysyms.h"
#include "typing/linux/linuxkeybackends.h"

// Qt before Xlib, whose macros (Bool, None, ...) clash with Qt's names.
#include <QSocketNotifier>

#include "typing/linux/x11/x11errortrap.h"
#include "typing/linux/x11/x11layout.h"
#include "typing/linux/x11/x11sparekeys.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Types through the keys of the layout in force (the group the user has switched to), and binds
// characters the layout lacks to spare keys.
class X11KeyBackend : public KeyBackend
{
public:
    explicit X11KeyBackend(Display *display)
        : display(display), layout(display), spares(display, layout)
    {
        X11ErrorTrap::trap(display);
        XSetIOErrorExitHandler(display, connectionLost, this);
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
            X11ErrorTrap::release(display);
            return; // the connection is gone; Xlib must not be asked to close it
        }
        spares.unbindAll();
        XSync(display, False);
        X11ErrorTrap::release(display);
        XCloseDisplay(display);
    }

    X11KeyBackend(const X11KeyBackend &) = delete;
    X11KeyBackend &operator=(const X11KeyBackend &) = delete;

    // A lost server is found before the line, so that a backend that renews itself can replace
    // this one then rather than fail at the first key.
    bool prepareLine() override
    {
        processEvents();
        return !lost;
    }

    bool pressAndRelease(const KeyStroke &stroke) override
    {
        processEvents();
        if (lost)
            return false;
        const KeyLocation location = keyFor(keysymFor(stroke));
        if (location.code == 0)
            return false; // no key can carry it; said where that was found
        pressAndReleaseAt(location);
        // The round trip makes sure the server has taken the key before the pause is counted.
        // Once it is made the key has gone out, even if the server is lost right after.
        XSync(display, False);
        processEvents();
        return true;
    }

    // Shift, Ctrl, Alt (Mod1), Mod3, Super (Mod4) and AltGr (Mod5), held or latched on any of the
    // core keyboard's devices, are waited for. Caps Lock (handled for each key) and Num Lock
    // (Mod2) do not count.
    KeyVerdict verdictFor(const KeyStroke &, const OwnWindows &own) override
    {
        constexpr unsigned combining =
            ShiftMask | ControlMask | Mod1Mask | Mod3Mask | Mod4Mask | Mod5Mask;
        processEvents();
        if (lost)
            return KeyVerdict::Go; // the key fails, and says why
        if (keysReach(own))
            return KeyVerdict::StopOwnWindow;
        return (state.heldModifiers & combining) ? KeyVerdict::WaitForModifier : KeyVerdict::Go;
    }

    // A character the layout lacks gets its spare key bound here, a slot before it is typed:
    // some applications apply a keymap change only after the key events already queued.
    bool bindKeyIfLacking(const KeyStroke &stroke) override
    {
        // A stroke that gives no key has no symbol, and NoSymbol must not take a spare key.
        if (stroke.key == KeyStroke::Key::NoKey)
            return false;
        processEvents();
        if (lost || layout.locate(keysymFor(stroke), state.group).code != 0)
            return false;
        return bindSpare(keysymFor(stroke)) != 0;
    }

private:
    // Whether the keys would reach one of `own`: the window that has the focus, or, where the
    // focus follows the pointer, the one under the pointer, or a window either lies in (the
    // focus may be on a child of the program's window).
    bool keysReach(const OwnWindows &own)
    {
        Window focus = None;
        int revertTo = 0;
        XGetInputFocus(display, &focus, &revertTo);
        // A focus on the root window, like PointerRoot, sends keys to the window under the
        // pointer.
        if (focus == PointerRoot || focus == DefaultRootWindow(display))
            focus = windowUnderPointer();
        while (focus != None) {
            if (own.owns(focus))
                return true;
            focus = parentOf(focus);
        }
        return false;
    }

    Window windowUnderPointer()
    {
        Window under = DefaultRootWindow(display), child = None, root = None;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned mask = 0;
        while (XQueryPointer(display, under, &root, &child, &rootX, &rootY, &x, &y, &mask) &&
               child != None)
            under = child;
        return under;
    }

    // None for a root window, and for a window that is gone.
    Window parentOf(Window window)
    {
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return None;
        if (children)
            XFree(children);
        return window == root ? None : parent;
    }

    KeyLocation keyFor(KeySym keysym)
    {
        const KeyLocation location = layout.locate(keysym, state.group);
        if (location.code != 0)
            return location;
        return {bindSpare(keysym), false};
    }

    KeyCode bindSpare(KeySym keysym)
    {
        if (spares.empty()) {
            tellNotTyped(noticeText(noSpareKey));
            return 0;
        }
        const KeyCode spare = spares.bind(keysym);
        if (spare == 0) {
            reportUnbindable(keysym);
            return 0;
        }
        loadKeymap();
        reassertGroup();
        return spare;
    }

    // Applications that read the keymap anew after a change (Qt's, through xkbcommon) start
    // again from the first group until the server next reports its state; with the user's second
    // layout in force they would read the following keys in the first. Locking the group in
    // force again, by way of the first, makes the server report it.
    void reassertGroup()
    {
        if (state.lockedGroup == 0)
            return;
        XkbLockGroup(display, XkbUseCoreKbd, 0);
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(state.lockedGroup));
        XSync(display, False);
    }

    void pressAndReleaseAt(const KeyLocation &location)
    {
        // Caps Lock is released for the key alone, so that the user's lock state survives.
        const bool capsLocked = state.lockedModifiers & LockMask;
        if (capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
        if (location.shifted)
            XTestFakeKeyEvent(display, layout.shiftKey(), True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, True, CurrentTime);
        XTestFakeKeyEvent(display, location.code, False, CurrentTime);
        if (location.shifted)
            XTestFakeKeyEvent(display, layout.shiftKey(), False, CurrentTime);
        if (capsLocked)
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
        if (spares.owns(location.code))
            spares.used(location.code);
    }

    struct State
    {
        unsigned heldModifiers = 0; // held or latched
        unsigned lockedModifiers = 0;
        int group = 0; // in force
        int lockedGroup = 0;
    };

    // The modifiers and the group follow the server's state notifications rather than a query
    // per key, so that no extra round trip delays a key press.
    void watchState()
    {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(display, &opcode, &xkbEventBase, &error, &major, &minor))
            return;
        hasXkb = true;
        const unsigned long details = XkbModifierBaseMask | XkbModifierLatchMask |
                                      XkbModifierLockMask | XkbGroupStateMask | XkbGroupLockMask;
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, details, details);
        // Once Xlib uses XKB, a changed map may be announced by XKB's events alone.
        constexpr unsigned long mapChanges = XkbMapNotifyMask | XkbNewKeyboardNotifyMask;
        XkbSelectEvents(display, XkbUseCoreKbd, mapChanges, mapChanges);
        XkbStateRec current = {};
        if (XkbGetState(display, XkbUseCoreKbd, &current) == Success)
            state = {static_cast<unsigned>(current.base_mods | current.latched_mods),
                     current.locked_mods, current.group, current.locked_group};
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
                    state = {xkb.state.base_mods | xkb.state.latched_mods, xkb.state.locked_mods,
                             xkb.state.group, xkb.state.locked_group};
                else
                    keymapChanged = true;
            }
        }
        if (keymapChanged)
            loadKeymap();
    }

    void loadKeymap()
    {
        if (!layout.load()) {
            warn(QT_TRANSLATE_NOOP(
                "Notices", "The keyboard map cannot be read; keys are typed by the last one read"));
            return;
        }
        spares.findAmong(layout);
        if (!spares.empty())
            endNotice(noticeText(noSpareKey));
    }

    static void reportUnbindable(KeySym keysym)
    {
        char character[16];
        std::snprintf(character, sizeof character, "U+%04lX", static_cast<unsigned long>(keysym));
        tellNotTyped(noticeText(
            QT_TRANSLATE_NOOP("Notices", "The X server refused a key for the character %1"),
            {character}));
    }

    // A character that gets no key ends what is typed of its line; the rest goes to the log. The
    // keyboard map stays as it is however many lines are typed meanwhile.
    static void tellNotTyped(const std::string &why)
    {
        tellUser(why,
                 noticeText(
                     QT_TRANSLATE_NOOP("Notices", "What was not typed is in Quillon's data log.")),
                 NoticeEnd::ItsCause);
    }

    static constexpr const char *noSpareKey = QT_TRANSLATE_NOOP(
        "Notices", "The keyboard map has no spare key to carry characters the layout lacks");

    static void warn(const char *message)
    {
        tellUser(noticeText(message), {}, NoticeEnd::LineTyped);
    }

    static void connectionLost(Display *, void *data)
    {
        auto *self = static_cast<X11KeyBackend *>(data);
        self->lost = true;
        if (self->events)
            self->events->setEnabled(false);
        tellUser(noticeText(QT_TRANSLATE_NOOP("Notices", "The connection to the X server is lost")),
                 noticeText(QT_TRANSLATE_NOOP(
                     "Notices", "Received data is no longer typed but shown in the data log.")),
                 NoticeEnd::LineTyped);
    }

    Display *display;
    X11Layout layout;
    X11SpareKeys spares;
    bool lost = false;
    std::unique_ptr<QSocketNotifier> events;
    bool hasXkb = false;
    int xkbEventBase = 0;
    State state;
};

} // namespace

std::unique_ptr<KeyBackend> createX11KeyBackend(std::string &whyNot)
{
    if (!std::getenv("DISPLAY")) {
        whyNot = noticeText(QT_TRANSLATE_NOOP("Notices", "no X display (DISPLAY is not set)"));
        return nullptr;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        whyNot = noticeText(QT_TRANSLATE_NOOP("Notices", "the X display cannot be opened"));
        return nullptr;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        whyNot = noticeText(QT_TRANSLATE_NOOP("Notices", "the X server offers no XTEST extension"));
        return nullptr;
    }
    return std::make_unique<X11KeyBackend>(display);
}
