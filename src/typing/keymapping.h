#ifndef QUILLON_TYPING_KEYMAPPING_H
#define QUILLON_TYPING_KEYMAPPING_H

#include "typing/lineends.h"

// One key to type: Tab, Return or a character. Every platform turns exactly these into its own
// events; which byte becomes which stroke is decided here alone.
struct KeyStroke
{
    enum class Key
    {
        NoKey,
        Tab,
        Return,
        Character,
    };
    Key key = Key::NoKey;
    char32_t character = 0; // Latin-1 code point, for Key::Character

    bool operator==(const KeyStroke &other) const
    {
        return key == other.key && character == other.character;
    }
};

// Maps bytes to keys: Tab, Return for each line end (LineEnds), the printable ASCII and Latin-1
// characters, and no key for every other control byte, so that a device can never send Escape,
// Backspace, Ctrl+V or the like into the user's application.
class ByteKeyMapper
{
public:
    // For bytes that follow the line ends as `lineEnds` stands.
    explicit ByteKeyMapper(LineEnds lineEnds = LineEnds()) : lineEnds(lineEnds) {}
    KeyStroke map(unsigned char byte);

private:
    LineEnds lineEnds;
};

#endif
