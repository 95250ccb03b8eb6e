// What each byte becomes: the key mapping used on X11 and the records sent on Windows.
#include "keyinjector.h"
#include "keymapping.h"
#include "stderrcapture.h"
#include "winkeyrecords.h"

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

} // namespace

class KeyMappingTest : public QObject
{
    Q_OBJECT

private slots:
    void everyByteValueHasItsKey()
    {
        for (int value = 0; value < 256; ++value) {
            ByteKeyMapper mapper;
            const KeyStroke stroke = mapper.map(static_cast<unsigned char>(value));
            KeyStroke expected;
            if (value == 0x09)
                expected = {Key::Tab, 0};
            else if (value == 0x0A || value == 0x0D)
                expected = {Key::Return, 0};
            else if ((value >= 0x20 && value <= 0x7E) || value >= 0xA0)
                expected = {Key::Character, static_cast<char32_t>(value)};
            QVERIFY2(stroke == expected, qPrintable(QString::number(value, 16)));
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

    void windowsRecordsForCharacters()
    {
        for (unsigned char byte :
             {static_cast<unsigned char>('a'), static_cast<unsigned char>(0xE9),
              static_cast<unsigned char>(0x1B)}) {
            const auto [press, release] = winKeyRecordsFor(byte);
            QCOMPARE(press.type, 1u);
            QCOMPARE(press.wVk, std::uint16_t(0));
            QCOMPARE(press.wScan, std::uint16_t(byte)); // 0xE9 is U+00E9, never U+FFE9
            QCOMPARE(press.dwFlags, 4u);
            QCOMPARE(press.time, 0u);
            QCOMPARE(press.dwExtraInfo, std::uintptr_t(0));
            QCOMPARE(release.type, 1u);
            QCOMPARE(release.wVk, press.wVk);
            QCOMPARE(release.wScan, press.wScan);
            QCOMPARE(release.dwFlags, 4u | 2u);
            QCOMPARE(release.time, 0u);
            QCOMPARE(release.dwExtraInfo, std::uintptr_t(0));
        }
    }

    void windowsRecordsForTabLineFeedAndReturnUseVirtualKeys()
    {
        for (unsigned char byte : {0x09, 0x0A, 0x0D}) {
            const auto [press, release] = winKeyRecordsFor(byte);
            QCOMPARE(press.wVk, std::uint16_t(byte));
            QCOMPARE(press.wScan, std::uint16_t(0));
            QCOMPARE(press.dwFlags, 4u);
            QCOMPARE(release.wVk, std::uint16_t(byte));
            QCOMPARE(release.dwFlags, 4u | 2u);
        }
    }

    void withoutDisplayTypingWarnsOnceAndCarriesOn()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        const QByteArray warning = capturedStderr([] {
            std::unique_ptr<KeyInjector> keys = createKeyInjector("xcb");
            for (unsigned char byte : QByteArray("12.5\r"))
                keys->typeByte(byte);
        });
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(warning.count('\n'), 1);
        QVERIFY(warning.contains("cannot type"));
    }
};

QTEST_MAIN(KeyMappingTest)
#include "test_keymapping.moc"
