// The serial link against pseudo-terminals: settings, connecting, losing the device, sending.
#include "app/translations.h"
#include "harness.h"
#include "messageboxcatcher.h"
#include "stderrcapture.h"
#include "termiosrecorder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>
#include <QTextCodec>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct LineSettings
{
    speed_t speed;
    int dataBits;
    char parity; // N, E, O, M or S
    bool twoStopBits;
    bool rtsCts;
    bool xonXoff;
};

char parityOf(tcflag_t flags)
{
    if (!(flags & PARENB))
        return 'N';
    if (flags & CMSPAR)
        return (flags & PARODD) ? 'M' : 'S';
    return (flags & PARODD) ? 'O' : 'E';
}

// Speed, stop bits and flow control as the pseudo-terminal kept them; data bits and parity as
// the program asked for them, since a pseudo-terminal cannot keep those.
LineSettings settingsOf(const PseudoTerminal &device)
{
    const termios kept = device.slaveSettings();
    const std::optional<termios> asked = TermiosRecorder::lastRequest(device.slaveDevice());
    Q_ASSERT(asked);
    return {cfgetospeed(&kept),
            (asked->c_cflag & CSIZE) == CS7 ? 7 : 8,
            parityOf(asked->c_cflag),
            (kept.c_cflag & CSTOPB) != 0,
            (kept.c_cflag & CRTSCTS) != 0,
            (kept.c_iflag & IXON) && (kept.c_iflag & IXOFF)};
}

void choose(Harness &harness, const char *list, const QString &entry)
{
    auto *box = harness.get<QComboBox>(list);
    const int index = box->findText(entry);
    Q_ASSERT(index >= 0);
    box->setCurrentIndex(index);
}

} // namespace

class SerialTest : public QObject
{
    Q_OBJECT

private slots:
    void startupOpensFirstPortWithDefaults()
    {
        PseudoTerminal first, second;
        Harness harness({first.slavePath(), second.slavePath()});
        QVERIFY(harness.connected());
        const LineSettings settings = settingsOf(first);
        QCOMPARE(settings.speed, speed_t(B9600));
        QCOMPARE(settings.dataBits, 8);
        QCOMPARE(settings.parity, 'N');
        QVERIFY(!settings.twoStopBits);
        // The handshake list shows XON/XOFF, yet no flow control is in force until one is picked.
        QVERIFY(!settings.rtsCts);
        QVERIFY(!settings.xonXoff);
        QCOMPARE(TermiosRecorder::requestCount(second.slaveDevice()), 0);
        QVERIFY(harness.receivesFrom(first));
    }

