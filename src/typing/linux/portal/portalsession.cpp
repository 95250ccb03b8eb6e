#include "typing/linux/portal/portalsession.h"

#include "typing/linux/linuxkeybackends.h"
#include "typing/linux/portal/restoretoken.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString remoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr uint keyboardDevice = 1;
constexpr uint persistUntilRevoked = 2;
constexpr int shiftKeysym = 0xffe1;
// How long the user may take over the consent prompt at start.
constexpr std::chrono::seconds consentTimeout{120};
// How long the portal may take over a step that asks the user nothing, or over one key.
constexpr int answerTimeoutMs = 5000;
constexpr int keyTimeoutMs = 2000;

class PortalSession : public QObject
{
    Q_OBJECT

public:
    PortalSession(std::promise<PortalOutcome> &outcome, std::function<void()> whenSettled)
        : connectionName(QStringLiteral("quillon-portal-%1").arg(++sessionsMade)),
          bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName)),
          outcome(outcome), whenSettled(std::move(whenSettled))
    {
    }

    ~PortalSession() override
    {
        if (!session.path().isEmpty())
            bus.send(QDBusMessage::createMethodCall(
                portalService, session.path(), QStringLiteral("org.freedesktop.portal.Session"),
                QStringLiteral("Close")));
        QDBusConnection::disconnectFromBus(connectionName);
    }

public slots:
    void begin()
    {
        answerTimer = new QTimer(this);
        answerTimer->setSingleShot(true);
        connect(answerTimer, &QTimer::timeout, this, [this] {
            finish(
                QCoreApplication::translate("Notices", "the remote desktop portal did not answer"),
                false);
        });
        restoreToken = portalVersion() >= 2 ? savedRestoreToken() : QString();
        createSession();
    }

    // False once the portal no longer takes keys; that is then said once.
    bool typeKeysym(int keysym)
    {
        if (closed)
            return false;
        if (!notifyKeysym(keysym, 1)) {
            lose(QCoreApplication::translate("Notices",
                                             "the remote desktop portal no longer takes keys"));
            return false;
        }
        // The press went out, so the key counts as typed; its release is tried once more, and a
        // session that took neither is given up, so that the next line sets up a new one.
        if (!notifyKeysym(keysym, 0) && !notifyKeysym(keysym, 0))
            lose(QCoreApplication::translate("Notices",
                                             "the remote desktop portal no longer takes keys"));
        return true;
    }

    bool takesKeys() const { return !closed; }

private slots:
    void onResponse(uint response, const QVariantMap &results)
    {
        if (settled)
            return; // given up on already: no late consent dialog
        answerTimer->stop();
        if (response != 0) {
            respondToRefusal(response);
            return;
        }
        switch (step) {
        case Step::CreateSession:
            session = QDBusObjectPath(results.value(QStringLiteral("session_handle")).toString());
            bus.connect(portalService, session.path(),
                        QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Closed"),
                        this, SLOT(onClosed()));
            selectDevices();
            return;
        case Step::SelectDevices:
            step = Step::Start;
            call(QStringLiteral("Start"),
                 {QVariant::fromValue(session), QString(),
                  QVariantMap{{QStringLiteral("handle_token"), token()}}},
                 std::chrono::duration_cast<std::chrono::milliseconds>(consentTimeout).count());
            return;
        case Step::Start:
            if (portalVersion() >= 2)
                saveRestoreToken(results.value(QStringLiteral("restore_token")).toString());
            // Measured with mutter: the first key of a new session is lost; a lone Shift is not.
            finish(typeKeysym(shiftKeysym)
                       ? QString()
                       : QCoreApplication::translate(
                             "Notices", "the remote desktop portal does not take keys"));
            return;
        }
    }

    void onClosed()
    {
        session = QDBusObjectPath();
        lose(QCoreApplication::translate("Notices", "the remote desktop session was ended"));
    }

