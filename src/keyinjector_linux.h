#ifndef QUILLON_KEYINJECTOR_LINUX_H
#define QUILLON_KEYINJECTOR_LINUX_H

#include "keybackend.h"

// The Linux backends, each null where it cannot work here, with the reason in `whyNot`.
std::unique_ptr<KeyBackend> createX11KeyBackend(std::string &whyNot);
std::unique_ptr<KeyBackend> createWlrootsKeyBackend(std::string &whyNot);
// Asks the user's consent through the RemoteDesktop portal, and waits for it.
std::unique_ptr<KeyBackend> createPortalKeyBackend(std::string &whyNot);

// A desktop notification, for what the user must know without a box in the way of typing.
void notifyDesktop(const std::string &summary, const std::string &body);

#endif