    void busyFirstPortIsReportedBeforeTheWindowShows()
    {
        PseudoTerminal device;
        QSerialPort otherProgram(device.slavePath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        MessageBoxCatcher catcher;
        Harness harness({device.slavePath()});
        QCOMPARE(catcher.seen.size(), 1);
        const MessageBoxCatcher::SeenBox box = catcher.seen.first();
        QCOMPARE(box.title, QStringLiteral("Open COM port Failed"));
        QCOMPARE(box.text, QStringLiteral("Open COM port Failed, check whether it's occupied"));
        QVERIFY(box.informativeText.startsWith("Another program holds the port"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.mainWindowWasVisible);
        QVERIFY(!harness.connected());

        // In the user's language, the system's reason too.
        useLanguage(QLocale(QLocale::German));
        harness.clickConnect();
        useLanguage(QLocale(QLocale::English));
        QCOMPARE(catcher.seen.size(), 2);
        QVERIFY(catcher.seen.last().title != box.title);
        QVERIFY2(!catcher.seen.last().informativeText.isEmpty() &&
                     catcher.seen.last().informativeText != box.informativeText,
                 qPrintable(catcher.seen.last().informativeText));
    }

    void everySettingsEntryReachesThePort_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected"); // speed, bits, parity, stop bits, flow control
        const QList<QPair<QString, int>> speeds = {
            {"1200", B1200},   {"2400", B2400},   {"4800", B4800},     {"19200", B19200},
            {"38400", B38400}, {"57600", B57600}, {"115200", B115200}, {"9600", B9600}};
        for (const auto &[text, speed] : speeds)
            QTest::newRow(qPrintable("baud " + text))
                << "comboBox_Baud" << text << QString("%1 8N 1 none").arg(speed);
        const QList<QPair<QString, QString>> formats = {{"7/NO", "7N"},    {"7/MARK", "7M"},
                                                        {"7/SPACE", "7S"}, {"7/EVEN", "7E"},
                                                        {"7/ODD", "7O"},   {"8/NO", "8N"}};
        for (const auto &[text, format] : formats)
            QTest::newRow(qPrintable("format " + text))
                << "comboBox_BitParity" << text << QString("%1 %2 1 none").arg(B9600).arg(format);
        QTest::newRow("two stop bits") << "comboBox_StopBit"
                                       << "2" << QString("%1 8N 2 none").arg(B9600);
        QTest::newRow("RTS/CTS") << "comboBox_HdShake"
                                 << "RTS/CTS" << QString("%1 8N 1 rtscts").arg(B9600);
        QTest::newRow("XON/XOFF") << "comboBox_HdShake"
                                  << "XON/XOFF" << QString("%1 8N 1 xonxoff").arg(B9600);
    }

    void everySettingsEntryReachesThePort()
    {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        auto *box = harness.get<QComboBox>(qPrintable(list));
        const int index = box->findText(entry);
        // Go through another entry first, so that the wanted one is a change even when first. A
        // translated text changes no setting.
        box->setCurrentIndex(index == 0 ? 1 : 0);
        box->setItemText(index, QStringLiteral("übersetzt"));
        box->setCurrentIndex(index);
        const LineSettings s = settingsOf(device);
        const QString flow = s.rtsCts ? "rtscts" : s.xonXoff ? "xonxoff" : "none";
        QCOMPARE(QString("%1 %2%3 %4 %5")
                     .arg(s.speed)
                     .arg(s.dataBits)
                     .arg(s.parity)
                     .arg(s.twoStopBits ? 2 : 1)
                     .arg(flow),
                 expected);
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(device));
    }

