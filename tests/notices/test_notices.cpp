// When a notice is said, said again, and over; and that stderr has every one.
#include "notices/notices.h"
#include "recordingnoticedisplay.h"
#include "stderrcapture.h"

#include <QTest>

class NoticesTest : public QObject
{
    Q_OBJECT

private slots:
    void aLastingNoticeIsSaidOnceAndAnotherDetailIsAnotherNotice()
    {
        RecordingNoticeDisplay display;
        const QByteArray said = capturedStderr([] {
            for (int time = 0; time < 2; ++time) {
                tellUser("COM3 did not take a setting", "baud rate", NoticeEnd::UserAction);
                tellUser("COM3 did not take a setting", "parity", NoticeEnd::UserAction);
            }
        });
        QCOMPARE(display.shown, QStringList({"COM3 did not take a setting. baud rate",
                                             "COM3 did not take a setting. parity"}));
        QCOMPARE(said, QByteArray("quillon: COM3 did not take a setting. baud rate\n"
                                  "quillon: COM3 did not take a setting. parity\n"));
    }

    // Each end puts right its own troubles alone; the display hears when nothing is left.
    void eachEndEndsItsOwnNoticesAndTheLastEndClearsTheDisplay()
    {
        RecordingNoticeDisplay display;
        capturedStderr([] {
            tellUser("Could not open COM3", "gone", NoticeEnd::PortOpened);
            tellUser("No line end", "", NoticeEnd::LineEnd);
            tellUser("No spare key", "", NoticeEnd::ItsCause);
            noticesEnd(NoticeEnd::LineTyped);
            noticesEnd(NoticeEnd::LineEnd);
            tellUser("Could not open COM3", "gone", NoticeEnd::PortOpened);
            tellUser("No line end", "", NoticeEnd::LineEnd);
            noticesEnd(NoticeEnd::PortOpened);
            noticesEnd(NoticeEnd::LineEnd);
            endNotice("No spare key");
            noticesEnd(NoticeEnd::LineEnd);
        });
        QCOMPARE(display.shown, QStringList({"Could not open COM3. gone", "No line end. ",
                                             "No spare key. ", "No line end. ", "(all clear)"}));
    }

    // The typing core's texts reach the user in their language, the arguments wherever the
    // translation puts them.
    void noticeTextsAreTranslatedWithTheirArguments()
    {
        setNoticeTranslator([](const char *) { return std::string("%2 (100 %) – %1%3"); });
        QCOMPARE(noticeText("Error %1 on %2", {"5", "COM3"}), std::string("COM3 (100 %) – 5%3"));
        setNoticeTranslator(nullptr);
        QCOMPARE(noticeText("Error %1", {"5"}), std::string("Error 5"));
    }
};

QTEST_MAIN(NoticesTest)
#include "test_notices.moc"
