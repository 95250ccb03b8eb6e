// Noise, binary junk and endless data through a real pseudo-terminal: nothing lost or garbled.
#include "app/datalog.h"
#include "harness.h"
#include "receive/readingrouter.h"
#include "stderrcapture.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(static_cast<char>(value));
    return bytes;
}

// Waits until the program has taken in `expected` bytes, typed or logged.
template <typename Done> bool waitFor(Done done, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    return done();
}

// Readings "1000" to "1299", a byte every 10 ms, faster than typing follows, into a port's queue
// of 64 bytes that drops what does not fit; it runs on the typing pipeline's clock.
struct OutpacingDevice : KeyClock
{
    TimePoint now() override { return time; }
    void waitUntil(TimePoint due) override
    {
        for (; time < due && sent.size() < 1800; time += std::chrono::milliseconds(10)) {
            sent += QByteArray::number(1000 + sent.size() / 6).append("\r\n")[sent.size() % 6];
            if (queue.size() < 64) {
                queue += sent.back();
            } else {
                damaged.insert((sent.size() - 1) / 6);
                overflowed = true;
            }
        }
    }
    TimePoint time;
    QByteArray sent, queue;
    bool overflowed = false;
    QSet<int> damaged; // readings the queue dropped bytes of
};

struct TextBackend : KeyBackend
{
    bool pressAndRelease(const KeyStroke &stroke) override
    {
        typed += stroke.key == KeyStroke::Key::Return ? '\n' : char(stroke.character);
        return true;
    }
    QByteArray typed;
};

} // namespace

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteValueIsTypedInBothExportModes_data()
    {
        QTest::addColumn<int>("exportMode");
        QTest::newRow("Fennick") << 0;
        QTest::newRow("Standard") << 1;
    }

    void everyByteValueIsTypedInBothExportModes()
    {
        QFETCH(int, exportMode);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(exportMode);
        const QByteArray bytes = everyByteValue() + "\r"; // what follows the last line end waits
        device.send(bytes);
        QVERIFY(waitFor([&] { return harness.keys->typed.size() >= bytes.size(); }));
        QCOMPARE(harness.keys->typed, bytes);
        QVERIFY(harness.keys->pacedOnePausePerKey());
        QVERIFY(harness.logText().isEmpty());
    }

    void everyByteValueIsShownInLogMode_data() { everyByteValueIsTypedInBothExportModes_data(); }

    void everyByteValueIsShownInLogMode()
    {
        QFETCH(int, exportMode);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(exportMode);
        harness.switchToLogMode();
        device.send(everyByteValue() + "\n");
        QVERIFY(waitFor([&] { return harness.logText().endsWith(QLatin1Char('\n')); }));
        const QString log = harness.logText();
        QString printable;
        for (char c = 0x20; c < 0x7F; ++c)
            printable += QLatin1Char(c);
        QVERIFY(log.contains(printable));
        QVERIFY(log.contains(QLatin1Char('\t')));
        QVERIFY(!log.contains(QChar(0)));
        // 0x80 to 0xFF in a row are not UTF-8: each shows as its Latin-1 character.
        QString latin1;
        for (int value = 0x80; value <= 0xFF; ++value)
            latin1 += QChar(value == 0xA0 ? ' ' : value); // plain text shows no-break as space
        QVERIFY(log.contains(latin1));
        QVERIFY(harness.keys->typed.isEmpty());
    }

    // The log keeps its newest lines, each exactly as received.
    void tenMegabytesOfJunkLeaveTheNewestLinesWhole()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        QRandomGenerator random(20261207);
        QByteArray junk(10 * 1024 * 1024, Qt::Uninitialized);
        QString expected;
        expected.reserve(junk.size());
        for (char &byte : junk) {
            // ASCII, NUL included; line ends as LF only, so that where the pty happens to cut
            // the stream cannot change how the log shows it.
            byte = static_cast<char>(random.bounded(0x80));
            if (byte == '\r' || random.bounded(60) == 0)
                byte = '\n';
            if (byte != '\0')
                expected += QLatin1Char(byte);
        }
        junk.append("\nend\n");
        expected += QStringLiteral("\nend\n");
        device.send(junk);
        QVERIFY(
            waitFor([&] { return harness.logText().endsWith(QStringLiteral("end\n")); }, 60000));
        // The bound, and at most an eighth more, of the newest lines; the empty line after the
        // last line end counts as one of them.
        const QStringList lines = expected.split(QLatin1Char('\n'));
        const int limit = DataLog::defaultLineLimit;
        QVERIFY(lines.size() > limit + limit / 8);
        const int kept = harness.logText().count(QLatin1Char('\n')) + 1;
        QVERIFY2(kept >= limit && kept <= limit + limit / 8, qPrintable(QString::number(kept)));
        const QString newest = lines.mid(lines.size() - kept).join('\n');
        QCOMPARE(harness.logText().size(), newest.size());
        QVERIFY(harness.logText() == newest);
    }

    // A line without an end is cut at the bound, never typed up to its end, and said once; the
    // cut keeps back what may still become an escape sequence or a UTF-8 character.
    void lineWithoutEndIsCutAtTheBound_data()
    {
        QTest::addColumn<bool>("keyboardMode");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QByteArray>("typed");
        const int bound = LineAssembler::defaultLineBound;
        const QByteArray sevens(bound - 2, '7'), nines(bound, '9'), as(bound - 1, 'a');
        QTest::newRow("keyboard") << true << sevens + nines + "\x1bTAB.\r"
                                  << QString::fromLatin1("Not typed: " + sevens +
                                                         "99\nNot typed: " + nines.left(bound - 2) +
                                                         "\nNot typed: \t\n")
                                  << QByteArray("\r");
        QTest::newRow("log") << false << as + "\xc3\xa9" + "b\n"
                             << QString::fromLatin1(as) + QStringLiteral("\n\u00e9b\n")
                             << QByteArray();
    }

    void lineWithoutEndIsCutAtTheBound()
    {
        QFETCH(bool, keyboardMode);
        QFETCH(QByteArray, sent);
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        if (!keyboardMode)
            harness.switchToLogMode();
        bool delivered = false;
        const QByteArray said = capturedStderr([&] { delivered = harness.deliver(device, sent); });
        QVERIFY(delivered);
        QTEST(harness.logText(), "log");
        QTEST(harness.keys->typed, "typed");
        QCOMPARE(said.count("8 KiB without a line end"), 1);
    }

    // Every reading of a device that outpaces typing is typed exactly, shown in the log whole, or
    // was cut by a gap the port reported: no wrong value is typed, nothing goes unsaid.
    void deviceFasterThanTypingLeavesNothingUnaccountedFor()
    {
        auto *device = new OutpacingDevice;
        auto *keys = new TextBackend;
        KeyInjector injector{std::unique_ptr<KeyBackend>(keys), std::unique_ptr<KeyClock>(device)};
        ReadingRouter router;
        QString log;
        int losses = 0;
        const QByteArray said = capturedStderr([&] {
            while (device->sent.size() < 1800 || !device->queue.isEmpty()) {
                const bool lost = std::exchange(device->overflowed, false);
                losses += lost;
                router.receive(std::exchange(device->queue, {}), lost);
                log += router.typeDue(injector, false);
                device->waitUntil(device->now() + std::chrono::milliseconds(10));
            }
        });
        QVERIFY(losses > 1 && said.count("lost on the line") == 1);
        for (int number = 0; number < 300; ++number) {
            const QByteArray reading = QByteArray::number(1000 + number) + "\n";
            const bool isTyped = keys->typed.contains(reading);
            QVERIFY(isTyped != log.contains(QLatin1String(reading)) ||
                    (!isTyped && device->damaged.contains(number)));
        }
        QVERIFY(!keys->typed.isEmpty());
        for (const QByteArray &typed : keys->typed.split('\n')) // whole, undamaged readings only
            QVERIFY(typed.isEmpty() ||
                    (typed.size() == 4 && !device->damaged.contains(typed.toInt() - 1000)));
    }

    void nulOnlyStreamShowsNothing()
    {
        PseudoTerminal device;
        Harness harness({device.slavePath()});
        harness.switchToLogMode();
        device.send(QByteArray(64 * 1024, '\0'));
        QTest::qWait(100);
        QVERIFY(harness.logText().isEmpty());
        device.send(QByteArray(100, '\0') + "\n" + QByteArray(100, '\0'));
        QVERIFY(waitFor([&] { return !harness.logText().isEmpty(); }));
        QCOMPARE(harness.logText(), QStringLiteral("\n"));
        device.send("ok\n");
        QVERIFY(waitFor([&] { return harness.logText() == QStringLiteral("\nok\n"); }));
    }
};

QTEST_MAIN(BadInputTest)
#include "test_badinput.moc"
