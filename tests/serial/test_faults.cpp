// Devices that vanish and come back, ports that never open: nothing leaks, nothing spins. The
// Windows link's logic meets a port that answers as drivers do.
#include "harness.h"
#include "messageboxcatcher.h"
#include "serial/windows/commlink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

namespace {

int openDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

// A Windows port whose every answer the test sets, as a driver might give it.
class ScriptedPort : public CommPort
{
public:
    Error openError = 0, timeoutsError = 0, readError = 0, writeError = 0;
    int lineErrors = 0;
    bool running = false; // what is pending has not ended yet
    QByteArray read, queued;
    QStringList refused;
    QList<int> queueSizes;

    Error open() override { return openError; }
    void close() override {}
    Error setQueueSizes(int input, int output) override
    {
        queueSizes = {input, output};
        return 0;
    }
    QStringList applySettings(const SerialSettings &) override { return refused; }
    Error setReadTimeouts() override { return timeoutsError; }
    void discardQueues() override {}
    Error startRead() override { return readError; }
    Error finishRead(QByteArray &bytes) override { return running ? notEnded : (bytes += read, 0); }
    Error readQueued(QByteArray &bytes) override { return bytes += queued, 0; }
    Error startWrite(const QByteArray &) override { return writeError; }
    Error finishWrite() override { return running ? notEnded : writeError; }
    Error checkStatus() override { return 0; }
    int takeLineErrors() override { return std::exchange(lineErrors, 0); }
    void cancelPending(std::chrono::milliseconds) override {}
    QString describe(Error error) const override { return QStringLiteral("error %1").arg(error); }
};

} // namespace

class FaultTest : public QObject
{
    Q_OBJECT

private slots:
    // The device comes back under its old name: the port opens again by itself, without a box.
    void replugIsPickedUpWithinAboutASecond()
    {
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        MessageBoxCatcher catcher;
        Harness harness({port.path()});
        port.unplug(*device);
        QTRY_VERIFY(!harness.connected());
        // Another device gets the freed pseudo-terminal's number at once; it is not the one lost.
        PseudoTerminal stranger;
        const double cpuBefore = cpuSecondsUsed();
        QTest::qWait(3000); // some three silent attempts on a port that is not there
        QVERIFY2(cpuSecondsUsed() - cpuBefore < 0.2, "waiting for the device is not idle");
        QVERIFY(!harness.connected());

        device = std::make_unique<PseudoTerminal>();
        port.pointTo(device->slavePath());
        QElapsedTimer sincePlugged;
        sincePlugged.start();
        QTRY_VERIFY_WITH_TIMEOUT(harness.connected(), 3000);
        qInfo("re-opened %lld ms after the device came back", sincePlugged.elapsed());
        QVERIFY(harness.receivesFrom(*device));
        QVERIFY(catcher.seen.isEmpty());
    }

