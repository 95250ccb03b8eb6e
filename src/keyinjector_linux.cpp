// Which way to type on Linux, decided once: on a Wayland session the compositor's own virtual
// keyboard reaches every application, XTest only those running on XWayland.
#include "keyinjector_linux.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::unique_ptr<KeyBackend> announce(std::unique_ptr<KeyBackend> injector, const char *choice,
                                     const std::string &reason)
{
    std::fprintf(stderr, "quillon: typing with %s (%s)\n", choice, reason.c_str());
    return injector;
}

} // namespace

std::unique_ptr<KeyBackend> createKeyBackend(const std::string &guiPlatform)
{
    std::string whyNotX11;
    const bool waylandSession = std::getenv("WAYLAND_DISPLAY") || guiPlatform == "wayland";
    if (!waylandSession) {
        if (auto xtest = createX11KeyBackend(whyNotX11))
            return announce(std::move(xtest), "XTest", "X11 session");
        return createUnavailableKeyBackend(whyNotX11);
    }

    std::string whyNotWlroots;
    if (auto wlroots = createWlrootsKeyBackend(whyNotWlroots))
        return announce(std::move(wlroots), "the Wayland virtual keyboard",
                        "the compositor offers zwp_virtual_keyboard_manager_v1");
    std::string whyNotPortal;
    if (auto portal = createPortalKeyBackend(whyNotPortal))
        return announce(std::move(portal), "the remote desktop portal",
                        "the user consented to keyboard control");
    notifyDesktop("Quillon cannot type into Wayland applications",
                  whyNotPortal + ". Only X11 applications receive typed data; the data log "
                                 "works as usual.");
    const std::string whyNotWayland = whyNotWlroots + "; " + whyNotPortal;
    if (auto xtest = createX11KeyBackend(whyNotX11))
        return announce(std::move(xtest), "XTest through XWayland",
                        "reaches X11 applications only: " + whyNotWayland);
    return createUnavailableKeyBackend(whyNotWayland + "; " + whyNotX11);
}
