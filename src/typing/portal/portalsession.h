#ifndef QUILLON_TYPING_PORTAL_PORTALSESSION_H
#define QUILLON_TYPING_PORTAL_PORTALSESSION_H

#include <QObject>
#include <QString>

#include <functional>
#include <future>

// Whether the session bus has the desktop portal, or can start it on demand.
bool portalReachable();

// The conversation with the RemoteDesktop portal, to be moved to a thread of its own so that the
// portal's answers arrive while the GUI thread waits for consent or types. Invoked by name, on
// that thread: "begin()" asks for the session and the user's consent, and sets `outcome` (empty,
// or why there is no session) and calls `whenSettled` once the answer is in or given up on;
// "typeKeysym(int)" returns false once the portal no longer takes keys, which it says once;
// "takesKeys()" whether it still does (not once the desktop has ended the session).
QObject *createPortalSession(std::promise<QString> &outcome, std::function<void()> whenSettled);

#endif
