// The RemoteDesktop portal path against a fake portal on a private session bus: the calls and
// their order, the keysyms for each byte, and what happens when consent is refused or the
// portal is missing.
#include "childprocess.h"
#include "harness.h"
#include "stderrcapture.h"
#include "typing/keyinjector.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

unsigned modeOf(const QString &path)
{
    struct stat status = {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

class FakePortal
{
public:
    explicit FakePortal(const QStringList &arguments)
    {
        startTiedToTest(process, QStringLiteral(FAKE_PORTAL), arguments);
        ready = nextLine(5000) == "ready";
    }
    ~FakePortal() { stopChild(process); }
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
    WaylandSessionWithoutVirtualKeyboard() : savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("WAYLAND_DISPLAY", "wayland-none");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    }
    ~WaylandSessionWithoutVirtualKeyboard()
    {
        qunsetenv("WAYLAND_DISPLAY");
        if (savedRuntime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", savedRuntime);
    }

    QTemporaryDir runtime;
    QByteArray savedRuntime;
};

} // namespace

class PortalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "needs a session bus");
        // The kept permission goes under ~/.qttest, in a home of this run's own: the suite that
        // starts the portal on demand runs beside this one.
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() { QFile::remove(keptToken()); }

    void typesKeysymsAfterConsent()
    {
        FakePortal portal({QStringLiteral("--consent-after"), QStringLiteral("300")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1); // Standard
        std::unique_ptr<KeyInjector> keys;
        const QByteArray choice = capturedStderr([&] {
            keys = createKeyInjector("wayland");
            // Where the focus is once the user has answered is not known.
            QCOMPARE(keys->typeLine("0\r"), std::string("0\r"));
        });
        QVERIFY2(choice.contains("typing with the remote desktop portal"), choice.constData());
        QVERIFY2(choice.contains("came while the desktop asked"), choice.constData());
        harness.window->setKeyInjector(std::move(keys));

        device.send("aZ\xe9\t\x1b\r\n1\n");
        const QList<QByteArray> expected = {
            "CreateSession session_handle_token=quillon_session1",
            "SelectDevices session types=1 persist_mode=2",
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
        QTRY_VERIFY_WITH_TIMEOUT((seen += portal.calls(), seen.size() > expected.size()), 8000);
        seen.erase(std::remove_if(seen.begin(), seen.end(),
                                  [](const QByteArray &call) { return call.startsWith("Notify"); }),
                   seen.end()); // the notice of the reading not typed
        QCOMPARE(seen, expected);
    }

    void refusedConsentFallsBackAndIsNotAskedAgain_data()
    {
        QTest::addColumn<bool>("xtest");
        QTest::newRow("to XTest") << true;
        QTest::newRow("with no XTest either") << false;
    }

    // The refusal stands for the run: with no XTest either, readings go to the log unasked.
    void refusedConsentFallsBackAndIsNotAskedAgain()
    {
        QFETCH(bool, xtest);
        FakePortal portal({QStringLiteral("--refuse")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", xtest ? display : QByteArray());
        std::unique_ptr<KeyInjector> keys;
        const QByteArray choice = capturedStderr([&] {
            keys = createKeyInjector("wayland");
            keys->typeLine({}); // the first line waits for the answer
            QCOMPARE(keys->typeLine("\r").empty(), xtest);
        });
        qputenv("DISPLAY", display);
        QVERIFY2(choice.contains("declined"), choice.constData());
        QCOMPARE(choice.contains("typing with XTest through XWayland"), xtest);
        // Asking, then the fallback, and with XTest the notice that Wayland applications get
        // nothing; without it, the one that nothing can be typed.
        QCOMPARE(choice.count('\n'), xtest ? 3 : 2);
        const QList<QByteArray> calls = portal.calls();
        QCOMPARE(calls.mid(0, 3),
                 QList<QByteArray>({"CreateSession session_handle_token=quillon_session1",
                                    "SelectDevices session types=1 persist_mode=2",
                                    "Start session parent=''"}));
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
        QCOMPARE(choice.count("quillon: Quillon cannot type into Wayland applications"), 1);
        QCOMPARE(choice.count('\n'), 2); // the notice, and the choice
        const QList<QByteArray> calls = notificationsOnly.calls();
        QCOMPARE(calls.size(), 1);
        QVERIFY(calls.first().startsWith("Notify Quillon: Quillon cannot type"));
    }

    // The permission is asked to outlive the run; the next start hands it back.
    void keptPermissionIsUsedOnTheNextStart()
    {
        FakePortal portal({});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        capturedStderr([] { createKeyInjector("wayland")->typeLine({}); });
        QVERIFY(portal.calls().contains("SelectDevices session types=1 persist_mode=2"));
        QFile kept(keptToken());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("token-from-start"));

        const QByteArray choice =
            capturedStderr([] { createKeyInjector("wayland")->typeLine({}); });
        QCOMPARE(choice.count('\n'), 1);
        QVERIFY2(choice.contains("typing with the remote desktop portal"), choice.constData());
        QVERIFY(portal.calls().contains(
            "SelectDevices session types=1 persist_mode=2 restore_token=token-from-start"));
    }

    // A session the desktop ends, in a line or between two, is said once; what could not be
    // typed goes to the log, and the next reading is typed through a new session, which hands
    // back the kept permission at once.
    void endedSessionIsSaidOnceAndANewOneTakesOver()
    {
        // The first session ends between the press of "a" and its release, which counts it as
        // typed; the second right after a line.
        FakePortal portal({QStringLiteral("--close-after-keys"), QStringLiteral("3,11")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        capturedStderr([&] {
            std::unique_ptr<KeyInjector> keys = createKeyInjector("wayland");
            keys->typeLine({}); // waits for the answer
            harness.window->setKeyInjector(std::move(keys));
        });
        const QByteArray said = capturedStderr([&] {
            QVERIFY(harness.deliver(device, "ab\r"));
            QVERIFY(harness.deliver(device, "cd\r")); // its session ends after its last key
            QVERIFY(harness.deliver(device, "ef\r"));
        });
        // Said again only because "cd" was typed in full meanwhile.
        QCOMPARE(said.count('\n'), 2);
        QCOMPARE(said.count("Quillon cannot type for now"), 2);
        QCOMPARE(harness.logText(), QStringLiteral("Not typed: ab (only \"a\" of it was typed)\n"));
        const QList<QByteArray> calls = portal.calls();
        QVERIFY(calls.contains("Keysym session 0x61 down"));
        QVERIFY(calls.contains("Keysym session 0x63 down"));
        QVERIFY(calls.contains("Keysym session 0x66 up"));
        QCOMPARE(std::count_if(calls.begin(), calls.end(),
                               [](const QByteArray &call) {
                                   return call.startsWith("Notify Quillon: Quillon cannot type");
                               }),
                 2);
    }

    // A kept permission the portal no longer honours: the user is asked in a new session, which
    // the old one's closing does not end, and the new permission is kept for the user alone.
    void stalePermissionIsAskedAnewInASessionOfItsOwn()
    {
        FakePortal portal({QStringLiteral("--refuse-restore")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        QDir().mkpath(QFileInfo(keptToken()).path());
        QFile stale(keptToken());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("stale-token");
        stale.close();

        std::unique_ptr<KeyInjector> keys;
        capturedStderr([&] { keys = createKeyInjector("wayland"); });
        QList<QByteArray> seen;
        QTRY_VERIFY((seen += portal.calls(), seen.contains("Start session parent=''")));
        QTest::qWait(200); // the refused session's Closed comes after the new one began
        QVERIFY(keys->typeLine("x").empty());
        seen += portal.calls();
        QVERIFY(seen.contains("CreateSession session_handle_token=quillon_session2"));
        QVERIFY(seen.contains("Keysym session 0x78 down"));

        QFile kept(keptToken());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("token-from-start"));
        QCOMPARE(modeOf(keptToken()), 0600u);
        QCOMPARE(modeOf(QFileInfo(keptToken()).path()), 0700u);
    }

    // The program starts at once; a portal that never answers is given up on within seconds,
    // for the next way of typing.
    void silentPortalIsGivenUpOn()
    {
        FakePortal portal({QStringLiteral("--silent")});
        QVERIFY(portal.ready);
        WaylandSessionWithoutVirtualKeyboard session;
        std::unique_ptr<KeyInjector> keys;
        QElapsedTimer clock;
        clock.start();
        const QByteArray choice = capturedStderr([&] {
            keys = createKeyInjector("wayland");
            QVERIFY(clock.elapsed() < 1000); // nothing waits for the user at start
            keys->typeLine({});
        });
        QVERIFY(clock.elapsed() < 15000);
        QVERIFY2(choice.contains("did not answer"), choice.constData());
        QVERIFY(choice.contains("typing with XTest through XWayland"));
    }

    // Run by test_portal_started_on_demand, on a bus that starts the fake portal when called.
    void portalStartedOnDemandIsUsed()
    {
        if (!qEnvironmentVariableIsSet("QUILLON_PORTAL_ON_DEMAND"))
            QSKIP("needs a bus that starts the portal on demand (test_portal_started_on_demand)");
        QFile calls(QStringLiteral(ON_DEMAND_PORTAL_LOG));
        calls.remove();
        WaylandSessionWithoutVirtualKeyboard session;
        const QByteArray choice =
            capturedStderr([] { createKeyInjector("wayland")->typeLine({}); });
        QVERIFY2(choice.contains("typing with the remote desktop portal"), choice.constData());
        QVERIFY(calls.open(QIODevice::ReadOnly));
        QVERIFY(calls.readAll().contains("Start session"));
    }

private:
    QTemporaryDir home;

    static QString keptToken()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
               QStringLiteral("/remote-desktop-restore-token");
    }
};

QTEST_MAIN(PortalTest)
#include "test_portal.moc"
