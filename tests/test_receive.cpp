// Received data through a pseudo-terminal: when a line is complete, what is typed, what is logged.
#include "harness.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

// Lets the program read what the device sent, long enough for a pty to pass it on.
void settle()
{
    QTest::qWait(60);
}

} // namespace

class ReceiveTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PseudoTerminal> device;
    std::unique_ptr<Harness> harness;

    void send(const QByteArray &bytes)
    {
        device->send(bytes);
        settle();
    }

private slots:
    void init()
    {
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

    void bytesAfterTheLineEndGoWithTheLine()
    {
        send("first\r\nsec");
        QCOMPARE(harness->keys->typed, QByteArray("first\r\nsec"));
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
        QCOMPARE(harness->keys->pausesAfterCount.size(), line.size());
        // The escape bytes keep their slots but give no key.
        QCOMPARE(harness->keys->strokesAsText(), QStringLiteral("123TAB.4enter."));
    }

    void escapeSplitAcrossLinesIsNotTranslated()
    {
        send("x\r\x1bTA");
        send("B.\r");
        QCOMPARE(harness->keys->typed, QByteArray("x\r\x1bTAB.\r"));
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
