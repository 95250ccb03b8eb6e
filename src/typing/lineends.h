#ifndef QUILLON_RECEIVE_LINEENDS_H
#define QUILLON_RECEIVE_LINEENDS_H

// The one rule for the device's line ends, in the keys typed and in the data log alike: a
// carriage return ends a line, and so does a line feed, but not right after a carriage return,
// so that CR LF ends a line once. It holds across reads and lines: the CR may have come in an
// earlier read, and have been typed, logged, or logged as not typed. Free of Qt, for the typing
// pipeline of every platform.
class LineEnds
{
public:
    // Whether `byte`, the next one the device sent, is a line feed that completes a CR LF, so
    // ends no line; steps over it.
    bool completesCrLf(unsigned char byte)
    {
        const bool completes = afterCarriageReturn && byte == lineFeed;
        afterCarriageReturn = byte == carriageReturn;
        return completes;
    }

    static constexpr unsigned char lineFeed = 0x0A;
    static constexpr unsigned char carriageReturn = 0x0D;

private:
    bool afterCarriageReturn = false;
};

#endif
