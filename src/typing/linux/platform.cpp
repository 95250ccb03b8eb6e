// Which way to type on Linux, decided once: on a Wayland session the compositor's own virtual
// keyboard reaches every application, XTest only those running on XWayland.
#include "typing/platform.h"
#include "typing/linux/linuxkeybackends.h"
#include "typing/linux/renewingkeybackend.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<KeyBackend> announce(std::unique_ptr<KeyBackend> backend, const char *choice,
                                     const std::string &reason)
{
    std::fprintf(stderr, "quillon: typing with %s (%s)\n", choice, reason.c_str());
    return backend;
}

// What remains when no Wayland way of typing works: XTest, which reaches X11 applications only.
std::unique_ptr<KeyBackend> fallBackToXWayland(const std::string &whyNotWayland,
                                               const std::string &toldTheUser)
{
    std::string whyNotX11;
    if (auto xtest = createX11KeyBackend(whyNotX11)) {
        tellUser(noticeText(
                     QT_TRANSLATE_NOOP("Notices", "Quillon cannot type into Wayland applications")),
                 noticeText(QT_TRANSLATE_NOOP("Notices", "%1. Only X11 applications receive typed "
                                                         "data; the data log works as usual."),
                            {toldTheUser}),
                 NoticeEnd::ItsCause);
        return announce(std::move(xtest), "XTest through XWayland",
                        "reaches X11 applications only: " + whyNotWayland);
    }
    return createUnavailableKeyBackend(whyNotWayland + "; " + whyNotX11);
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
    if (auto wlroots = createWaylandKeyBackend(whyNotWlroots))
        return announce(renewedWhenItFails(std::move(wlroots), createWaylandKeyBackend),
                        "the Wayland virtual keyboard",
                        "the compositor offers zwp_virtual_keyboard_manager_v1");
    // The portal asks the user, which takes as long as the user takes: the backend is used at
    // once, and falls back to XWayland itself if the answer is no. Once the user said no, or gave
    // no answer in time, the portal is not asked again in this run: every reading would bring the
    // question back, the window frozen while it waits. What is set up anew then is XTest alone.
    // A session that failed otherwise is asked for anew.
    auto userSaidNo = std::make_shared<bool>(false);
    const auto fallBack = [whyNotWlroots, userSaidNo](const std::string &whyNotPortal,
                                                      bool mayAskAgain) {
        *userSaidNo = *userSaidNo || !mayAskAgain;
        return fallBackToXWayland(whyNotWlroots + "; " + whyNotPortal, whyNotPortal);
    };
    std::string whyNotPortal;
    if (auto portal = createPortalKeyBackend(whyNotPortal, fallBack)) {
        const auto portalAgain = [fallBack, userSaidNo](std::string &whyNot) {
            return *userSaidNo ? createX11KeyBackend(whyNot)
                               : createPortalKeyBackend(whyNot, fallBack);
        };
        return announce(renewedWhenItFails(std::move(portal), portalAgain),
                        "the remote desktop portal", "the user is asked for keyboard control");
    }
    return fallBack(whyNotPortal, false);
}

std::unique_ptr<KeyClock> createKeyClock()
{
    return std::make_unique<KeyClock>();
}
