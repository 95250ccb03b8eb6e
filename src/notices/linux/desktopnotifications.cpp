// Notices as the desktop's notifications (org.freedesktop.Notifications).
#include "notices/platform.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace {

class DesktopNotifications : public NoticeDisplay
{
public:
    // A desktop without a notification service loses nothing: every notice is on stderr too.
    void show(const std::string &summary, const std::string &detail) override
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"),
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        message.setArguments({QStringLiteral("Quillon"), 0u, QStringLiteral("quillon"),
                              QString::fromStdString(summary), QString::fromStdString(detail),
                              QStringList(), QVariantMap(), -1});
        QDBusConnection::sessionBus().call(message, QDBus::Block, 2000);
    }
};

} // namespace

NoticeDisplay *platformNoticeDisplay()
{
    static DesktopNotifications notifications;
    return &notifications;
}
