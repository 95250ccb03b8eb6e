// The data log's text: no NUL, every ASCII byte shown in order whatever surrounds it, valid UTF-8
// shown exactly, and no byte lost to a replacement character.
#include "receive/devicebytes.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const QByteArray &bytes)
{
    int i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        unsigned minimum = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, minimum = 0x80, code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, minimum = 0x800, code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, minimum = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray received(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString shown = DeviceBytes::logText(received);
    if (shown.contains(QChar(0)))
        std::abort();

    QByteArray withoutNul = received;
    withoutNul.replace('\0', QByteArray());
    QByteArray asciiReceived;
    for (char byte : withoutNul) {
        if (static_cast<unsigned char>(byte) < 0x80)
            asciiReceived += byte;
    }
    QByteArray asciiShown;
    for (QChar c : shown) {
        if (c.unicode() < 0x80)
            asciiShown += static_cast<char>(c.unicode());
    }
    if (asciiShown != asciiReceived)
        std::abort();
    if (isValidUtf8(withoutNul) && shown.toUtf8() != withoutNul)
        std::abort();
    // Only a replacement character the device sent itself may show; nothing is longer than sent.
    if (shown.count(QChar(0xFFFD)) != withoutNul.count("\xef\xbf\xbd") ||
        shown.size() > withoutNul.size())
        std::abort();
    return 0;
}
