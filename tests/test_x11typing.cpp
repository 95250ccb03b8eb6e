// Typing into a real window on a real X server: the device's bytes go in through a
// pseudo-terminal and come out as the text of a focused window in another process.
#include "harness.h"
#include "keyinjector.h"

#include <QComboBox>
#include <QProcess>
#include <QTest>

#include <X11/Xlib.h>

#include <algorithm>

namespace {

class Receiver
{
public:
    Receiver()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(X11_RECEIVER), QStringList());
    }

    ~Receiver()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(3000))
            process.kill();
    }

    bool waitUntilFocused() { return readLine(5000) == "ready"; }

    QString text()
    {
        process.write("dump\n");
        return QString::fromUtf8(QByteArray::fromHex(readLine(3000)));
    }

private:
    QByteArray readLine(int timeoutMs)
    {
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(timeoutMs))
                return {};
        }
        return process.readLine().trimmed();
    }

    QProcess process;
};

bool anyKeyDown()
{
    Display *display = XOpenDisplay(nullptr);
    char keys[32] = {};
    XQueryKeymap(display, keys);
    XCloseDisplay(display);
    return std::any_of(std::begin(keys), std::end(keys), [](char bits) { return bits != 0; });
}

} // namespace

class X11TypingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X server"); }

    void typedTextFollowsTheByteMapping()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.window->setKeyInjector(createKeyInjector());
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1); // Standard

        // Latin-1 letters that a US map lacks, shifted characters, CR LF, a lone LF, and control
        // bytes (Escape, Backspace, Delete, C1) that must type nothing.
        device.send("12.5\t\xe9 \xb5 \xb0 \xdf \xff\r\nAZ:{\n\x1b\x08\x7f\x01\x80\x9fok\r");
        const QString expected = QString::fromUtf8("12.5\t\u00e9 \u00b5 \u00b0 \u00df \u00ff\n"
                                                   "AZ:{\nok\n");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), expected, 8000);

        // The LF completing a CR from the previous line gives no second Return.
        device.send("\n\xe9\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), expected + QString::fromUtf8("\u00e9\n"), 4000);
        QVERIFY(!anyKeyDown());
    }

    void layoutSwitchWhileRunningIsFollowed()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.window->setKeyInjector(createKeyInjector());
        device.send("yz@\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("yz@\n"), 4000);

        // The German layout swaps Y and Z and moves @; the keymap must be read again.
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("de")}), 0);
        device.send("yz@\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("yz@\nyz@\n"), 4000);
        QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
        QVERIFY(!anyKeyDown());
    }
};

QTEST_MAIN(X11TypingTest)
#include "test_x11typing.moc"