private:
    enum class Step
    {
        CreateSession,
        SelectDevices,
        Start,
    };

    // Every session gets a token of its own: a session created again after a refusal must not
    // share the path of the one before, whose closing would otherwise end it too.
    void createSession()
    {
        step = Step::CreateSession;
        call(QStringLiteral("CreateSession"),
             {QVariantMap{{QStringLiteral("handle_token"), token()},
                          {QStringLiteral("session_handle_token"),
                           QStringLiteral("quillon_session%1").arg(++sessionsCreated)}}},
             answerTimeoutMs);
    }

    void leaveSession()
    {
        if (session.path().isEmpty())
            return;
        bus.disconnect(portalService, session.path(),
                       QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Closed"),
                       this, SLOT(onClosed()));
        bus.send(QDBusMessage::createMethodCall(portalService, session.path(),
                                                QStringLiteral("org.freedesktop.portal.Session"),
                                                QStringLiteral("Close")));
        session = QDBusObjectPath();
    }

    // Asks for a permission that outlives the run where the portal offers it, handing over the
    // one kept from the last run so that the user is not asked again.
    void selectDevices()
    {
        step = Step::SelectDevices;
        QVariantMap options{{QStringLiteral("handle_token"), token()},
                            {QStringLiteral("types"), keyboardDevice}};
        if (portalVersion() >= 2) {
            options.insert(QStringLiteral("persist_mode"), persistUntilRevoked);
            if (!restoreToken.isEmpty())
                options.insert(QStringLiteral("restore_token"), restoreToken);
        }
        call(QStringLiteral("SelectDevices"), {QVariant::fromValue(session), options},
             answerTimeoutMs);
    }

    // A kept permission the portal no longer honours is forgotten, and the user is asked anew.
    void respondToRefusal(uint response)
    {
        if (response == 2 && !restoreToken.isEmpty()) {
            restoreToken.clear();
            saveRestoreToken({});
            leaveSession();
            createSession();
            return;
        }
        if (response == 1)
            finish(QCoreApplication::translate("Notices",
                                               "the user declined the remote desktop request"),
                   false);
        else
            finish(QCoreApplication::translate("Notices", "the remote desktop portal failed"));
    }

    QString token() { return QStringLiteral("quillon%1").arg(++requests); }

    uint portalVersion()
    {
        if (version == 0) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                portalService, portalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("Get"));
            get << remoteDesktop << QStringLiteral("version");
            const QDBusMessage reply = bus.call(get, QDBus::Block, answerTimeoutMs);
            version =
                reply.arguments().isEmpty()
                    ? 1
                    : qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toUInt();
            version = std::max(version, 1u);
        }
        return version;
    }

    // Listens on the request's path before asking, so that a quick answer cannot be missed; an
    // answer that does not come within `waitMs` ends the conversation.
    void call(const QString &method, const QVariantList &arguments, qint64 waitMs)
    {
        const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString request =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/quillon%2")
                .arg(sender)
                .arg(requests);
        bus.connect(portalService, request, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
        QDBusMessage message =
            QDBusMessage::createMethodCall(portalService, portalPath, remoteDesktop, method);
        message.setArguments(arguments);
        const QDBusMessage reply = bus.call(message, QDBus::Block, answerTimeoutMs);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            finish(
                QCoreApplication::translate("Notices", "the remote desktop portal refused %1: %2")
                    .arg(method, reply.errorMessage()));
            return;
        }
        answerTimer->start(static_cast<int>(waitMs));
    }

    bool notifyKeysym(int keysym, uint state)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            portalService, portalPath, remoteDesktop, QStringLiteral("NotifyKeyboardKeysym"));
        message.setArguments({QVariant::fromValue(session), QVariantMap(), keysym, state});
        return bus.call(message, QDBus::Block, keyTimeoutMs).type() != QDBusMessage::ErrorMessage;
    }

    void lose(const QString &why)
    {
        if (closed.exchange(true) || !settled)
            return;
        reportTypingStopped(why.toStdString());
    }

    void finish(const QString &whyNot, bool mayAskAgain = true)
    {
        if (settled)
            return;
        settled = true;
        answerTimer->stop();
        outcome.set_value({whyNot, mayAskAgain});
        whenSettled();
    }

    static inline std::atomic<int> sessionsMade{0};
    const QString connectionName;
    QDBusConnection bus;
    std::promise<PortalOutcome> &outcome;
    std::function<void()> whenSettled;
    QTimer *answerTimer = nullptr;
    Step step = Step::CreateSession;
    QDBusObjectPath session;
    QString restoreToken;
    uint version = 0;
    int requests = 0;
    int sessionsCreated = 0;
    bool settled = false;
    std::atomic<bool> closed{false};
};

} // namespace

bool portalReachable()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusConnectionInterface *daemon = bus.interface();
    // A portal that D-Bus starts on demand is not registered until the first call.
    return daemon->isServiceRegistered(portalService) ||
           daemon->activatableServiceNames().value().contains(portalService);
}

QObject *createPortalSession(std::promise<PortalOutcome> &outcome,
                             std::function<void()> whenSettled)
{
    return new PortalSession(outcome, std::move(whenSettled));
}

#include "portalsession.moc"
