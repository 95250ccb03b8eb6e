// Typing through a Wayland compositor's virtual keyboard (sway, Hyprland and other wlroots
// compositors), which reaches native Wayland applications as well as XWayland ones.
#include "typing/keysyms.h"
#include "typing/linux/linuxkeybackends.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

// Qt before the Wayland and XKB headers, as with every other system header set.
#include <QSocketNotifier>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <poll.h>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr xkb_keycode_t firstKeycode = 9; // XKB numbering; Wayland key events carry it less 8
// A keyboard used at once after it is created loses its first keys: clients have not yet taken
// up the new keyboard. A few milliseconds were enough when measured; this leaves a margin.
constexpr std::chrono::milliseconds settleTime{100};
// How long the compositor may take over a round trip before it counts as stuck.
constexpr std::chrono::milliseconds answerTimeout{2000};

// The standard key types are included because XWayland refuses a keymap without them (its
// XkbSetMap answers BadValue), and X applications would then read their old keymap.
std::string keymapSource(const std::vector<std::uint32_t> &keysyms)
{
    std::string codes;
    std::string symbols;
    for (size_t i = 0; i < keysyms.size(); ++i) {
        char name[64] = {};
        xkb_keysym_get_name(keysyms[i], name, sizeof name);
        const std::string key = "<K" + std::to_string(i) + ">";
        codes += "    " + key + " = " + std::to_string(firstKeycode + i) + ";\n";
        symbols += "    key " + key + " { [ " + name + " ] };\n";
    }
    return "xkb_keymap {\n"
           "  xkb_keycodes \"quillon\" {\n    minimum = 8;\n    maximum = 255;\n" +
           codes +
           "  };\n"
           "  xkb_types \"quillon\" { include \"complete\" };\n"
           "  xkb_compatibility \"quillon\" { include \"complete\" };\n"
           "  xkb_symbols \"quillon\" {\n" +
           symbols + "  };\n};\n";
}

