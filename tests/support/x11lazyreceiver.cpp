// A receiving application written straight on Xlib that, like some toolkits, applies a change of
// the keyboard mapping only once it has handled the key events already queued: it is busy for a
// moment when the change is announced, and reads the keys that came meanwhile with the old map.
// Same protocol as the Qt receiver: "ready" once focused, then the text (hex UTF-8) per request.
#include <X11/keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string utf8(unsigned codePoint)
{
    std::string bytes;
    if (codePoint < 0x80) {
        bytes += static_cast<char>(codePoint);
    } else {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return bytes;
}

// The keyboard map as this application last read it.
class KeyMap
{
public:
    void read(Display *display)
    {
        XDisplayKeycodes(display, &lowest, &highest);
        KeySym *map = XGetKeyboardMapping(display, static_cast<KeyCode>(lowest),
                                          highest - lowest + 1, &perCode);
        symbols.assign(map, map + (highest - lowest + 1) * perCode);
        XFree(map);
    }

    KeySym lookup(unsigned keycode, bool shifted) const
    {
        const size_t first = (keycode - static_cast<unsigned>(lowest)) * perCode;
        const KeySym shiftedSymbol = perCode > 1 ? symbols[first + 1] : NoSymbol;
        return shifted && shiftedSymbol != NoSymbol ? shiftedSymbol : symbols[first];
    }

private:
    int lowest = 8;
    int highest = 255;
    int perCode = 1;
    std::vector<KeySym> symbols;
};

void answer(const std::string &text)
{
    for (unsigned char byte : text)
        std::printf("%02x", byte);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 100, 0, 0, 0);
    XSelectInput(display, window, KeyPressMask | FocusChangeMask | StructureNotifyMask);
    XMapRaised(display, window);
    std::string text;
    bool ready = false;
    bool mappingChanged = false;
    KeyMap keyMap;
    keyMap.read(display);
    // Xlib takes the core MappingNotify for itself once XKB is in use; XKB's own says the same.
    int xkbEvents = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, opcode = 0;
    if (!XkbQueryExtension(display, &opcode, &xkbEvents, &error, &major, &minor))
        return 1;
    XkbSelectEvents(display, XkbUseCoreKbd, XkbMapNotifyMask | XkbNewKeyboardNotifyMask,
                    XkbMapNotifyMask | XkbNewKeyboardNotifyMask);

    for (;;) {
        pollfd sources[2] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (XPending(display) == 0 && poll(sources, 2, 20) < 0)
            return 1;
        if (sources[1].revents & (POLLIN | POLLHUP)) {
            char request[64] = {};
            if (read(STDIN_FILENO, request, sizeof request - 1) <= 0)
                return 0;
            answer(text);
        }
        if (!ready) {
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(display, &focus, &revert);
            if (focus != window) {
                XSetInputFocus(display, window, RevertToParent, CurrentTime);
            } else {
                ready = true;
                std::printf("ready\n");
                std::fflush(stdout);
            }
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MappingNotify || event.type == xkbEvents) {
                if (!mappingChanged)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                mappingChanged = true;
            } else if (event.type == KeyPress) {
                const KeySym keysym =
                    keyMap.lookup(event.xkey.keycode, event.xkey.state & ShiftMask);
                if (keysym == XK_Return)
                    text += '\n';
                else if (keysym >= 0x20 && keysym <= 0xFF)
                    text += utf8(static_cast<unsigned>(keysym));
            }
        }
        if (mappingChanged) {
            keyMap.read(display);
            mappingChanged = false;
        }
    }
}
