#include "typing/portal/restoretoken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

void saveRestoreToken(const QString &token)
{
    QDir().mkpath(QFileInfo(restoreTokenFile()).path());
    QFile file(restoreTokenFile());
    if (token.isEmpty()) {
        file.remove();
        return;
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(token.toUtf8()) < 0)
        std::fprintf(stderr, "quillon: the remote desktop permission cannot be kept in %s\n",
                     qPrintable(file.fileName()));
}