// The keymap compiled and written out again whole, so that the compositor and its clients need
// none of the include files.
std::string compiledKeymap(const std::string &source)
{
    std::string text;
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    xkb_keymap *keymap =
        context ? xkb_keymap_new_from_string(context, source.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr;
    if (keymap) {
        char *written = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
        if (written)
            text = written;
        std::free(written);
    }
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return text;
}

uint32_t monotonicMs()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

class WaylandKeyBackend : public KeyBackend
{
public:
    WaylandKeyBackend()
    {
        display = wl_display_connect(nullptr);
        if (!display)
            return;
        registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &registryListener, this);
        roundtrip();
    }

    ~WaylandKeyBackend() override
    {
        events.reset();
        if (keyboard)
            zwp_virtual_keyboard_v1_destroy(keyboard);
        if (manager)
            zwp_virtual_keyboard_manager_v1_destroy(manager);
        if (seat)
            wl_seat_destroy(seat);
        if (registry)
            wl_registry_destroy(registry);
        if (display) {
            wl_display_flush(display);
            wl_display_disconnect(display);
        }
    }

    WaylandKeyBackend(const WaylandKeyBackend &) = delete;
    WaylandKeyBackend &operator=(const WaylandKeyBackend &) = delete;

    // Creates the keyboard and gives it the keymap; empty on success, else what went wrong.
    std::string start()
    {
        if (!display)
            return noticeText(QT_TRANSLATE_NOOP("Notices", "no Wayland display can be reached"));
        if (broken)
            return noticeText(QT_TRANSLATE_NOOP("Notices", "the compositor does not answer"));
        if (!manager)
            return noticeText(QT_TRANSLATE_NOOP(
                "Notices",
                "the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)"));
        if (!seat)
            return noticeText(QT_TRANSLATE_NOOP("Notices", "the compositor offers no seat"));
        // Every key the byte policy can produce, one level each, so that no modifier is ever
        // needed and one keymap serves the whole run whatever layout the user has.
        const std::vector<std::uint32_t> keysyms = typableKeysyms();
        keymap = compiledKeymap(keymapSource(keysyms));
        if (keymap.empty())
            return noticeText(
                QT_TRANSLATE_NOOP("Notices", "the virtual keyboard's keymap does not compile"));
        keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
        if (!uploadKeymap() || !roundtrip())
            return noticeText(
                QT_TRANSLATE_NOOP("Notices", "the compositor refused a virtual keyboard"));
        for (size_t i = 0; i < keysyms.size(); ++i)
            keys[keysyms[i]] = firstKeycode + static_cast<xkb_keycode_t>(i) - 8;
        std::this_thread::sleep_for(settleTime);
        // The compositor's messages are read as they come, so that none pile up and its loss is
        // noticed while idle too.
        events =
            std::make_unique<QSocketNotifier>(wl_display_get_fd(display), QSocketNotifier::Read);
        QObject::connect(events.get(), &QSocketNotifier::activated,
                         [this] { readAvailableEvents(); });
        return {};
    }

    // The compositor gives every keyboard, this one included, a keymap of its own whenever the
    // user's input settings change (a layout switch, a reload); the keys would then type other
    // characters. So each line first puts this keymap back.
    bool prepareLine() override
    {
        if (broken)
            return false;
        if (!uploadKeymap() || !roundtrip())
            fail(noticeText(QT_TRANSLATE_NOOP(
                "Notices", "the compositor did not take the virtual keyboard's keymap")));
        return !broken;
    }

    bool pressAndRelease(const KeyStroke &stroke) override
    {
        if (broken)
            return false;
        const auto key = keys.find(keysymFor(stroke));
        if (key == keys.end())
            return true;
        const uint32_t time = monotonicMs();
        zwp_virtual_keyboard_v1_key(keyboard, time, key->second, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard, time, key->second, WL_KEYBOARD_KEY_STATE_RELEASED);
        if (!flush())
            fail(noticeText(QT_TRANSLATE_NOOP("Notices", "the compositor does not take the keys")));
        else
            readAvailableEvents();
        return !broken;
    }

private:
    bool uploadKeymap()
    {
        const int fd = memfd_create("quillon-keymap", MFD_CLOEXEC);
        if (fd < 0)
            return false;
        const size_t size = keymap.size() + 1; // the compositor expects the closing NUL
        const bool written = writeAll(fd, keymap.c_str(), size);
        if (written)
            zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                           static_cast<uint32_t>(size));
        const bool sent = written && flush();
        close(fd);
        return sent;
    }

    static bool writeAll(int fd, const char *data, size_t size)
    {
        size_t done = 0;
        while (done < size) {
            const ssize_t written = write(fd, data + done, size - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            done += static_cast<size_t>(written);
        }
        return true;
    }

    // Sends what is queued, waiting a bounded time while the compositor's socket is full.
    bool flush()
    {
        const auto deadline = Clock::now() + answerTimeout;
        while (wl_display_flush(display) < 0) {
            if (errno != EAGAIN || !waitFor(POLLOUT, deadline))
                return false;
        }
        return wl_display_get_error(display) == 0;
    }

    bool waitFor(short condition, Clock::time_point deadline)
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd descriptor{wl_display_get_fd(display), condition, 0};
        return poll(&descriptor, 1, static_cast<int>(left.count())) > 0 &&
               !(descriptor.revents & (POLLERR | POLLHUP | POLLNVAL));
    }

    // A round trip that gives up, rather than hangs, when the compositor does not answer.
    bool roundtrip()
    {
        bool done = false;
        wl_callback *callback = wl_display_sync(display);
        wl_callback_add_listener(callback, &syncListener, &done);
        const auto deadline = Clock::now() + answerTimeout;
        bool ok = flush();
        while (ok && !done) {
            ok = readEvents(deadline);
        }
        wl_callback_destroy(callback);
        if (!ok)
            broken = true;
        return ok;
    }

    // Reads and handles the compositor's messages, waiting until the deadline for some to come.
    bool readEvents(Clock::time_point deadline)
    {
        while (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0)
                return false;
        }
        if (!waitFor(POLLIN, deadline)) {
            wl_display_cancel_read(display);
            return false;
        }
        if (wl_display_read_events(display) < 0)
            return false;
        return wl_display_dispatch_pending(display) >= 0;
    }

    void readAvailableEvents()
    {
        if (broken)
            return;
        pollfd readable{wl_display_get_fd(display), POLLIN, 0};
        if (poll(&readable, 1, 0) <= 0)
            return;
        if (connectionLost() || !readEvents(Clock::now() + answerTimeout))
            fail(noticeText(
                QT_TRANSLATE_NOOP("Notices", "the compositor's messages cannot be read")));
    }

    bool connectionLost()
    {
        pollfd descriptor{wl_display_get_fd(display), POLLIN, 0};
        return wl_display_get_error(display) != 0 ||
               (poll(&descriptor, 1, 0) > 0 && (descriptor.revents & (POLLERR | POLLHUP)));
    }

    void fail(std::string what)
    {
        if (connectionLost())
            what = noticeText(
                QT_TRANSLATE_NOOP("Notices", "the connection to the Wayland compositor is lost"));
        broken = true;
        if (events)
            events->setEnabled(false);
        reportTypingStopped(what);
    }

    static void synced(void *data, wl_callback *, uint32_t) { *static_cast<bool *>(data) = true; }

    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface,
                       uint32_t)
    {
        auto *self = static_cast<WaylandKeyBackend *>(data);
        if (!self->seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
            self->seat =
                static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
            self->manager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
                wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        }
    }

    static void globalRemoved(void *, wl_registry *, uint32_t) {}

    static constexpr wl_registry_listener registryListener{global, globalRemoved};
    static constexpr wl_callback_listener syncListener{synced};

    wl_display *display = nullptr;
    wl_registry *registry = nullptr;
    wl_seat *seat = nullptr;
    zwp_virtual_keyboard_manager_v1 *manager = nullptr;
    zwp_virtual_keyboard_v1 *keyboard = nullptr;
    std::unique_ptr<QSocketNotifier> events;
    std::string keymap;
    std::map<xkb_keysym_t, uint32_t> keys;
    bool broken = false;
};

} // namespace

std::unique_ptr<KeyBackend> createWaylandKeyBackend(std::string &whyNot)
{
    auto backend = std::make_unique<WaylandKeyBackend>();
    whyNot = backend->start();
    if (!whyNot.empty())
        return nullptr;
    return backend;
}
