// Typing through a Wayland compositor's virtual keyboard (sway, Hyprland and other wlroots
// compositors), which reaches native Wayland applications as well as XWayland ones.
#include "keyinjector_linux.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <thread>
#include <vector>

namespace {

constexpr xkb_keycode_t firstKeycode = 9; // XKB numbering; Wayland key events carry it less 8
// A keyboard used at once after it is created loses its first keys: clients have not yet taken
// up the new keyboard. A few milliseconds were enough when measured; this leaves a margin.
constexpr std::chrono::milliseconds settleTime{100};

// Every key the byte mapping can produce, one level each, so that no modifier is ever needed
// and one keymap serves the whole run whatever layout the user has.
std::vector<xkb_keysym_t> typableKeysyms()
{
    std::vector<xkb_keysym_t> keysyms{XKB_KEY_Tab, XKB_KEY_Return};
    for (xkb_keysym_t character = 0x20; character <= 0x7E; ++character)
        keysyms.push_back(character);
    for (xkb_keysym_t character = 0xA0; character <= 0xFF; ++character)
        keysyms.push_back(character); // Latin-1 keysyms carry the character's code point
    return keysyms;
}

std::string keymapText(const std::vector<xkb_keysym_t> &keysyms)
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
           "  xkb_types \"quillon\" {\n"
           "    type \"ONE_LEVEL\" { modifiers = none; level_name[Level1] = \"Any\"; };\n"
           "  };\n"
           "  xkb_compatibility \"quillon\" {\n  };\n"
           "  xkb_symbols \"quillon\" {\n" +
           symbols + "  };\n};\n";
}

bool compiles(const std::string &keymap)
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    xkb_keymap *compiled =
        context ? xkb_keymap_new_from_string(context, keymap.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr;
    const bool ok = compiled != nullptr;
    xkb_keymap_unref(compiled);
    xkb_context_unref(context);
    return ok;
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
        wl_display_roundtrip(display);
    }

    ~WaylandKeyBackend() override
    {
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
            return "no Wayland display can be reached";
        if (!manager)
            return "the compositor offers no virtual keyboard (zwp_virtual_keyboard_manager_v1)";
        if (!seat)
            return "the compositor offers no seat";
        const std::vector<xkb_keysym_t> keysyms = typableKeysyms();
        const std::string keymap = keymapText(keysyms);
        if (!compiles(keymap))
            return "the virtual keyboard's keymap does not compile";
        keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
        if (!uploadKeymap(keymap))
            return "the keymap cannot be handed to the compositor";
        if (wl_display_roundtrip(display) < 0 || wl_display_get_error(display))
            return "the compositor refused a virtual keyboard";
        for (size_t i = 0; i < keysyms.size(); ++i)
            keys[keysyms[i]] = firstKeycode + static_cast<xkb_keycode_t>(i) - 8;
        std::this_thread::sleep_for(settleTime);
        return {};
    }

    void pressAndRelease(const KeyStroke &stroke) override
    {
        xkb_keysym_t keysym = stroke.character; // Latin-1 keysyms carry the code point
        if (stroke.key == KeyStroke::Key::Tab)
            keysym = XKB_KEY_Tab;
        else if (stroke.key == KeyStroke::Key::Return)
            keysym = XKB_KEY_Return;
        const auto key = keys.find(keysym);
        if (key == keys.end())
            return;
        const uint32_t time = monotonicMs();
        zwp_virtual_keyboard_v1_key(keyboard, time, key->second, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard, time, key->second, WL_KEYBOARD_KEY_STATE_RELEASED);
        wl_display_flush(display);
        readPendingEvents();
    }

private:
    bool uploadKeymap(const std::string &keymap)
    {
        const int fd = memfd_create("quillon-keymap", MFD_CLOEXEC);
        if (fd < 0)
            return false;
        const size_t size = keymap.size() + 1; // the compositor expects the closing NUL
        const bool written = write(fd, keymap.c_str(), size) == static_cast<ssize_t>(size);
        if (written)
            zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                           static_cast<uint32_t>(size));
        wl_display_flush(display);
        close(fd);
        return written;
    }

    // The compositor's few messages to us are read without waiting, so that they cannot pile up.
    void readPendingEvents()
    {
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        pollfd readable{wl_display_get_fd(display), POLLIN, 0};
        if (poll(&readable, 1, 0) > 0)
            wl_display_read_events(display);
        else
            wl_display_cancel_read(display);
        wl_display_dispatch_pending(display);
    }

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

    wl_display *display = nullptr;
    wl_registry *registry = nullptr;
    wl_seat *seat = nullptr;
    zwp_virtual_keyboard_manager_v1 *manager = nullptr;
    zwp_virtual_keyboard_v1 *keyboard = nullptr;
    std::map<xkb_keysym_t, uint32_t> keys;
};

} // namespace

std::unique_ptr<KeyBackend> createWlrootsKeyBackend(std::string &whyNot)
{
    auto injector = std::make_unique<WaylandKeyBackend>();
    whyNot = injector->start();
    if (!whyNot.empty())
        return nullptr;
    return injector;
}
