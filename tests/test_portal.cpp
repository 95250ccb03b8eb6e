// The RemoteDesktop portal path against a fake portal on a private session bus: the calls and
// their order, the keysyms for each byte, and what happens when consent is refused or the
// portal is missing.
#include "harness.h"
#include "keyinjector.h"
#include "stderrcapture.h"

#include <QComboBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakePortal
{
public:
    explicit FakePortal(const QStringList &arguments)
    {
        process.start(QStringLiteral(FAKE_PORTAL), arguments);
        ready = nextLine(5000) == "ready";
    }
    ~FakePortal()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
    FakePortal(const FakePortal &) = delete;
    FakePortal &operator=(const FakePortal &) = delete;

    QByteArray nextLine(int timeoutMs = 3000)
    {
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(timeoutMs))
                return {};
        }
        return process.readLine().trimmed();
    }

    // Every call reported until the portal has been quiet for a moment.
    QList<QByteArray> calls()
    {
        QList<QByteArray> lines;
        for (QByteArray line = nextLine(500); !line.isEmpty(); line = nextLine(500))
            lines << line;
        return lines;
    }

    bool ready = false;

private:
    QProcess process;
};

// A Wayland session whose compositor offers no virtual keyboard, so that the portal is next.
struct WaylandSessionWithoutVirtualKeyboard
{
    WaylandSessionWithoutVirtualKeyboard()
    {
        qputenv("WAYLAND_DISPLAY", "wayland-none");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    }
    ~WaylandSessionWithoutVirtualKeyboard() { qunsetenv("WAYLAND_DISPLAY"); }

    QTemporaryDir runtime;
};

} // namespace

class PortalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "needs a session bus");
    }

    void typesKeysymsAfterConsent()
    {
        FakePortal portal({});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1); // Standard
        const QByteArray choice =
            capturedStderr([&] { harness.window->setKeyInjector(createKeyInjector("wayland")); });
        QVERIFY2(choice.contains("typing with the remote desktop portal"), choice.constData());

        device.send("aZ\xe9\t\x1b\r\n1\n");
        const QList<QByteArray> expected = {
            "CreateSession session_handle_token=quillon",
            "SelectDevices session types=1",
            "Start session parent=''",
            "Keysym session 0xffe1 down", // the priming Shift
            "Keysym session 0xffe1 up",
            "Keysym session 0x61 down",
            "Keysym session 0x61 up",
            "Keysym session 0x5a down",
            "Keysym session 0x5a up",
            "Keysym session 0xe9 down",
            "Keysym session 0xe9 up",
            "Keysym session 0xff09 down",
            "Keysym session 0xff09 up",
            "Keysym session 0xff0d down", // CR; the LF after it and the Escape give nothing
            "Keysym session 0xff0d up",
            "Keysym session 0x31 down",
            "Keysym session 0x31 up",
            "Keysym session 0xff0d down", // a lone LF
            "Keysym session 0xff0d up",
        };
        QList<QByteArray> seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen += portal.calls(), seen.size() >= expected.size()), 8000);
        QCOMPARE(seen, expected);
    }

    void refusedConsentFallsBackToXTestAndNotifiesOnce()
    {
        FakePortal portal({QStringLiteral("--refuse")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        const QByteArray choice = capturedStderr([] { createKeyInjector("wayland"); });
        QVERIFY2(choice.contains("declined"), choice.constData());
        QVERIFY(choice.contains("typing with XTest through XWayland"));
        QCOMPARE(choice.count('\n'), 1);
        const QList<QByteArray> calls = portal.calls();
        QCOMPARE(calls.mid(0, 3),
                 QList<QByteArray>({"CreateSession session_handle_token=quillon",
                                    "SelectDevices session types=1", "Start session parent=''"}));
        QCOMPARE(calls.size(), 4);
        QVERIFY(calls.last().startsWith("Notify Quillon: Quillon cannot type"));
    }

    void missingPortalIsReportedOnceAndNotified()
    {
        FakePortal notificationsOnly({QStringLiteral("--notifications-only")});
        QVERIFY(notificationsOnly.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        const QByteArray choice = capturedStderr([] { createKeyInjector("wayland"); });
        QVERIFY2(choice.contains("no desktop portal"), choice.constData());
        QCOMPARE(choice.count('\n'), 1);
        const QList<QByteArray> calls = notificationsOnly.calls();
        QCOMPARE(calls.size(), 1);
        QVERIFY(calls.first().startsWith("Notify Quillon: Quillon cannot type"));
    }
};

QTEST_MAIN(PortalTest)
#include "test_portal.moc"
