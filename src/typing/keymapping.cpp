#include "typing/keymapping.h"

namespace {

constexpr unsigned char tab = 0x09;
constexpr unsigned char lineFeed = 0x0A;
constexpr unsigned char carriageReturn = 0x0D;

bool isPrintable(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xA0;
}

} // namespace

KeyStroke ByteKeyMapper::map(unsigned char byte)
{
    const bool completesCrLf = afterCarriageReturn && byte == lineFeed;
    afterCarriageReturn = byte == carriageReturn;

    if (byte == tab)
        return {KeyStroke::Key::Tab, 0};
    if (byte == carriageReturn || (byte == lineFeed && !completesCrLf))
        return {KeyStroke::Key::Return, 0};
    if (isPrintable(byte))
        return {KeyStroke::Key::Character, byte};
    return {};
}
