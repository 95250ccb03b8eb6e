// What each byte becomes: the one byte policy of every platform, and the records sent on Windows.
#include "stderrcapture.h"
#include "typing/keyinjector.h"
#include "typing/keymapping.h"
#include "typing/windows/winkeyrecords.h"

#include <QTest>

namespace {

using Key = KeyStroke::Key;

QString describe(const KeyStroke &stroke)
{
    switch (stroke.key) {
    case Key::NoKey:
        return QStringLiteral("-");
    case Key::Tab:
        return QStringLiteral("Tab");
    case Key::Return:
        return QStringLiteral("Return");
    case Key::Character:
        return QString(QChar(static_cast<ushort>(stroke.character)));
    }
    return {};
}

QStringList mapAll(ByteKeyMapper &mapper, const QByteArray &bytes)
{
    QStringList keys;
    for (char byte : bytes)
        keys << describe(mapper.map(static_cast<unsigned char>(byte)));
    return keys;
}

bool sameRecord(const WinKeyRecord &a, const WinKeyRecord &b)
{
    return a.type == b.type && a.wVk == b.wVk && a.wScan == b.wScan && a.dwFlags == b.dwFlags &&
           a.time == b.time && a.dwExtraInfo == b.dwExtraInfo;
}

} // namespace

class KeyMappingTest : public QObject
{
    Q_OBJECT

private slots:
    // The whole byte policy, and what Windows gets for it: one fresh mapper per byte.
    void everyByteValueHasItsKeyAndItsWindowsRecords()
    {
        for (int value = 0; value < 256; ++value) {
            ByteKeyMapper mapper;
            const KeyStroke stroke = mapper.map(static_cast<unsigned char>(value));
            KeyStroke expected;
            WinKeyRecord press{1, 0, static_cast<std::uint16_t>(value), 4, 0, 0};
            if (value == 0x09) {
                expected = {Key::Tab, 0};
                press = {1, 0x09, 0x0F, 0, 0, 0};
            } else if (value == 0x0A || value == 0x0D) {
                expected = {Key::Return, 0};
                press = {1, 0x0D, 0x1C, 0, 0, 0};
            } else if ((value >= 0x20 && value <= 0x7E) || value >= 0xA0) {
                expected = {Key::Character, static_cast<char32_t>(value)};
            }
            const QByteArray byte = QByteArray::number(value, 16);
            QVERIFY2(stroke == expected, byte);
            if (stroke.key == Key::NoKey)
                continue;
            WinKeyRecord release = press;
            release.dwFlags |= 2; // KEYEVENTF_KEYUP
            const auto records = winKeyRecordsFor(stroke);
            QVERIFY2(sameRecord(records[0], press), byte);
            QVERIFY2(sameRecord(records[1], release), byte);
        }
    }

    void lineFeedAfterCarriageReturnGivesNoSecondReturn()
    {
        ByteKeyMapper mapper;
        QCOMPARE(
            mapAll(mapper, "a\r\nb\n\nc\n\r"),
            QStringList({"a", "Return", "-", "b", "Return", "Return", "c", "Return", "Return"}));
        // The rule holds across calls: the CR may have ended the previous line's processing.
        QCOMPARE(mapAll(mapper, "\nd\r\x1b\n"), QStringList({"-", "d", "Return", "-", "Return"}));
    }

    void withoutDisplayTypingWarnsOnceAndCarriesOn()
    {
        const QByteArray display = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        const QByteArray warning =
            capturedStderr([] { createKeyInjector("xcb")->typeLine("12.5\r"); });
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        if (!wayland.isEmpty())
            qputenv("WAYLAND_DISPLAY", wayland);
        QCOMPARE(warning.count('\n'), 1);
        QVERIFY(warning.contains("cannot type"));
    }
};

QTEST_MAIN(KeyMappingTest)
#include "test_keymapping.moc"
