// A stand-in for the desktop portal and the notification service, on the test's private session
// bus: implements the RemoteDesktop calls the program makes, answers each request through its
// Request object's Response signal as the real portal does, and prints every call it gets.
// Usage: fakeportal [--refuse] [--notifications-only]
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

#include <cstdio>

namespace {

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class RemoteDesktop : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.RemoteDesktop")

public:
    RemoteDesktop(QObject *parent, bool refuse) : QDBusAbstractAdaptor(parent), refuse(refuse) {}

public slots:
    QDBusObjectPath CreateSession(const QVariantMap &options, const QDBusMessage &message)
    {
        report(QStringLiteral("CreateSession session_handle_token=%1")
                   .arg(options.value(QStringLiteral("session_handle_token")).toString()));
        session = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                      .arg(senderPart(message),
                           options.value(QStringLiteral("session_handle_token")).toString());
        return respond(message, options, 0, {{QStringLiteral("session_handle"), session}});
    }

    QDBusObjectPath SelectDevices(const QDBusObjectPath &handle, const QVariantMap &options,
                                  const QDBusMessage &message)
    {
        report(QStringLiteral("SelectDevices %1 types=%2")
                   .arg(sessionName(handle))
                   .arg(options.value(QStringLiteral("types")).toUInt()));
        return respond(message, options, 0, {});
    }

    QDBusObjectPath Start(const QDBusObjectPath &handle, const QString &parentWindow,
                          const QVariantMap &options, const QDBusMessage &message)
    {
        report(QStringLiteral("Start %1 parent='%2'").arg(sessionName(handle), parentWindow));
        return respond(message, options, refuse ? 1 : 0,
                       {{QStringLiteral("devices"), refuse ? 0u : 1u}});
    }

    void NotifyKeyboardKeysym(const QDBusObjectPath &handle, const QVariantMap &, int keysym,
                              uint state)
    {
        report(QStringLiteral("Keysym %1 0x%2 %3")
                   .arg(sessionName(handle))
                   .arg(keysym, 0, 16)
                   .arg(state ? QStringLiteral("down") : QStringLiteral("up")));
    }

private:
    static QString senderPart(const QDBusMessage &message)
    {
        return message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    }

    QString sessionName(const QDBusObjectPath &handle) const
    {
        return handle.path() == session ? QStringLiteral("session") : handle.path();
    }

    QDBusObjectPath respond(const QDBusMessage &message, const QVariantMap &options, uint response,
                            const QVariantMap &results)
    {
        const QString request =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                .arg(senderPart(message), options.value(QStringLiteral("handle_token")).toString());
        QTimer::singleShot(10, [request, response, results] {
            QDBusMessage signal = QDBusMessage::createSignal(
                request, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
            signal << response << results;
            QDBusConnection::sessionBus().send(signal);
        });
        return QDBusObjectPath(request);
    }

    bool refuse;
    QString session;
};

class Notifications : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit Notifications(QObject *parent) : QDBusAbstractAdaptor(parent) {}

public slots:
    uint Notify(const QString &application, uint, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int)
    {
        report(QStringLiteral("Notify %1: %2 | %3").arg(application, summary, body));
        return 1;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    QObject notificationsRoot;
    new Notifications(&notificationsRoot);
    bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notificationsRoot);
    bus.registerService(QStringLiteral("org.freedesktop.Notifications"));

    QObject portalRoot;
    if (!app.arguments().contains(QStringLiteral("--notifications-only"))) {
        new RemoteDesktop(&portalRoot, app.arguments().contains(QStringLiteral("--refuse")));
        bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portalRoot);
        bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    report(QStringLiteral("ready"));
    return app.exec();
}

#include "fakeportal.moc"