    // A Connect before the lost device is back keeps looking for it, also while the box says
    // that it failed; picking a port ends the looking, and a port the user picks that does not
    // open is not tried again behind the user's back.
    void connectKeepsLookingPickingAPortEndsIt()
    {
        PseudoTerminal other;
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        MessageBoxCatcher catcher;
        Harness harness({port.path(), other.slavePath()});
        harness.window->setReopenInterval(20);

        port.unplug(*device);
        QTRY_VERIFY(!harness.connected());
        harness.clickConnect(); // the device is still gone: the usual box, and still looked for
        QCOMPARE(catcher.seen.size(), 1);
        device = std::make_unique<PseudoTerminal>();
        port.pointTo(device->slavePath());
        QTRY_VERIFY(harness.connected());

        // The device comes back while the box about a Connect before its return is still up.
        port.unplug(*device);
        QTRY_VERIFY(!harness.connected());
        bool receivedWhileUp = false;
        catcher.whileUp = [&] {
            device = std::make_unique<PseudoTerminal>();
            port.pointTo(device->slavePath());
            receivedWhileUp = harness.receivesFrom(*device);
        };
        harness.clickConnect();
        catcher.whileUp = nullptr;
        QCOMPARE(catcher.seen.size(), 2);
        QVERIFY(receivedWhileUp);
        QVERIFY(harness.connected());
        port.unplug(*device);
        QTRY_VERIFY(!harness.connected());
        QSerialPort otherProgram(other.slavePath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        harness.get<QComboBox>("comboBox_SerialPort")->setCurrentIndex(1);
        QCOMPARE(catcher.seen.size(), 3);
        otherProgram.close();
        device = std::make_unique<PseudoTerminal>();
        port.pointTo(device->slavePath());
        QTest::qWait(300);
        QVERIFY(!harness.connected());
    }

    // What a lost device had sent of a line goes to the log, never joined to the first reading
    // after the re-open, from another port or after the user took the port again; switching the
    // mode keeps it.
    void unfinishedLineOfALostDeviceIsLoggedNotJoined()
    {
        PseudoTerminal other;
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        Harness harness({port.path(), other.slavePath()});
        harness.window->setReopenInterval(20);
        auto *toKeyboard = harness.get<QCheckBox>("checkBox_ToKeyboard");

        QVERIFY(harness.deliver(*device, "7"));
        toKeyboard->click();
        QVERIFY(harness.deliver(*device, ".5\r"));
        QCOMPARE(harness.logText(), QStringLiteral("7.5\n"));
        toKeyboard->click();

        QVERIFY(harness.deliver(*device, "a\r"));
        QVERIFY(harness.deliver(*device, "99."));
        port.unplug(*device);
        QTRY_VERIFY(!harness.connected());
        device = std::make_unique<PseudoTerminal>();
        port.pointTo(device->slavePath());
        QTRY_VERIFY(harness.connected());
        QVERIFY(harness.deliver(*device, "\n12.5\r"));
        QCOMPARE(harness.keys->typed, QByteArray("a\r\n12.5\r"));
        // The new device's lone line feed is a line end of its own.
        QCOMPARE(harness.keys->strokesAsText(), QStringLiteral("a\n\n12.5\n"));

        QVERIFY(harness.deliver(*device, "55."));
        harness.get<QComboBox>("comboBox_SerialPort")->setCurrentIndex(1);
        QVERIFY(harness.deliver(other, "8\r"));
        QVERIFY(harness.deliver(other, "3."));
        harness.clickConnect(); // the user lets the port go, and takes it again
        harness.clickConnect();
        QVERIFY(harness.deliver(other, "1\r"));
        QCOMPARE(harness.keys->typed, QByteArray("a\r\n12.5\r8\r1\r"));
        QCOMPARE(harness.logText(),
                 QStringLiteral("7.5\nNot typed: 99.\nNot typed: 55.\nNot typed: 3.\n"));
    }

    void lostInstrumentIsFoundAgainByWhoItIsNotByName_data()
    {
        QTest::addColumn<bool>("userClicksConnect");
        QTest::addColumn<bool>("beforeItIsBack");
        QTest::newRow("by itself") << false << false;
        QTest::newRow("Connect clicked while it is awaited") << true << false;
        QTest::newRow("Connect clicked before it is back") << true << true;
    }

    // Two adapters of one kind, both pulled out, come back with their names swapped: the lost
    // instrument is opened again under its new name, never the other one under the old name.
    void lostInstrumentIsFoundAgainByWhoItIsNotByName()
    {
        QFETCH(bool, userClicksConnect);
        QFETCH(bool, beforeItIsBack);
        auto first = std::make_unique<PseudoTerminal>();
        auto second = std::make_unique<PseudoTerminal>();
        PortAlias usb0(first->slavePath(), QStringLiteral("ttyUSB0"));
        PortAlias usb1(second->slavePath(), QStringLiteral("ttyUSB1"));
        const auto port = [](const PortAlias &alias, const char *serialNumber) {
            return PortInfo{
                alias.path(), {},
                {},           0x0403,
                0x6001,       QLatin1String(serialNumber),
                {},           QStringLiteral("usb:0403:6001:") + QLatin1String(serialNumber)};
        };
        MessageBoxCatcher catcher;
        Harness harness(QList<PortInfo>{port(usb0, "A"), port(usb1, "B")});
        harness.window->setReopenInterval(userClicksConnect && !beforeItIsBack ? 3600000 : 20);
        auto *list = harness.get<QComboBox>("comboBox_SerialPort");

        PortList::replaceForTests(QList<PortInfo>());
        usb0.unplug(*first);
        usb1.unplug(*second);
        QTRY_VERIFY(!harness.connected());
        auto instrumentB = std::make_unique<PseudoTerminal>();
        usb0.pointTo(instrumentB->slavePath());
        PortList::replaceForTests({port(usb0, "B")});
        if (!userClicksConnect || beforeItIsBack) {
            QTest::qWait(300); // some fifteen chances to open the wrong instrument
            QVERIFY(!harness.connected());
        }
        auto instrumentA = std::make_unique<PseudoTerminal>();
        const auto bringBackA = [&] {
            usb1.pointTo(instrumentA->slavePath());
            PortList::replaceForTests({port(usb0, "B"), port(usb1, "A")});
        };
        if (beforeItIsBack) {
            // It fails, and the instrument, still looked for, comes back while the box is up:
            // Connect then says what is true.
            bool receivedWhileUp = false;
            catcher.whileUp = [&] {
                bringBackA();
                receivedWhileUp = harness.receivesFrom(*instrumentA);
            };
            harness.clickConnect();
            catcher.whileUp = nullptr;
            QCOMPARE(catcher.seen.size(), 1);
            QVERIFY(receivedWhileUp);
            catcher.seen.clear();
        } else {
            bringBackA();
        }
        if (userClicksConnect && !beforeItIsBack)
            harness.clickConnect();
        QTRY_VERIFY(harness.connected());
        QCOMPARE(list->currentText(), usb1.path());
        instrumentB->send("from B\r");
        QVERIFY(harness.receivesFrom(*instrumentA));
        QVERIFY(!harness.keys->typed.contains("from B"));
        QVERIFY(catcher.seen.isEmpty());
    }

    void hundredUnplugsAndReplugs()
    {
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        MessageBoxCatcher catcher;
        Harness harness({port.path()});
        harness.window->setReopenInterval(20);
        QVERIFY(harness.receivesFrom(*device));
        const int descriptorsAtStart = openDescriptors();

        for (int cycle = 0; cycle < 100; ++cycle) {
            port.unplug(*device);
            QTRY_VERIFY2(!harness.connected(), qPrintable(QString::number(cycle)));
            device = std::make_unique<PseudoTerminal>();
            port.pointTo(device->slavePath());
            QTRY_VERIFY2(harness.connected(), qPrintable(QString::number(cycle)));
            QVERIFY2(harness.receivesFrom(*device), qPrintable(QString::number(cycle)));
        }
        QCOMPARE(openDescriptors(), descriptorsAtStart);
        QVERIFY(catcher.seen.isEmpty());
    }

    void portThatNeverOpensIsReportedEveryTime()
    {
        PseudoTerminal device;
        QSerialPort otherProgram(device.slavePath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        MessageBoxCatcher catcher;
        Harness harness({device.slavePath()});
        const int descriptorsAtStart = openDescriptors();
        for (int attempt = 0; attempt < 20; ++attempt) {
            harness.clickConnect();
            QVERIFY(!harness.connected());
        }
        QCOMPARE(catcher.seen.size(), 21); // the start-up attempt and the twenty clicks
        QCOMPARE(openDescriptors(), descriptorsAtStart);

        otherProgram.close();
        harness.clickConnect();
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(device));
    }

    void windowsLinkDeliversWhatCameWithTheLoss_data()
    {
        QTest::addColumn<bool>("foundByAWrite");
        QTest::newRow("found by the read") << false;
        QTest::newRow("found by a write") << true;
    }

    // A device that sends its reading and is gone at once: the reading comes before the loss, also
    // when a write finds it first. Notifications of operations still running change nothing.
    void windowsLinkDeliversWhatCameWithTheLoss()
    {
        QFETCH(bool, foundByAWrite);
        auto owned = std::make_unique<ScriptedPort>();
        ScriptedPort &port = *owned;
        CommLink link(std::move(owned));
        QVERIFY(link.open({}));
        QStringList seen;
        connect(&link, &SerialLink::readyRead, this, [&] {
            seen << link.readAll() + QStringLiteral(" losses: %1").arg(link.takeLosses());
        });
        connect(&link, &SerialLink::deviceLost, this, [&] { seen << QStringLiteral("lost"); });
        port.lineErrors = 1; // the driver's queue overran
        port.running = true;
        link.write("S\n\r");
        emit port.readEnded();
        emit port.writeEnded();
        port.running = false;
        port.read = "1";
        port.queued = "2.5\r\n";
        port.readError = port.writeError = 22; // ERROR_BAD_COMMAND: the adapter is gone
        foundByAWrite ? emit port.writeEnded() : emit port.readEnded();
        QTRY_COMPARE(seen,
                     QStringList({QStringLiteral("12.5\r\n losses: 1"), QStringLiteral("lost")}));
    }

    void windowsLinkTakesAFailedWriteAsALoss()
    {
        auto owned = std::make_unique<ScriptedPort>();
        ScriptedPort &port = *owned;
        CommLink link(std::move(owned));
        QVERIFY(link.open({}));
        QSignalSpy lost(&link, &SerialLink::deviceLost);
        port.writeError = 1167; // ERROR_DEVICE_NOT_CONNECTED
        QCOMPARE(link.write("S\n\r"), qint64(-1));
        QVERIFY(lost.wait());
    }

    // Timeouts it cannot set would leave reads that return at once, spinning; a refused line
    // setting is said once, however often the port is opened again.
    void windowsLinkSetsItsBuffersAndTimeoutsOrFails()
    {
        auto owned = std::make_unique<ScriptedPort>();
        ScriptedPort &port = *owned;
        CommLink link(std::move(owned));
        QSignalSpy refusals(&link, &SerialLink::settingRefused);
        port.refused = QStringList{QStringLiteral("the baud rate 250000")};
        QVERIFY(link.open({}));
        link.close();
        QVERIFY(link.open({}));
        QCOMPARE(port.queueSizes, QList<int>({4096, 4096}));
        QTRY_COMPARE(refusals.size(), 1);
        QCOMPARE(refusals.first().first().toString(), port.refused.first());

        link.close();
        port.timeoutsError = 87;
        QVERIFY(!link.open({}));
        QVERIFY(!link.isOpen());
        QVERIFY(link.failureReason().contains(QStringLiteral("error 87")));
    }

    void windowsLinkSaysWhyAPortWouldNotOpen_data()
    {
        QTest::addColumn<unsigned long>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("access denied") << 5ul << "Another program holds the port.";
        QTest::newRow("not found") << 2ul << "The port is gone";
        QTest::newRow("not functioning") << 31ul << "refused the device";
    }

    void windowsLinkSaysWhyAPortWouldNotOpen()
    {
        QFETCH(unsigned long, error);
        QFETCH(QString, reason);
        auto port = std::make_unique<ScriptedPort>();
        port->openError = error;
        CommLink link(std::move(port));
        QVERIFY(!link.open({}));
        QVERIFY2(link.failureReason().contains(reason), qPrintable(link.failureReason()));
    }
};

QTEST_MAIN(FaultTest)
#include "test_faults.moc"
