#ifndef QUILLON_RECEIVE_LINEASSEMBLER_H
#define QUILLON_RECEIVE_LINEASSEMBLER_H

#include "typing/lineends.h"

#include <QByteArray>
#include <QString>

// Bytes handed on at a line end, with the line ends as they stood before them.
struct ReceivedBytes
{
    QByteArray bytes;
    LineEnds lineEndsBefore;
    // Bytes were lost on the line among these bytes or right after them: what they hold may not
    // be what the device sent.
    bool bytesLost = false;
    // Where, as far as the port can tell, the bytes went missing; -1 if not within these.
    int lossAt = -1;

    // The last `count` of the bytes, with the line ends stepped over those before them.
    ReceivedBytes last(int count) const;
    // As the data log shows them: each line end a line break (LineEnds), and the text as
    // DeviceBytes::logText has it.
    QString logText() const;
};

// Collects what the device sends between reads, and hands out what is due at each line end. A
// reading comes out the same however the device's bytes were split into reads: what cannot be
// judged before more bytes arrive waits for them. It owns where the device's line ends stand,
// and steps over every byte it hands out, whether it is then typed, logged, or logged as not
// typed. A line that does not end is not held without bound: a device whose line-end or baud
// rate setting is wrong never ends one.
class LineAssembler
{
public:
    // The longest real readings (2D barcodes) hold about 7,000 characters, and typing 8 KiB
    // already takes five and a half minutes.
    static constexpr int defaultLineBound = 8192;
    explicit LineAssembler(int lineBound = defaultLineBound);

    // Adds what was read, searching only the new bytes for a line end. `lossFound`: the port
    // found bytes lost on the line while these were read; the gap lies among them or right after
    // them, since the port takes in more before the program reads it.
    void append(const QByteArray &bytes, bool lossFound = false);

    enum class Due
    {
        Nothing,
        Line,        // the bytes held contain a line end or one of the device's end markers
        OverlongLine // the bound was reached first
    };
    Due due() const;

    // The first reading held: the bytes up to and including its line end or end marker. What
    // follows waits for its own line end, so that each reading is typed or not as a whole,
    // however the bytes were split into reads. In the Fennick export mode (`fennick`) the
    // sequences for Enter and Tab are turned into CR LF and Tab.
    ReceivedBytes takeReading(bool fennick);

    // All the bytes held, for the log, but a UTF-8 character not complete yet at the end.
    ReceivedBytes takeForLog();

    // The first `lineBound` bytes held, but for an escape sequence or UTF-8 character not
    // complete yet at their end, which stays with the rest of the line: as bytes, and as the log
    // shows them, on a line of their own (nothing if they show nothing).
    ReceivedBytes takeOverlongLine();

    // All that is held, as the device is gone, or another port was chosen: its unfinished line
    // is never joined to what comes next.
    ReceivedBytes takeUnfinishedLine();

private:
    ReceivedBytes takeAllBut(int tailLength);
    ReceivedBytes takeUpToBound();
    ReceivedBytes take(int length);
    void takeLossSpan(ReceivedBytes &taken);

    int lineBound;
    QByteArray rxBuffer;
    int lineEnd = -1; // right after the first line end or end marker held, or -1
    LineEnds lineEnds;
    // The bytes held from lossFrom to lossTo (which may be rxBuffer.size(), the next byte to
    // come) may be next to a gap; lossTo is -1 when none is known.
    int lossFrom = -1;
    int lossTo = -1;
};

#endif
