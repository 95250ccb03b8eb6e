#include "receivelogic.h"

#include <array>

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF) starting at `at`, or 1 where none starts there.
int utf8SequenceLength(const QByteArray &bytes, int at)
{
    const auto byteAt = [&](int offset) {
        return at + offset < bytes.size() ? static_cast<unsigned char>(bytes[at + offset]) : 0;
    };
    const unsigned char lead = byteAt(0);
    int length = 1;
    unsigned char secondMin = 0x80, secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondMin = lead == 0xE0 ? 0xA0 : 0x80;
        secondMax = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondMin = lead == 0xF0 ? 0x90 : 0x80;
        secondMax = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 1)
        return 1;
    if (byteAt(1) < secondMin || byteAt(1) > secondMax)
        return 1;
    for (int k = 2; k < length; ++k) {
        if (!isContinuation(byteAt(k)))
            return 1;
    }
    return length;
}

} // namespace

namespace ReceiveLogic {

bool containsEndMarker(const QByteArray &buffer)
{
    static const std::array<QByteArray, 5> markers{"enter.", "TAB.", "\r\n", "\r", "\n"};
    for (const QByteArray &marker : markers) {
        if (buffer.contains(marker))
            return true;
    }
    return false;
}

void translateFennickEscapes(QByteArray &buffer)
{
    buffer.replace("\x1b"
                   "enter.",
                   "\r\n");
    buffer.replace("\x1b"
                   "TAB.",
                   "\t");
}

QString logText(const QByteArray &buffer)
{
    QByteArray bytes = buffer;
    bytes.replace('\0', QByteArray());
    QString text;
    text.reserve(bytes.size());
    int i = 0;
    while (i < bytes.size()) {
        const int length = utf8SequenceLength(bytes, i);
        if (length > 1)
            text += QString::fromUtf8(bytes.constData() + i, length);
        else
            text += QChar(static_cast<unsigned char>(bytes[i])); // ASCII, or Latin-1
        i += length;
    }
    return text;
}

} // namespace ReceiveLogic
