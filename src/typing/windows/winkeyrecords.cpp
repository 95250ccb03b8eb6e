#include "typing/windows/winkeyrecords.h"

namespace {

WinKeyRecord virtualKey(std::uint16_t code, std::uint16_t scanCode)
{
    return {winInputKeyboard, code, scanCode, 0, 0, 0};
}

} // namespace

std::array<WinKeyRecord, 2> winKeyRecordsFor(const KeyStroke &stroke)
{
    WinKeyRecord press{winInputKeyboard, 0, 0, winKeyEventUnicode, 0, 0};
    if (stroke.key == KeyStroke::Key::Tab)
        press = virtualKey(winVirtualKeyTab, winScanCodeTab);
    else if (stroke.key == KeyStroke::Key::Return)
        press = virtualKey(winVirtualKeyReturn, winScanCodeReturn);
    else
        press.wScan = static_cast<std::uint16_t>(stroke.character); // Latin-1: U+0000-U+00FF
    WinKeyRecord release = press;
    release.dwFlags |= winKeyEventKeyUp;
    return {press, release};
}
