#ifndef QUILLON_TYPING_LINUX_PORTAL_RESTORETOKEN_H
#define QUILLON_TYPING_LINUX_PORTAL_RESTORETOKEN_H

#include <QString>

// The portal's permission to type, kept between runs where the portal offers that, in
// ~/.local/share/quillon/remote-desktop-restore-token; it holds no serial settings.
QString savedRestoreToken();
// An empty token forgets the kept one.
void saveRestoreToken(const QString &token);

#endif
