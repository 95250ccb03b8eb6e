#ifndef QUILLON_TYPING_LINUX_LINUXKEYBACKENDS_H
#define QUILLON_TYPING_LINUX_LINUXKEYBACKENDS_H

#include "typing/keybackend.h"

#include <functional>

// What each Linux backend offers platform.cpp, which picks one, and what the backends share.

// The Linux backends, each null where it cannot work here, with the reason in `whyNot`.
std::unique_ptr<KeyBackend> createX11KeyBackend(std::string &whyNot);
std::unique_ptr<KeyBackend> createWaylandKeyBackend(std::string &whyNot);
// Asks the user's consent through the RemoteDesktop portal without waiting for the answer; a line
// that comes first waits for it and is then not typed, since where the focus is after the
// question is not known. If there is no session, the backend types through what
// `fallBack` makes of the reason from then on; `mayAskAgain` is false where the user said no or
// gave no answer in time.
using FallBack =
    std::function<std::unique_ptr<KeyBackend>(const std::string &whyNot, bool mayAskAgain)>;
std::unique_ptr<KeyBackend> createPortalKeyBackend(std::string &whyNot, FallBack fallBack);

// Tells the user that the way of typing in use stopped working, until a line is typed again; from
// any thread. Lines that come meanwhile go to the data log; each line tries to set it up again.
void reportTypingStopped(const std::string &why);

#endif
