// Devices that vanish and come back, ports that never open: nothing leaks, nothing spins.
#include "harness.h"
#include "messageboxcatcher.h"

#include <QDir>
#include <QSerialPort>
#include <QTest>

namespace {

int openDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

} // namespace

class FaultTest : public QObject
{
    Q_OBJECT

private slots:
    void hundredUnplugsAndReplugs()
    {
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        MessageBoxCatcher catcher;
        Harness harness({port.path()});
        QVERIFY(harness.receivesFrom(*device));
        const int descriptorsAtStart = openDescriptors();

        for (int cycle = 0; cycle < 100; ++cycle) {
            device->hangUp();
            QTRY_VERIFY2(!harness.connected(), qPrintable(QString::number(cycle)));
            device = std::make_unique<PseudoTerminal>();
            port.pointTo(device->slavePath());
            harness.clickConnect();
            QVERIFY2(harness.connected(), qPrintable(QString::number(cycle)));
            QVERIFY2(harness.receivesFrom(*device), qPrintable(QString::number(cycle)));
        }
        QCOMPARE(openDescriptors(), descriptorsAtStart);

        device->hangUp();
        QTRY_VERIFY(!harness.connected());
        const double before = cpuSecondsUsed();
        QTest::qWait(500);
        QVERIFY(cpuSecondsUsed() - before < 0.2);
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
};

QTEST_MAIN(FaultTest)
#include "test_faults.moc"
