// Typing on Wayland: into a native Wayland window under a headless sway, and which backend each
// kind of session gets.
#include "childprocess.h"
#include "harness.h"
#include "headlesssway.h"
#include "receiverprocess.h"
#include "stderrcapture.h"
#include "typing/keyinjector.h"

#include <QComboBox>
#include <QTest>

namespace {

// Sets this process's variables for the duration of a scope, as a session would have them.
class SessionVariables
{
public:
    SessionVariables(const QByteArray &waylandDisplay, const QByteArray &runtimeDir, bool x11)
        : savedDisplay(qgetenv("DISPLAY")), savedWayland(qgetenv("WAYLAND_DISPLAY")),
          savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
    {
        set("WAYLAND_DISPLAY", waylandDisplay);
        set("XDG_RUNTIME_DIR", runtimeDir.isEmpty() ? savedRuntime : runtimeDir);
        set("DISPLAY", x11 ? savedDisplay : QByteArray());
    }
    ~SessionVariables()
    {
        set("DISPLAY", savedDisplay);
        set("WAYLAND_DISPLAY", savedWayland);
        set("XDG_RUNTIME_DIR", savedRuntime);
    }

private:
    static void set(const char *name, const QByteArray &value)
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QByteArray savedDisplay, savedWayland, savedRuntime;
};

QByteArray choiceReported(const QByteArray &waylandDisplay, const QByteArray &runtimeDir, bool x11)
{
    SessionVariables session(waylandDisplay, runtimeDir, x11);
    return capturedStderr([] { createKeyInjector("offscreen"); });
}

} // namespace

class WaylandTypingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X server too");
        QVERIFY2(sway.isReady(), "headless sway did not start");
    }

    void typesIntoNativeWaylandWindowFromTheFirstKey()
    {
        QStringList arguments{QStringLiteral("--ready-when-shown")};
        QProcessEnvironment environment = sway.clientEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        ReceiverProcess receiver(environment, arguments);
        QVERIFY(receiver.waitUntilReady());

        SessionVariables session(sway.displayName().toUtf8(), sway.runtimeDir().toUtf8(), false);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.window->setKeyInjector(createKeyInjector("offscreen"));
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1); // Standard
        device.send("12.5\t\xe9 \xb5 \xb0 \xdf\r\nAZ:{\n\x1b\x08\x7f\x01\x80\x9fok\r");
        QTRY_COMPARE_WITH_TIMEOUT(
            receiver.text(), QString::fromUtf8("12.5\t\u00e9 \u00b5 \u00b0 \u00df\nAZ:{\nok\n"),
            8000);
    }

    // Sway gives every keyboard its own keymap on any input change; lines typed afterwards must
    // still be exact, in native and in XWayland applications alike.
    void linesStayExactAcrossInputChangesAndInXWayland()
    {
        SessionVariables session(sway.displayName().toUtf8(), sway.runtimeDir().toUtf8(), false);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.window->setKeyInjector(createKeyInjector("offscreen"));
        const QByteArray line = "zy:@{\xe9\xb5+d\ta\r";
        const QString typed = QString::fromUtf8("zy:@{\u00e9\u00b5+d\ta\n");

        QString expected;
        {
            QProcessEnvironment environment = sway.clientEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
            ReceiverProcess native(environment, {QStringLiteral("--ready-when-shown")});
            QVERIFY(native.waitUntilReady());
            for (const QString &change :
                 {QStringLiteral("input type:keyboard xkb_layout de"),
                  QStringLiteral("input type:keyboard xkb_layout fr"), QStringLiteral("reload")}) {
                QVERIFY2(sway.command(change), qPrintable(change));
                device.send(line);
                expected += typed;
                QTRY_COMPARE_WITH_TIMEOUT(native.text(), expected, 8000);
            }
        }
        ReceiverProcess x11(sway.xwaylandClientEnvironment(), {}, true);
        QVERIFY(x11.waitUntilReady());
        device.send(line);
        QTRY_COMPARE_WITH_TIMEOUT(x11.text(), typed, 8000);
        QVERIFY(sway.command(QStringLiteral("input type:keyboard xkb_layout us")));
    }

    // Ctrl held on another keyboard of the seat (another program's): the compositor gives
    // Quillon's keys its virtual keyboard's own modifiers, which are none, so none combines.
    void modifierHeldOnAnotherKeyboardDoesNotCombine()
    {
        QProcessEnvironment environment = sway.clientEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        ReceiverProcess receiver(environment, {QStringLiteral("--ready-when-shown")});
        QVERIFY(receiver.waitUntilReady());
        QProcess holder;
        holder.setProcessEnvironment(sway.clientEnvironment());
        startTiedToTest(holder, QStringLiteral(MODIFIER_HOLDER), {});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
        QTRY_COMPARE(receiver.modifiers(), int(Qt::ControlModifier));

        SessionVariables session(sway.displayName().toUtf8(), sway.runtimeDir().toUtf8(), false);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.window->setKeyInjector(createKeyInjector("offscreen"));
        const int pressesBefore = receiver.keyPresses().size();
        device.send("as\tZ\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("as\tZ\n"), 8000);
        QCOMPARE(receiver.keyPresses().mid(pressesBefore).join(' '),
                 QStringLiteral("A S Tab Z Return"));
        QCOMPARE(receiver.modifiers(), 0); // the seat took Quillon's keyboard's own modifiers
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(3000));
    }

    // The compositor goes away mid-run: said once, the lines meanwhile kept in the log as not
    // typed; once a compositor is back, the next line is typed into it.
    void compositorLossIsReportedOnceAndTypingRecovers()
    {
        PseudoTerminal device;
        std::unique_ptr<Harness> harness;
        QByteArray said;
        {
            HeadlessSway doomed;
            QVERIFY(doomed.isReady());
            SessionVariables session(doomed.displayName().toUtf8(), doomed.runtimeDir().toUtf8(),
                                     false);
            harness = std::make_unique<Harness>(QStringList{device.slavePath()});
            harness->window->setKeyInjector(createKeyInjector("offscreen"));
            said = capturedStderr([&] {
                doomed.kill();
                QVERIFY(harness->deliver(device, "after\r"));
                QVERIFY(harness->deliver(device, "again\r"));
            });
        }
        QCOMPARE(said.count("compositor is lost"), 1);
        QCOMPARE(said.count('\n'), 1);
        QCOMPARE(harness->logText(), QStringLiteral("Not typed: after\nNot typed: again\n"));

        HeadlessSway revived;
        QVERIFY(revived.isReady());
        SessionVariables session(revived.displayName().toUtf8(), revived.runtimeDir().toUtf8(),
                                 false);
        QProcessEnvironment environment = revived.clientEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        ReceiverProcess receiver(environment, {QStringLiteral("--ready-when-shown")});
        QVERIFY(receiver.waitUntilReady());
        device.send("back\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("back\n"), 8000);
    }

    void eachSessionGetsItsBackend()
    {
        const QByteArray sway_ = sway.displayName().toUtf8();
        const QByteArray runtime = sway.runtimeDir().toUtf8();
        QVERIFY(choiceReported(sway_, runtime, true).contains("the Wayland virtual keyboard"));
        QVERIFY(choiceReported({}, {}, true).contains("typing with XTest (X11 session)"));
        const QByteArray noCompositor = choiceReported("wayland-none", runtime, true);
        QVERIFY2(noCompositor.contains("XTest through XWayland"), noCompositor.constData());
        QVERIFY(noCompositor.contains("X11 applications only"));
        const QByteArray nothing = choiceReported({}, {}, false);
        QCOMPARE(nothing.count('\n'), 1);
        QVERIFY(nothing.contains("cannot type"));
    }

private:
    HeadlessSway sway;
};

QTEST_MAIN(WaylandTypingTest)
#include "test_waylandtyping.moc"
