// One ordinary session, run under valgrind: start, connect, receive in both modes, send,
// lose the device, connect again, change a setting, close.
#include "harness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class LeakRun : public QObject
{
    Q_OBJECT

private slots:
    void ordinarySession()
    {
        auto device = std::make_unique<PseudoTerminal>();
        PortAlias port(device->slavePath());
        Harness harness({port.path()});
        QVERIFY(harness.receivesFrom(*device, 10000));

        harness.switchToLogMode();
        QVERIFY(harness.receivesFrom(*device, 10000));
        harness.get<QLineEdit>("lineEdit_SendCommand")->setText(QStringLiteral("S"));
        harness.get<QPushButton>("pushButton_SendCommand")->click();
        QCOMPARE(device->receive(3, 10000), QByteArray("S\n\r"));

        port.unplug(*device);
        QTRY_VERIFY_WITH_TIMEOUT(!harness.connected(), 10000);
        device = std::make_unique<PseudoTerminal>();
        port.pointTo(device->slavePath());
        harness.clickConnect();
        QVERIFY(harness.connected());
        harness.get<QComboBox>("comboBox_Baud")->setCurrentIndex(3);
        QVERIFY(harness.receivesFrom(*device, 10000));
    }
};

QTEST_MAIN(LeakRun)
#include "leakrun.moc"
