// What the user must know without a box in the way of typing.
#include "typing/linuxkeybackends.h"
#include "typing/usernotices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

void notifyDesktop(const std::string &summary, const std::string &body)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    message.setArguments({QStringLiteral("Quillon"), 0u, QStringLiteral("quillon"),
                          QString::fromStdString(summary), QString::fromStdString(body),
                          QStringList(), QVariantMap(), -1});
    // Everything shown here is on stderr too, so a desktop without notifications loses nothing.
    QDBusConnection::sessionBus().call(message, QDBus::Block, 2000);
}

void reportTypingStopped(const std::string &why)
{
    // The portal's session finds out on a thread of its own.
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [why] { reportTypingStopped(why); },
            Qt::QueuedConnection);
        return;
    }
    tellUser("Quillon cannot type for now",
             why + ". Readings that cannot be typed are kept in Quillon's data log; Quillon tries "
                   "again with each new reading.");
}

namespace {

class DesktopNotifications : public NoticeDisplay
{
public:
    void show(const std::string &summary, const std::string &detail) override
    {
        notifyDesktop(summary, detail);
    }
};

} // namespace

NoticeDisplay *platformNoticeDisplay()
{
    static DesktopNotifications notifications;
    return &notifications;
}
