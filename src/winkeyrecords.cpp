#include "winkeyrecords.h"

namespace {

bool isVirtualKeyByte(unsigned char byte)
{
    return byte == 0x09 || byte == 0x0A || byte == 0x0D;
}

} // namespace

std::array<WinKeyRecord, 2> winKeyRecordsFor(unsigned char byte)
{
    WinKeyRecord press{winInputKeyboard, 0, 0, winKeyEventUnicode, 0, 0};
    if (isVirtualKeyByte(byte))
        press.wVk = byte;
    else
        press.wScan = byte; // unsigned widening: 0xE9 is U+00E9, not U+FFE9
    WinKeyRecord release = press;
    release.dwFlags = winKeyEventUnicode | winKeyEventKeyUp;
    return {press, release};
}
