// What the user must know without a box in the way of typing.
#include "typing/linuxkeybackends.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

void notifyDesktop(const std::string &summary, const std::string &body)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    message.setArguments({QStringLiteral("Quillon"), 0u, QStringLiteral("quillon"),
                          QString::fromStdString(summary), QString::fromStdString(body),
                          QStringList(), QVariantMap(), -1});
    QDBusConnection::sessionBus().call(message, QDBus::Block, 2000);
}

void reportTypingStopped(const std::string &why)
{
    std::fprintf(stderr,
                 "quillon: %s; received data that cannot be typed is shown in the data log, and "
                 "each new line tries again\n",
                 why.c_str());
    notifyDesktop("Quillon cannot type for now",
                  why + ". Readings that cannot be typed are kept in Quillon's data log; Quillon "
                        "tries again with each new reading.");
}

void tellUser(const std::string &summary, const std::string &detail)
{
    std::fprintf(stderr, "quillon: %s. %s\n", summary.c_str(), detail.c_str());
    notifyDesktop(summary, detail);
}