    void reselectingTheCurrentEntryLeavesThePortAlone()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        const int requests = TermiosRecorder::requestCount(device.slaveDevice());
        harness.get<QComboBox>("comboBox_Baud")->setCurrentIndex(0);
        harness.get<QComboBox>("comboBox_HdShake")->setCurrentIndex(0);
        QCOMPARE(TermiosRecorder::requestCount(device.slaveDevice()), requests);
    }

    void settingChangeConnectsAgainAfterUncheck()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.clickConnect();
        QVERIFY(!harness.connected());
        QVERIFY(!harness.receivesFrom(device, 300));
        choose(harness, "comboBox_Baud", "19200");
        QVERIFY(harness.connected());
        QCOMPARE(settingsOf(device).speed, speed_t(B19200));
        QVERIFY(harness.receivesFrom(device));
    }

    void refusedSettingKeepsThePortOpen()
    {
        // Without the recorder's help a pseudo-terminal refuses 7 data bits, as some devices do.
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        TermiosRecorder::setLenient(false);
        choose(harness, "comboBox_BitParity", "7/EVEN");
        QTest::qWait(50);
        TermiosRecorder::setLenient(true);
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(device));
    }

    void uncheckClosesAndRecheckOpensAgain()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        harness.clickConnect();
        QVERIFY(!harness.connected());
        QVERIFY(!harness.receivesFrom(device, 300));
        harness.clickConnect();
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(device));
        // Only the re-check enables sending; unchecking left the button as it was.
        QVERIFY(harness.get<QPushButton>("pushButton_SendCommand")->isEnabled());
    }

    void switchingPortsWhileConnectedLeavesSendDisabled()
    {
        PseudoTerminal first, second;
        Harness harness({first.slavePath(), second.slavePath()});
        harness.switchToLogMode();
        QVERIFY(harness.get<QPushButton>("pushButton_SendCommand")->isEnabled());
        harness.get<QComboBox>("comboBox_SerialPort")->setCurrentIndex(1);
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(second));
        QVERIFY(!harness.receivesFrom(first, 300));
        QVERIFY(!harness.get<QPushButton>("pushButton_SendCommand")->isEnabled());
        QVERIFY(harness.get<QLineEdit>("lineEdit_SendCommand")->isEnabled());
    }

    void busyPortOnConnectIsReportedAndUnchecked()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        harness.clickConnect();
        QSerialPort otherProgram(device.slavePath());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        MessageBoxCatcher catcher;
        const QByteArray said = capturedStderr([&] { harness.clickConnect(); });
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen.first().title, QStringLiteral("Open COM port Failed"));
        // Beside the box, the system's reason.
        QVERIFY2(said.contains("Another program holds the port"), said.constData());
        QVERIFY(!harness.connected());
        QVERIFY(harness.get<QPushButton>("pushButton_SendCommand")->isEnabled());

        // Once the port has opened, the same trouble is news again, in log mode too.
        otherProgram.close();
        harness.clickConnect();
        QVERIFY(harness.connected());
        harness.clickConnect();
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        const QByteArray saidAgain = capturedStderr([&] { harness.clickConnect(); });
        QVERIFY2(saidAgain.contains("Another program holds the port"), saidAgain.constData());
    }

    // Root may use any device, so the program is refused one as the user nobody.
    void portTheUserMayNotUseNamesTheFix()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.clickConnect();
        MessageBoxCatcher catcher;
        QVERIFY(chmod(qPrintable(device.slavePath()), 0) == 0);
        QVERIFY(getuid() != 0 || seteuid(65534) == 0);
        harness.clickConnect();
        QVERIFY(getuid() != 0 || seteuid(0) == 0);
        QVERIFY(catcher.seen.value(0).informativeText.contains("sudo usermod -aG dialout $USER"));
    }

    void lostDeviceUnchecksConnectAndComesBack()
    {
        PseudoTerminal device;
        PortAlias port(device.slavePath());
        MessageBoxCatcher catcher;
        Harness harness({port.path()});
        QVERIFY(harness.connected());
        port.unplug(device);
        QTRY_VERIFY(!harness.connected());

        const double before = cpuSecondsUsed();
        QTest::qWait(500);
        QVERIFY2(cpuSecondsUsed() - before < 0.2, "the closed port still keeps the CPU busy");

        PseudoTerminal replugged;
        port.pointTo(replugged.slavePath());
        harness.clickConnect();
        QVERIFY(harness.connected());
        QVERIFY(harness.receivesFrom(replugged));
        QVERIFY(catcher.seen.isEmpty());
    }

    // Ports plugged in or pulled out after start are listed when the user opens the list; that
    // alone opens nothing: the port in use stays selected and open, its half line kept.
    void portListFollowsTheMachine()
    {
        PseudoTerminal device, plugged;
        MessageBoxCatcher catcher;
        PortInfo inUse{device.slavePath(), {}, {}, {}, {}, {}, {}, {}};
        PortInfo scanner{plugged.slavePath(),
                         QStringLiteral("USB Serial Port"),
                         QStringLiteral("FTDI"),
                         0x0403,
                         0x6001,
                         QStringLiteral("A50285BI"),
                         {},
                         QStringLiteral("usb:A")};
        Harness harness(QList<PortInfo>{inUse});
        auto *list = harness.get<QComboBox>("comboBox_SerialPort");
        const auto entries = [list] {
            QStringList names;
            for (int index = 0; index < list->count(); ++index)
                names << list->itemText(index);
            return names;
        };
        QVERIFY(harness.deliver(device, "12."));

        PortList::replaceForTests({scanner, inUse});
        list->showPopup();
        list->hidePopup();
        QCOMPARE(entries(), (QStringList{plugged.slavePath(), device.slavePath()}));
        QCOMPARE(list->currentText(), device.slavePath());
        const QString about = list->itemData(0, Qt::ToolTipRole).toString();
        QVERIFY2(about.contains(QLatin1String("FTDI")) &&
                     about.contains(QLatin1String("0403:6001")) &&
                     about.contains(QLatin1String("A50285BI")),
                 qPrintable(about));
        QVERIFY(harness.deliver(device, "5\r"));
        QCOMPARE(harness.keys->typed, QByteArray("12.5\r"));

        PortList::replaceForTests({scanner});
        list->showPopup();
        list->hidePopup();
        QCOMPARE(entries(), (QStringList{plugged.slavePath(), device.slavePath()}));
        QCOMPARE(list->currentText(), device.slavePath());
        QVERIFY(harness.connected());
        QCOMPARE(*harness.linksMade, 1);

        list->setCurrentIndex(0); // the user picks the new port
        QVERIFY(harness.receivesFrom(plugged));
        list->showPopup();
        list->hidePopup();
        QCOMPARE(entries(), QStringList{plugged.slavePath()});
        QVERIFY(catcher.seen.isEmpty());
    }

    // Started with no port: one plugged in later is listed but not taken until the user picks it.
    void portPluggedAfterAnEmptyStartOpensWhenPicked()
    {
        PseudoTerminal device;
        Harness harness(QStringList{});
        auto *list = harness.get<QComboBox>("comboBox_SerialPort");
        PortList::replaceForTests(QStringList{device.slavePath()});
        list->showPopup();
        list->hidePopup();
        QCOMPARE(list->count(), 1);
        QVERIFY(!harness.connected());
        list->setCurrentIndex(0);
        QVERIFY(harness.receivesFrom(device));
    }

    void sentCommandsCarryLineFeedThenCarriageReturn()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        auto *line = harness.get<QLineEdit>("lineEdit_SendCommand");
        line->setText(QStringLiteral("S"));
        harness.get<QPushButton>("pushButton_SendCommand")->click();
        QCOMPARE(device.receive(3), QByteArray("S\n\r"));
        QCOMPARE(line->text(), QStringLiteral("S"));

        line->setText(QString());
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(device.receive(2), QByteArray("\n\r"));
    }

    void commandsGoInTheLocalEightBitEncoding()
    {
        QTextCodec *previous = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        harness.get<QLineEdit>("lineEdit_SendCommand")->setText(QStringLiteral("\u00e9t\u00e9"));
        harness.get<QPushButton>("pushButton_SendCommand")->click();
        QTextCodec::setCodecForLocale(previous);
        QCOMPARE(device.receive(5), QByteArray("\xe9t\xe9\n\r"));
    }

    void nothingIsSentWithoutAnOpenPort()
    {
        {
            Harness noPorts(QStringList{});
            noPorts.switchToLogMode();
            noPorts.get<QLineEdit>("lineEdit_SendCommand")->setText(QStringLiteral("S"));
            noPorts.get<QPushButton>("pushButton_SendCommand")->click();
            QVERIFY(!noPorts.connected());
        }
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        harness.clickConnect();
        harness.get<QLineEdit>("lineEdit_SendCommand")->setText(QStringLiteral("S"));
        harness.get<QPushButton>("pushButton_SendCommand")->click();
        QCOMPARE(device.receive(1, 300), QByteArray());
    }

    void sendControlsFollowModeAndConnection()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        auto *button = harness.get<QPushButton>("pushButton_SendCommand");
        auto *line = harness.get<QLineEdit>("lineEdit_SendCommand");
        auto *toKeyboard = harness.get<QCheckBox>("checkBox_ToKeyboard");
        QVERIFY(!button->isEnabled() && !line->isEnabled());

        harness.clickConnect(); // keyboard mode: unchecking and checking leave sending disabled
        harness.clickConnect();
        QVERIFY(!button->isEnabled() && !line->isEnabled());

        toKeyboard->click();
        QVERIFY(button->isEnabled() && line->isEnabled());
        harness.clickConnect();
        QVERIFY(button->isEnabled());

        toKeyboard->click(); // with Connect unchecked, switching back and forth enables sending
        QVERIFY(!button->isEnabled() && !line->isEnabled());
        toKeyboard->click();
        QVERIFY(button->isEnabled() && line->isEnabled());
    }
};

QTEST_MAIN(SerialTest)
#include "test_serial.moc"
