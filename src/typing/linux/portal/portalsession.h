#ifndef QUILLON_TYPING_LINUX_PORTAL_PORTALSESSION_H
#define QUILLON_TYPING_LINUX_PORTAL_PORTALSESSION_H

#include <QObject>
#include <QString>

#include <functional>
#include <future>

// How the conversation ended: empty `whyNot` when the session is there. A session the user
// declined, or did not answer for in time, is not to be asked for again by itself in this run.
struct PortalOutcome
{
    QString whyNot;
    bool mayAskAgain = true;
};

// Whether the session bus has the desktop portal, or can start it on demand.
bool portalReachable();

// The conversation with the RemoteDesktop portal, to be moved to a thread of its own so that the
// portal's answers arrive while the GUI thread waits for consent or types. Invoked by name, on
// that thread: "begin()" asks for the session and the user's consent, and sets `outcome` and calls
// `whenSettled` once the answer is in or given up on; "typeKeysym(int)" returns false once the
// portal no longer takes keys, which it says once; "takesKeys()" whether it still does (not once
// the desktop has ended the session).
QObject *createPortalSession(std::promise<PortalOutcome> &outcome,
                             std::function<void()> whenSettled);

#endif
