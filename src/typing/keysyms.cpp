#include "typing/keysyms.h"

#include <algorithm>

namespace {

constexpr std::uint32_t tabKeysym = 0xff09;
constexpr std::uint32_t returnKeysym = 0xff0d;

} // namespace

std::uint32_t keysymFor(const KeyStroke &stroke)
{
    switch (stroke.key) {
    case KeyStroke::Key::Tab:
        return tabKeysym;
    case KeyStroke::Key::Return:
        return returnKeysym;
    case KeyStroke::Key::Character:
        return stroke.character;
    case KeyStroke::Key::NoKey:
        break;
    }
    return 0;
}

std::vector<std::uint32_t> typableKeysyms()
{
    std::vector<std::uint32_t> keysyms;
    for (int byte = 0; byte < 256; ++byte) {
        const KeyStroke stroke = ByteKeyMapper().map(static_cast<unsigned char>(byte));
        const std::uint32_t keysym = keysymFor(stroke);
        if (stroke.key != KeyStroke::Key::NoKey &&
            std::find(keysyms.begin(), keysyms.end(), keysym) == keysyms.end())
            keysyms.push_back(keysym);
    }
    return keysyms;
}
