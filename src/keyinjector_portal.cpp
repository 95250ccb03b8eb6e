// Typing through the desktop's RemoteDesktop portal (GNOME, KDE): the user consents once (and,
// where the portal can keep the permission, only the first time), and the compositor types
// keysyms, whatever the layout. The program does not wait for the answer to start.
#include "keyinjector_linux.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <future>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString remoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr uint keyboardDevice = 1;
constexpr uint persistUntilRevoked = 2;
constexpr int shiftKeysym = 0xffe1;
constexpr int tabKeysym = 0xff09;
constexpr int returnKeysym = 0xff0d;
// How long the user may take over the consent prompt at start.
constexpr std::chrono::seconds consentTimeout{120};
// How long the portal may take over a step that asks the user nothing, or over one key.
constexpr int answerTimeoutMs = 5000;
constexpr int keyTimeoutMs = 2000;

// Where the portal's permission to type is kept between runs; it holds no serial settings.
QString restoreTokenFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/remote-desktop-restore-token");
}

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

// The portal conversation, on a thread of its own so that the portal's answers arrive while the
// GUI thread waits for consent or types.
class PortalSession : public QObject
{
    Q_OBJECT

public:
    PortalSession(std::promise<QString> &outcome, std::function<void()> whenSettled)
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                            QStringLiteral("quillon-portal"))),
          outcome(outcome), whenSettled(std::move(whenSettled))
    {
    }

    ~PortalSession() override
    {
        if (!session.path().isEmpty())
            bus.send(QDBusMessage::createMethodCall(
                portalService, session.path(), QStringLiteral("org.freedesktop.portal.Session"),
                QStringLiteral("Close")));
        QDBusConnection::disconnectFromBus(QStringLiteral("quillon-portal"));
    }

public slots:
    void begin()
    {
        answerTimer = new QTimer(this);
        answerTimer->setSingleShot(true);
        connect(answerTimer, &QTimer::timeout, this,
                [this] { finish(QStringLiteral("the remote desktop portal did not answer")); });
        restoreToken = portalVersion() >= 2 ? savedRestoreToken() : QString();
        createSession();
    }

    // False once the portal no longer takes keys; that is then said once.
    bool typeKeysym(int keysym)
    {
        if (closed)
            return false;
        if (!notifyKeysym(keysym, 1) || !notifyKeysym(keysym, 0)) {
            lose(QStringLiteral("the remote desktop portal no longer takes keys"));
            return false;
        }
        return true;
    }

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
                       : QStringLiteral("the remote desktop portal does not take keys"));
            return;
        }
    }

    void onClosed()
    {
        session = QDBusObjectPath();
        lose(QStringLiteral("the remote desktop session was ended"));
    }

private:
    enum class Step
    {
        CreateSession,
        SelectDevices,
        Start,
    };

    void createSession()
    {
        step = Step::CreateSession;
        call(QStringLiteral("CreateSession"),
             {QVariantMap{{QStringLiteral("handle_token"), token()},
                          {QStringLiteral("session_handle_token"), QStringLiteral("quillon")}}},
             answerTimeoutMs);
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
            createSession();
            return;
        }
        finish(response == 1 ? QStringLiteral("the user declined the remote desktop request")
                             : QStringLiteral("the remote desktop portal failed"));
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
            finish(QStringLiteral("the remote desktop portal refused %1: %2")
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

    void finish(const QString &whyNot)
    {
        if (settled)
            return;
        settled = true;
        answerTimer->stop();
        outcome.set_value(whyNot);
        whenSettled();
    }

    QDBusConnection bus;
    std::promise<QString> &outcome;
    std::function<void()> whenSettled;
    QTimer *answerTimer = nullptr;
    Step step = Step::CreateSession;
    QDBusObjectPath session;
    QString restoreToken;
    uint version = 0;
    int requests = 0;
    bool settled = false;
    std::atomic<bool> closed{false};
};

class PortalKeyBackend : public KeyBackend
{
public:
    explicit PortalKeyBackend(FallBack fallBack) : fallBack(std::move(fallBack))
    {
        answer = outcome.get_future();
        // The answer is taken up on this (the GUI) thread as soon as it comes, so that a refusal
        // is said, and the fallback ready, before any line arrives.
        portal = new PortalSession(outcome, [this] {
            QMetaObject::invokeMethod(
                &guiThread, [this] { takeAnswer(); }, Qt::QueuedConnection);
        });
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

    void prepareLine() override
    {
        takeAnswer();
        if (instead)
            instead->prepareLine();
    }

    void pressAndRelease(const KeyStroke &stroke) override
    {
        takeAnswer();
        if (instead) {
            instead->pressAndRelease(stroke);
            return;
        }
        if (lost)
            return;
        int keysym = static_cast<int>(stroke.character); // Latin-1 keysyms carry the code point
        if (stroke.key == KeyStroke::Key::Tab)
            keysym = tabKeysym;
        else if (stroke.key == KeyStroke::Key::Return)
            keysym = returnKeysym;
        bool typed = false;
        QMetaObject::invokeMethod(portal, "typeKeysym", Qt::BlockingQueuedConnection,
                                  Q_RETURN_ARG(bool, typed), Q_ARG(int, keysym));
        lost = !typed;
    }

private:
    // Waits for the user's answer if it has not come yet; the conversation ends itself when the
    // portal does not answer in time.
    void takeAnswer()
    {
        if (answered)
            return;
        answered = true;
        const QString refused = answer.get();
        if (!refused.isEmpty())
            instead = fallBack(refused.toStdString());
    }

    FallBack fallBack;
    std::promise<QString> outcome;
    std::future<QString> answer;
    QObject guiThread; // context of the answer's delivery; lives and dies with this backend
    QThread thread;
    PortalSession *portal; // owned by the thread: deleted when it finishes
    bool answered = false;
    bool lost = false;
    std::unique_ptr<KeyBackend> instead;
};

bool portalReachable(QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    QDBusConnectionInterface *daemon = bus.interface();
    // A portal that D-Bus starts on demand is not registered until the first call.
    return daemon->isServiceRegistered(portalService) ||
           daemon->activatableServiceNames().value().contains(portalService);
}

} // namespace

std::unique_ptr<KeyBackend> createPortalKeyBackend(std::string &whyNot, FallBack fallBack)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!portalReachable(bus)) {
        whyNot = "no desktop portal on the session bus";
        return nullptr;
    }
    return std::make_unique<PortalKeyBackend>(std::move(fallBack));
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

void reportTypingStopped(const std::string &why)
{
    std::fprintf(stderr, "quillon: %s; received data is no longer typed, log mode works as usual\n",
                 why.c_str());
    notifyDesktop("Quillon can no longer type", why + ". The data log works as usual.");
}

#include "keyinjector_portal.moc"
