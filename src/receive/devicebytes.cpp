#include "receive/devicebytes.h"

#include <algorithm>

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// What a lead byte promises (RFC 3629: no overlong forms, no surrogates, nothing above
// U+10FFFF): the sequence's length and the range of its second byte. Length 1 for any byte
// that starts no sequence.
struct Utf8Lead
{
    int length = 1;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
};

Utf8Lead utf8Lead(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2};
    if (lead >= 0xE0 && lead <= 0xEF)
        return {3, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
                static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
    if (lead >= 0xF0 && lead <= 0xF4)
        return {4, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
    return {};
}

// How many of the bytes from `at` on follow the lead byte there as its sequence requires.
int utf8BytesInPlace(const QByteArray &bytes, int at, const Utf8Lead &lead)
{
    int count = 1;
    for (; count < lead.length && at + count < bytes.size(); ++count) {
        const auto byte = static_cast<unsigned char>(bytes[at + count]);
        const bool fits =
            count == 1 ? byte >= lead.secondMin && byte <= lead.secondMax : isContinuation(byte);
        if (!fits)
            break;
    }
    return count;
}

// The length of the well-formed UTF-8 sequence starting at `at`, or 1 where none starts there.
int utf8SequenceLength(const QByteArray &bytes, int at)
{
    const Utf8Lead lead = utf8Lead(static_cast<unsigned char>(bytes[at]));
    return utf8BytesInPlace(bytes, at, lead) == lead.length ? lead.length : 1;
}

// Whether the bytes from `at` to the end are a well-formed UTF-8 sequence cut short.
bool beginsUtf8Sequence(const QByteArray &bytes, int at)
{
    const Utf8Lead lead = utf8Lead(static_cast<unsigned char>(bytes[at]));
    const int available = bytes.size() - at;
    return lead.length > available && utf8BytesInPlace(bytes, at, lead) == available;
}

const QByteArray enterEscape = QByteArrayLiteral("\x1b"
                                                 "enter.");
const QByteArray tabEscape = QByteArrayLiteral("\x1b"
                                               "TAB.");

// A carriage return or line feed, or the last byte of "enter." or "TAB."; a marker that began
// in an earlier read is found once its last byte arrives.
bool endMarkerEndsAt(const QByteArray &buffer, int at)
{
    const char byte = buffer[at];
    if (byte == '\r' || byte == '\n')
        return true;
    const auto precededBy = [&](const char *word, int length) {
        return at >= length && std::equal(word, word + length, buffer.constData() + at - length);
    };
    return byte == '.' && (precededBy("enter", 5) || precededBy("TAB", 3));
}

} // namespace

namespace DeviceBytes {

int unfinishedEscapeLength(const QByteArray &buffer)
{
    for (int length = std::min<int>(buffer.size(), enterEscape.size() - 1); length > 0; --length) {
        const QByteArray tail = buffer.right(length);
        if ((length < enterEscape.size() && enterEscape.startsWith(tail)) ||
            (length < tabEscape.size() && tabEscape.startsWith(tail)))
            return length;
    }
    return 0;
}

int unfinishedUtf8Length(const QByteArray &buffer)
{
    for (int at = buffer.size() - 1; at >= 0 && at >= buffer.size() - 3; --at) {
        if (!isContinuation(static_cast<unsigned char>(buffer[at])))
            return beginsUtf8Sequence(buffer, at) ? buffer.size() - at : 0;
    }
    return 0;
}

int endOfFirstEndMarker(const QByteArray &buffer, int from)
{
    for (int at = from; at < buffer.size(); ++at) {
        if (endMarkerEndsAt(buffer, at))
            return at + 1;
    }
    return -1;
}

int endOfLastEndMarker(const QByteArray &buffer)
{
    for (int at = buffer.size() - 1; at >= 0; --at) {
        if (endMarkerEndsAt(buffer, at))
            return at + 1;
    }
    return -1;
}

void translateFennickEscapes(QByteArray &buffer)
{
    buffer.replace(enterEscape, "\r\n");
    buffer.replace(tabEscape, "\t");
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

} // namespace DeviceBytes
