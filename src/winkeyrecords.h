#ifndef QUILLON_WINKEYRECORDS_H
#define QUILLON_WINKEYRECORDS_H

#include <array>
#include <cstdint>

// The fields of a Windows KEYBDINPUT record inside an INPUT, kept apart from <windows.h> so that
// what each byte sends can be checked on any platform.
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

// The press and then the release that type this byte; each goes to SendInput on its own.
// Tab, LF and CR go as virtual keys, every other byte as the Latin-1 character of that value.
std::array<WinKeyRecord, 2> winKeyRecordsFor(unsigned char byte);

#endif
