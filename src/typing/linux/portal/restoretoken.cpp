#include "typing/linux/portal/restoretoken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

QString restoreTokenFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/remote-desktop-restore-token");
}

} // namespace

QString savedRestoreToken()
{
    QFile file(restoreTokenFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().trimmed()) : QString();
}

// The token lets whoever holds it control the keyboard without asking: it is readable by the
// user alone, and written whole or not at all.
void saveRestoreToken(const QString &token)
{
    const QString folder = QFileInfo(restoreTokenFile()).path();
    if (token.isEmpty()) {
        QFile::remove(restoreTokenFile());
        return;
    }
    QSaveFile file(restoreTokenFile());
    const bool saved =
        QDir().mkpath(folder) &&
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner) &&
        file.open(QIODevice::WriteOnly) &&
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
        file.write(token.toUtf8()) == token.toUtf8().size() && file.commit();
    if (!saved)
        std::fprintf(stderr, "quillon: the remote desktop permission cannot be kept in %s\n",
                     qPrintable(restoreTokenFile()));
}
