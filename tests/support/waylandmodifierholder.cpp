// Another program's keyboard on a Wayland compositor, holding Ctrl down: a virtual keyboard with
// the usual US map that presses Left Control and keeps it down until its input closes.
// Prints "held" once the compositor has taken the press.
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

wl_seat *seat = nullptr;
zwp_virtual_keyboard_manager_v1 *manager = nullptr;

void global(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    if (!seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        manager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

void globalRemoved(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener{global, globalRemoved};

std::string usKeymap()
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    char *text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    std::string result = text ? text : "";
    std::free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return result;
}

uint32_t nowMs()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

} // namespace

int main()
{
    constexpr uint32_t leftControl = 29; // evdev code
    constexpr uint32_t controlMask = 4;  // the second modifier of the standard map
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    const std::string keymap = usKeymap();
    if (!seat || !manager || keymap.empty())
        return 1;
    zwp_virtual_keyboard_v1 *keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    const int fd = memfd_create("holder-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, keymap.c_str(), keymap.size() + 1) != ssize_t(keymap.size() + 1))
        return 1;
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(keymap.size() + 1));
    zwp_virtual_keyboard_v1_key(keyboard, nowMs(), leftControl, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_modifiers(keyboard, controlMask, 0, 0, 0);
    if (wl_display_roundtrip(display) < 0)
        return 1;
    std::printf("held\n");
    std::fflush(stdout);

    char rest[16];
    while (read(STDIN_FILENO, rest, sizeof rest) > 0) {
    }
    zwp_virtual_keyboard_v1_key(keyboard, nowMs(), leftControl, WL_KEYBOARD_KEY_STATE_RELEASED);
    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    wl_display_roundtrip(display);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    close(fd);
    wl_display_disconnect(display);
    return 0;
}
