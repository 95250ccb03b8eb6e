#ifndef QUILLON_TYPING_WINDOWS_WINKEYRECORDS_H
#define QUILLON_TYPING_WINDOWS_WINKEYRECORDS_H

#include "typing/keymapping.h"

#include <array>
#include <cstdint>

// The fields of a Windows KEYBDINPUT record inside an INPUT, kept apart from <windows.h> so that
// what each key stroke sends can be checked on any platform.
struct WinKeyRecord
{
    std::uint32_t type;
    std::uint16_t wVk;
    std::uint16_t wScan;
    std::uint32_t dwFlags;
    std::uint32_t time;
    std::uintptr_t dwExtraInfo;
};

constexpr std::uint32_t winInputKeyboard = 1;   // INPUT_KEYBOARD
constexpr std::uint32_t winKeyEventKeyUp = 2;   // KEYEVENTF_KEYUP
constexpr std::uint32_t winKeyEventUnicode = 4; // KEYEVENTF_UNICODE
constexpr std::uint16_t winVirtualKeyTab = 0x09;
constexpr std::uint16_t winVirtualKeyReturn = 0x0D;
// What MapVirtualKey(..., MAPVK_VK_TO_VSC) gives for them; the same on every common layout.
constexpr std::uint16_t winScanCodeTab = 0x0F;
constexpr std::uint16_t winScanCodeReturn = 0x1C;

// The press and then the release that type this stroke; each goes to SendInput on its own.
// Tab and Return are real keys with their scan codes, so that programs which read scan codes
// (terminals) see them; a character goes as a Unicode event, where the virtual key must be 0.
std::array<WinKeyRecord, 2> winKeyRecordsFor(const KeyStroke &stroke);

#endif
