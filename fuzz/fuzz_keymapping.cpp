// The byte-to-key mapping over a stream: every byte is accounted for, no control byte but Tab,
// CR and LF gives a key, and CR LF gives one Return. The stream is cut into lines as the line
// assembler hands them on, each mapped from where the line ends stood before it, so that a CR LF
// split between two lines counts too.
#include "typing/keymapping.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t lineLength = data[0] % 16 + 1;
    ++data, --size;
    LineEnds lineEnds;
    ByteKeyMapper mapper;
    size_t returns = 0, expectedReturns = 0, tabs = 0, characters = 0, nothing = 0;
    bool previousWasCr = false;
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = data[i];
        if (i % lineLength == 0)
            mapper = ByteKeyMapper(lineEnds);
        lineEnds.completesCrLf(byte);
        const KeyStroke stroke = mapper.map(byte);
        switch (stroke.key) {
        case KeyStroke::Key::Return:
            ++returns;
            if (byte != '\r' && byte != '\n')
                std::abort();
            break;
        case KeyStroke::Key::Tab:
            ++tabs;
            if (byte != '\t')
                std::abort();
            break;
        case KeyStroke::Key::Character:
            ++characters;
            if (stroke.character != byte || byte < 0x20 || (byte >= 0x7F && byte < 0xA0))
                std::abort();
            break;
        case KeyStroke::Key::NoKey:
            ++nothing;
            if ((byte >= 0x20 && byte != 0x7F && !(byte >= 0x80 && byte < 0xA0)) || byte == '\t')
                std::abort();
            break;
        }
        if (byte == '\r' || (byte == '\n' && !previousWasCr))
            ++expectedReturns;
        previousWasCr = byte == '\r';
    }
    if (returns != expectedReturns || returns + tabs + characters + nothing != size)
        std::abort();
    return 0;
}
