#include "typing/keymapping.h"

namespace {

constexpr unsigned char tab = 0x09;

bool isPrintable(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xA0;
}

} // namespace

KeyStroke ByteKeyMapper::map(unsigned char byte)
{
    const bool completesCrLf = lineEnds.completesCrLf(byte);
    if (byte == tab)
        return {KeyStroke::Key::Tab, 0};
    if (byte == LineEnds::carriageReturn || (byte == LineEnds::lineFeed && !completesCrLf))
        return {KeyStroke::Key::Return, 0};
    if (isPrintable(byte))
        return {KeyStroke::Key::Character, byte};
    return {};
}
