#ifndef QUILLON_KEYMAPPING_H
#define QUILLON_KEYMAPPING_H

// What one received byte types on a desktop whose keys produce characters (X11 and the like).
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

// Maps bytes to keys: Tab, Return for CR and for an LF that does not complete a CR LF, the
// printable ASCII and Latin-1 characters, and no key for every other control byte, so that a
// device can never send Escape, Backspace or shortcuts into the user's application.
class ByteKeyMapper
{
public:
    KeyStroke map(unsigned char byte);

private:
    bool afterCarriageReturn = false;
};

#endif
