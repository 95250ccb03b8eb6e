// Received data through a pseudo-terminal: when a line is complete, what is typed, what is logged.
#include "app/datalog.h"
#include "harness.h"
#include "serial/linux/lineerrorcount.h"
#include "stderrcapture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

// What the port's error counters say; a pseudo-terminal has none of its own.
static std::optional<quint64> lineErrors;

class ReceiveTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PseudoTerminal> device;
    std::unique_ptr<Harness> harness;

    // Each call is one read of the program's: the next bytes are sent once these are taken.
    void send(const QByteArray &bytes) { QVERIFY(harness->deliver(*device, bytes)); }

private slots:
    void init()
    {
        countLineErrorsForTests([](int) { return lineErrors; });
        lineErrors.reset();
        device = std::make_unique<PseudoTerminal>();
        harness = std::make_unique<Harness>(QStringList{device->slavePath()});
        QVERIFY(harness->connected());
    }

    void cleanup()
    {
        harness.reset();
        device.reset();
    }

    void lineIsTypedOnceItsEndArrives()
    {
        send("12.5");
        QCOMPARE(harness->keys->typed, QByteArray());
        send(" g\r\n");
        QCOMPARE(harness->keys->typed, QByteArray("12.5 g\r\n"));
        QVERIFY(harness->keys->pacedOnePausePerKey());
        QVERIFY(harness->logText().isEmpty()); // typed, so never shown as well
    }

    void carriageReturnAndLineFeedInSeparateChunksAreTwoLines()
    {
        send("a\r");
        QCOMPARE(harness->keys->typed, QByteArray("a\r"));
        send("\n");
        QCOMPARE(harness->keys->typed, QByteArray("a\r\n"));
    }

    void bytesAfterTheLineEndWaitForTheirOwn()
    {
        send("first\r\nsec");
        QCOMPARE(harness->keys->typed, QByteArray("first\r\n"));
        send("ond\r");
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("first\nsecond\n"));
    }

    void dataWithoutLineEndIsKeptAndShownNowhere()
    {
        send("no end yet");
        harness->switchToLogMode();
        send(" still none");
        QCOMPARE(harness->keys->typed, QByteArray());
        QVERIFY(harness->logText().isEmpty());
        send("\n");
        QCOMPARE(harness->logText(), QStringLiteral("no end yet still none\n"));
    }

    void deviceMarkersEndALineWithoutEscape()
    {
        send("5.0enter.");
        QCOMPARE(harness->keys->typed, QByteArray("5.0enter."));
        send("7TAB.");
        QCOMPARE(harness->keys->typed, QByteArray("5.0enter.7TAB."));
    }

    void fennickModeTurnsEscapesIntoTabAndLineEnd()
    {
        send("123\x1bTAB.4\x1b"
             "enter.");
        QCOMPARE(harness->keys->typed, QByteArray("123\t4\r\n"));
        QVERIFY(harness->keys->pacedOnePausePerKey());
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("123\t4\n")); // CR LF: one Return
    }

    void standardModeTypesEveryByteAsReceived()
    {
        harness->get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1);
        const QByteArray line = "123\x1bTAB.4\x1b"
                                "enter.";
        send(line);
        QCOMPARE(harness->keys->typed, line);
        QCOMPARE(harness->keys->pauses(), line.size());
        // The escape bytes keep their slots but give no key.
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("123TAB.4enter."));
    }

    // A reading is the same however the device's bytes were split into reads: an escape
    // sequence, a carriage return and its line feed, a UTF-8 character.
    void readingsDoNotDependOnHowTheBytesWereSplit()
    {
        send("x\r\x1bTA");
        send("B.\r\x1b");
        send("enter.");
        QCOMPARE(harness->keys->typed, QByteArray("x\r\t\r\r\n"));
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("x\n\t\n\n"));

        harness->switchToLogMode();
        send("12.5 g\r");
        send("\nK\xc3");
        send("\xb6ln\r\n");
        QCOMPARE(harness->logText(), QString::fromUtf8("12.5 g\nK\u00f6ln\n"));
    }

    // A reading begun in log mode is not finished by typing once keyboard mode is on.
    void readingShownInPartIsNotTypedAfterASwitch()
    {
        harness->switchToLogMode();
        send("1.0\r\n12");
        harness->get<QCheckBox>("checkBox_ToKeyboard")->click();
        send(".5\r\n");
        QCOMPARE(harness->keys->strokesAsText(), QString());
        QCOMPARE(harness->logText(), QStringLiteral("1.0\n12Not typed: .5\n"));
    }

    void exportModeSwitchKeepsBufferAndPort()
    {
        send("12\x1bTA");
        auto *mode = harness->get<QComboBox>("comboBox_ExportMode");
        mode->setCurrentIndex(1);
        QVERIFY(harness->connected());
        send("B.\r");
        QCOMPARE(harness->keys->typed, QByteArray("12\x1bTAB.\r"));
        harness->keys->clear();
        mode->setItemText(0, QStringLiteral("traduit")); // a translated text changes nothing
        mode->setCurrentIndex(0);
        send("\x1bTAB.\r");
        QCOMPARE(harness->keys->typed, QByteArray("\t\r"));
    }

    void logShowsWholeLinesDecodedWithoutNul()
    {
        harness->switchToLogMode();
        send(QByteArray("A\0B\r\n", 5));
        QCOMPARE(harness->logText(), QStringLiteral("AB\n"));
        send("\xc3\xa9t\xc3\xa9\x1bTAB.\n");
        QCOMPARE(harness->logText(), QStringLiteral("AB\n\u00e9t\u00e9\u001bTAB.\n"));
        QCOMPARE(harness->keys->typed, QByteArray());
    }

    void logFollowsTheNewestLine()
    {
        harness->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness->window.get()));
        harness->switchToLogMode();
        QByteArray many;
        for (int i = 0; i < 200; ++i)
            many += "reading " + QByteArray::number(i) + "\r\n";
        send(many);
        QScrollBar *scroll = harness->get<QTextBrowser>("textBrowser_dataLog")->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        QCOMPARE(scroll->value(), scroll->maximum());
    }

    // New text goes at the end whatever the user has clicked, selected or scrolled to; keyboard
    // mode leaves the log alone; the newest lines are kept; Latin-1 and UTF-8 both show right.
    void logAppendsAtTheEndAndLeavesTheUserAlone()
    {
        harness->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness->window.get()));
        auto *log = harness->get<QTextBrowser>("textBrowser_dataLog");
        const auto select = [&](int from, int to) {
            QTextCursor cursor(log->document());
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            log->setTextCursor(cursor);
        };
        harness->switchToLogMode();
        device->send("12.5 g\r\n");
        QTRY_COMPARE(harness->logText(), QStringLiteral("12.5 g\n"));

        select(0, 2);
        device->send("13.0 g\r\n");
        QTRY_COMPARE(harness->logText(), QStringLiteral("12.5 g\n13.0 g\n"));
        QCOMPARE(log->textCursor().selectedText(), QStringLiteral("12"));

        select(3, 3); // a click inside the first line
        device->send("14\r");
        QTRY_COMPARE(harness->logText(), QStringLiteral("12.5 g\n13.0 g\n14\n"));
        QCOMPARE(log->textCursor().position(), 3);

        const int end = log->document()->characterCount() - 1;
        select(end - 3, end); // a selection up to the very end does not grow over new text
        device->send("\xb5 23.5 \xb0"
                     "C\r");
        QTRY_VERIFY(harness->logText().endsWith(QStringLiteral("\u00b5 23.5 \u00b0"
                                                               "C\n")));
        QCOMPARE(log->textCursor().selectedText(), QStringLiteral("14") + QChar(0x2029));

        QScrollBar *scroll = log->verticalScrollBar();
        QByteArray many;
        for (int i = 0; i < 100; ++i)
            many += "reading " + QByteArray::number(i) + "\r\n";
        device->send(many);
        QTRY_VERIFY(harness->logText().endsWith(QStringLiteral("reading 99\n")));
        QVERIFY(scroll->maximum() > 0);
        scroll->setValue(0); // the user scrolls up to read
        device->send("K\xc3\xb6ln\r");
        QTRY_VERIFY(harness->logText().endsWith(QStringLiteral("K\u00f6ln\n")));
        QCOMPARE(scroll->value(), 0);

        harness->get<QCheckBox>("checkBox_ToKeyboard")->click();
        QApplication::setActiveWindow(nullptr); // the user clicks into their application
        const QString before = harness->logText();
        select(0, 4);
        device->send("16\r");
        QTRY_COMPARE(harness->keys->typed, QByteArray("16\r"));
        QCOMPARE(harness->logText(), before);
        QCOMPARE(log->textCursor().selectedText(), QStringLiteral("12.5"));

        harness->switchToLogMode();
        harness->window->setLogLimits(3, DataLog::defaultCharacterLimit);
        device->send("a\rb\rc\rd\r");
        QTRY_VERIFY(harness->logText().endsWith(QStringLiteral("d\n")));
        QCOMPARE(harness->logText(), QStringLiteral("c\nd\n"));
        harness->window->setLogLimits(DataLog::defaultLineLimit, 16);
        device->send("1111111\r2222222\r3333333\r4444444\r");
        QTRY_VERIFY(harness->logText().endsWith(QStringLiteral("4444444\n")));
        QCOMPARE(harness->logText(), QStringLiteral("3333333\n4444444\n"));
    }

    // While Quillon's own window is active nothing is typed: the lines go to the log, said once.
    // Whatever became of a CR, typed or not, its LF coming on its own is no Return and no line.
    // The start of the next reading, come with a reading that was not typed, is judged with the
    // rest of it, never typed as a tail.
    void ownWindowIsNeverTypedIntoAndLineEndsFollowEveryByte()
    {
        harness->window->show();
        QVERIFY(QTest::qWaitForWindowActive(harness->window.get()));
        const QByteArray said = capturedStderr([&] {
            send("W4 \tW5\r");
            QApplication::setActiveWindow(nullptr);
            send("\n"); // no key, so no end of the trouble
            QApplication::setActiveWindow(harness->window.get());
            send("U1\r");
            send("\n12.5\r\n13.");
        });
        QCOMPARE(said.count("own window has the keyboard focus"), 1);
        QCOMPARE(harness->logText(),
                 QStringLiteral("Not typed: W4 \tW5\nNot typed: U1\nNot typed: 12.5\n"));
        QApplication::setActiveWindow(nullptr);
        send("1\r\n");
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("13.1\n"));
    }

    // A reading with a gap where the port lost bytes is not typed, nor the next one, whose start
    // the gap may have taken; said once while the port stays open. In log mode the gap is marked.
    void readingsWithBytesLostOnTheLineAreNotTyped()
    {
        lineErrors = 0;
        const QByteArray said = capturedStderr([&] {
            send("12.5\r\n+00");
            lineErrors = 2; // the UART overran while "12" came
            send(".34\r\n");
            send("13.1\r\n");
            send("14\r\n");
            harness->switchToLogMode();
            send("a\r\nb");
            lineErrors = 3;
            send("c\r\n");
        });
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("12.5\n14\n"));
        const QString lost = QStringLiteral("Not typed (bytes were lost on the line): ");
        QCOMPARE(harness->logText(),
                 lost + "+00.34\n" + lost + "13.1\na\nbc\n[bytes were lost on the line]");
        QCOMPARE(said.count("quillon: Bytes from the device were lost on the line"), 1);
        QCOMPARE(said.count("quillon:"), 1);
    }

    void clearScreenEmptiesTheLogButNotTheBuffer()
    {
        harness->switchToLogMode();
        send("one\r");
        send("tw");
        harness->get<QPushButton>("pushButtonClear")->click();
        QVERIFY(harness->logText().isEmpty());
        send("o\r");
        QCOMPARE(harness->logText(), QStringLiteral("two\n"));
    }
};

QTEST_MAIN(ReceiveTest)
#include "test_receive.moc"
