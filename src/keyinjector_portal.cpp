// Typing through the desktop's RemoteDesktop portal (GNOME, KDE): the user consents once per run,
// and the compositor types keysyms, whatever the layout.
#include "keyinjector_linux.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QThread>

#include <cstdio>
#include <future>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString remoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr uint keyboardDevice = 1;
constexpr int shiftKeysym = 0xffe1;
constexpr int tabKeysym = 0xff09;
constexpr int returnKeysym = 0xff0d;
// How long the user may take over the consent prompt at start.
constexpr std::chrono::seconds consentTimeout{120};

// The portal conversation, on a thread of its own so that the portal's answers arrive while the
// GUI thread waits for consent or types.
class PortalSession : public QObject
{
    Q_OBJECT

public:
    explicit PortalSession(std::promise<QString> &outcome)
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                            QStringLiteral("quillon-portal"))),
          outcome(outcome)
    {
    }

    ~PortalSession() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("quillon-portal"));
    }

public slots:
    void begin()
    {
        step = Step::CreateSession;
        call(QStringLiteral("CreateSession"),
             {QVariantMap{{QStringLiteral("handle_token"), token()},
                          {QStringLiteral("session_handle_token"), QStringLiteral("quillon")}}});
    }

    void typeKeysym(int keysym)
    {
        notifyKeysym(keysym, 1);
        notifyKeysym(keysym, 0);
    }

private slots:
    void onResponse(uint response, const QVariantMap &results)
    {
        if (response != 0) {
            finish(response == 1 ? QStringLiteral("the user declined the remote desktop request")
                                 : QStringLiteral("the remote desktop portal failed"));
            return;
        }
        switch (step) {
        case Step::CreateSession:
            session = QDBusObjectPath(results.value(QStringLiteral("session_handle")).toString());
            step = Step::SelectDevices;
            call(QStringLiteral("SelectDevices"),
                 {QVariant::fromValue(session),
                  QVariantMap{{QStringLiteral("handle_token"), token()},
                              {QStringLiteral("types"), keyboardDevice}}});
            return;
        case Step::SelectDevices:
            step = Step::Start;
            call(QStringLiteral("Start"), {QVariant::fromValue(session), QString(),
                                           QVariantMap{{QStringLiteral("handle_token"), token()}}});
            return;
        case Step::Start:
            // Measured with mutter: the first key of a new session is lost; a lone Shift is not.
            typeKeysym(shiftKeysym);
            finish({});
            return;
        }
    }

private:
    enum class Step
    {
        CreateSession,
        SelectDevices,
        Start,
    };

    QString token() { return QStringLiteral("quillon%1").arg(++requests); }

    // Listens on the request's path before asking, so that a quick answer cannot be missed.
    void call(const QString &method, const QVariantList &arguments)
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
        const QDBusMessage reply = bus.call(message);
        if (reply.type() == QDBusMessage::ErrorMessage)
            finish(QStringLiteral("the remote desktop portal refused %1: %2")
                       .arg(method, reply.errorMessage()));
    }

    void notifyKeysym(int keysym, uint state)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            portalService, portalPath, remoteDesktop, QStringLiteral("NotifyKeyboardKeysym"));
        message.setArguments({QVariant::fromValue(session), QVariantMap(), keysym, state});
        bus.send(message);
    }

    void finish(const QString &whyNot)
    {
        if (settled)
            return;
        settled = true;
        outcome.set_value(whyNot);
    }

    QDBusConnection bus;
    std::promise<QString> &outcome;
    Step step = Step::CreateSession;
    QDBusObjectPath session;
    int requests = 0;
    bool settled = false;
};

class PortalKeyBackend : public KeyBackend
{
public:
    PortalKeyBackend()
    {
        portal = new PortalSession(outcome);
        portal->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, portal, &QObject::deleteLater);
        thread.start();
        QMetaObject::invokeMethod(portal, "begin", Qt::QueuedConnection);
    }

    ~PortalKeyBackend() override
    {
        thread.quit();
        thread.wait();
    }

    PortalKeyBackend(const PortalKeyBackend &) = delete;
    PortalKeyBackend &operator=(const PortalKeyBackend &) = delete;

    // Empty once the session has started; otherwise why it did not.
    QString waitForConsent()
    {
        std::future<QString> result = outcome.get_future();
        if (result.wait_for(consentTimeout) != std::future_status::ready)
            return QStringLiteral("no answer to the remote desktop request");
        return result.get();
    }

    void pressAndRelease(const KeyStroke &stroke) override
    {
        int keysym = static_cast<int>(stroke.character); // Latin-1 keysyms carry the code point
        if (stroke.key == KeyStroke::Key::Tab)
            keysym = tabKeysym;
        else if (stroke.key == KeyStroke::Key::Return)
            keysym = returnKeysym;
        QMetaObject::invokeMethod(portal, "typeKeysym", Qt::BlockingQueuedConnection,
                                  Q_ARG(int, keysym));
    }

private:
    std::promise<QString> outcome;
    QThread thread;
    PortalSession *portal; // owned by the thread: deleted when it finishes
};

} // namespace

std::unique_ptr<KeyBackend> createPortalKeyBackend(std::string &whyNot)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(portalService)) {
        whyNot = "no desktop portal on the session bus";
        return nullptr;
    }
    auto injector = std::make_unique<PortalKeyBackend>();
    const QString refused = injector->waitForConsent();
    if (!refused.isEmpty()) {
        whyNot = refused.toStdString();
        return nullptr;
    }
    return injector;
}

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

#include "keyinjector_portal.moc"
