// A stand-in for the desktop portal and the notification service, on the test's private session
// bus: implements the RemoteDesktop calls the program makes (version 2, with restore tokens),
// answers each request through its Request object's Response signal as the real portal does, and
// prints every call it gets, to the file FAKE_PORTAL_LOG names if set.
// Usage: fakeportal [--refuse] [--notifications-only] [--silent] [--close-after-keys N[,N...]]
//                   [--refuse-restore] [--consent-after MS]
//   --silent: never answers a request; --close-after-keys: ends the session after the Nth key
//   event (counted over all sessions); --consent-after: the user answers after MS ms;
//   --refuse-restore: answers a kept permission with 2 (no longer valid) and then closes that
//   session, as a portal does after the user revoked the permission.
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
    static FILE *out = qEnvironmentVariableIsSet("FAKE_PORTAL_LOG")
                           ? std::fopen(qgetenv("FAKE_PORTAL_LOG").constData(), "a")
                           : stdout;
    std::fprintf(out, "%s\n", qPrintable(line));
    std::fflush(out);
}

struct Behaviour
{
    bool refuse = false;
    bool silent = false;
    int consentAfterMs = 10;
    bool refuseRestore = false;
    QList<int> closeAfterKeys;
};

class RemoteDesktop : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.RemoteDesktop")
    Q_PROPERTY(uint version READ version)

public:
    RemoteDesktop(QObject *parent, Behaviour behaviour)
        : QDBusAbstractAdaptor(parent), behaviour(behaviour)
    {
    }

    uint version() const { return 2; }

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
        persist = options.value(QStringLiteral("persist_mode")).toUInt();
        QString line = QStringLiteral("SelectDevices %1 types=%2")
                           .arg(sessionName(handle))
                           .arg(options.value(QStringLiteral("types")).toUInt());
        if (persist != 0)
            line += QStringLiteral(" persist_mode=%1").arg(persist);
        if (options.contains(QStringLiteral("restore_token")))
            line += QStringLiteral(" restore_token=") +
                    options.value(QStringLiteral("restore_token")).toString();
        report(line);
        if (behaviour.refuseRestore && options.contains(QStringLiteral("restore_token"))) {
            QTimer::singleShot(50, [closing = handle.path()] { sendClosed(closing); });
            return respond(message, options, 2, {});
        }
        return respond(message, options, 0, {});
    }

    QDBusObjectPath Start(const QDBusObjectPath &handle, const QString &parentWindow,
                          const QVariantMap &options, const QDBusMessage &message)
    {
        report(QStringLiteral("Start %1 parent='%2'").arg(sessionName(handle), parentWindow));
        QVariantMap results{{QStringLiteral("devices"), behaviour.refuse ? 0u : 1u}};
        if (persist == 2 && !behaviour.refuse)
            results.insert(QStringLiteral("restore_token"), QStringLiteral("token-from-start"));
        return respond(message, options, behaviour.refuse ? 1 : 0, results,
                       behaviour.consentAfterMs);
    }

    void NotifyKeyboardKeysym(const QDBusObjectPath &handle, const QVariantMap &, int keysym,
                              uint state, const QDBusMessage &message)
    {
        if (handle.path() != session) {
            message.setDelayedReply(true);
            QDBusConnection::sessionBus().send(
                message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("no session")));
            return;
        }
        report(QStringLiteral("Keysym %1 0x%2 %3")
                   .arg(sessionName(handle))
                   .arg(keysym, 0, 16)
                   .arg(state ? QStringLiteral("down") : QStringLiteral("up")));
        if (behaviour.closeAfterKeys.contains(++keys)) {
            sendClosed(session);
            session.clear();
        }
    }

private:
    static void sendClosed(const QString &path)
    {
        QDBusMessage closed = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Closed"));
        closed << QVariantMap();
        QDBusConnection::sessionBus().send(closed);
    }

    static QString senderPart(const QDBusMessage &message)
    {
        return message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    }

    QString sessionName(const QDBusObjectPath &handle) const
    {
        return handle.path() == session ? QStringLiteral("session") : handle.path();
    }

    QDBusObjectPath respond(const QDBusMessage &message, const QVariantMap &options, uint response,
                            const QVariantMap &results, int afterMs = 10)
    {
        const QString request =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                .arg(senderPart(message), options.value(QStringLiteral("handle_token")).toString());
        if (behaviour.silent)
            return QDBusObjectPath(request);
        QTimer::singleShot(afterMs, [request, response, results] {
            QDBusMessage signal = QDBusMessage::createSignal(
                request, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
            signal << response << results;
            QDBusConnection::sessionBus().send(signal);
        });
        return QDBusObjectPath(request);
    }

    Behaviour behaviour;
    QString session;
    uint persist = 0;
    int keys = 0;
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
        Behaviour behaviour;
        const QStringList arguments = app.arguments();
        behaviour.refuse = arguments.contains(QStringLiteral("--refuse"));
        behaviour.silent = arguments.contains(QStringLiteral("--silent"));
        behaviour.refuseRestore = arguments.contains(QStringLiteral("--refuse-restore"));
        const int consentAt = arguments.indexOf(QStringLiteral("--consent-after"));
        if (consentAt >= 0)
            behaviour.consentAfterMs = arguments.value(consentAt + 1).toInt();
        const int closeAt = arguments.indexOf(QStringLiteral("--close-after-keys"));
        if (closeAt > 0) {
            for (const QString &key : arguments.value(closeAt + 1).split(QLatin1Char(',')))
                behaviour.closeAfterKeys << key.toInt();
        }
        new RemoteDesktop(&portalRoot, behaviour);
        bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portalRoot);
        bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    // Started by the bus on demand, it must not outlive the bus.
    QTimer busWatch;
    QObject::connect(&busWatch, &QTimer::timeout, [&] {
        if (!QDBusConnection::sessionBus().isConnected())
            app.quit();
    });
    busWatch.start(200);
    report(QStringLiteral("ready"));
    return app.exec();
}

#include "fakeportal.moc"
