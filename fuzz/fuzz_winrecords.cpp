// The Windows records for every byte of the input: a press and its release, with the byte in
// the virtual-key field for Tab, LF and CR and as an unsigned Unicode value otherwise.
#include "winkeyrecords.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = data[i];
        const auto [press, release] = winKeyRecordsFor(byte);
        const bool virtualKey = byte == 0x09 || byte == 0x0A || byte == 0x0D;
        if (press.type != winInputKeyboard || press.dwFlags != winKeyEventUnicode ||
            press.time != 0 || press.dwExtraInfo != 0)
            std::abort();
        if (press.wVk != (virtualKey ? byte : 0) || press.wScan != (virtualKey ? 0 : byte))
            std::abort();
        if (release.type != press.type || release.wVk != press.wVk ||
            release.wScan != press.wScan || release.time != 0 || release.dwExtraInfo != 0 ||
            release.dwFlags != (winKeyEventUnicode | winKeyEventKeyUp))
            std::abort();
    }
    return 0;
}
