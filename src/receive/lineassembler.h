#ifndef QUILLON_RECEIVE_LINEASSEMBLER_H
#define QUILLON_RECEIVE_LINEASSEMBLER_H

#include "receive/lineends.h"

#include <QByteArray>
#include <QString>

// Bytes handed on at a line end, with the line ends as they stood before them.
struct ReceivedBytes
{
    QByteArray bytes;
    LineEnds lineEndsBefore;

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

    // Adds what was read, searching only the new bytes for a line end.
    void append(const QByteArray &bytes);

    enum class Due
    {
        Nothing,
        Line,        // the bytes held contain a line end or one of the device's end markers
        OverlongLine // the bound was reached first
    };
    Due due() const;

    // The bytes to type, all of them but an escape sequence not complete yet at the end, which
    // waits for the rest; in the Fennick export mode (`fennick`) the sequences for Enter and Tab
    // are turned into CR LF and Tab.
    ReceivedBytes takeForTyping(bool fennick);

    // The bytes as the log shows them (ReceivedBytes::logText), all of them but a UTF-8
    // character not complete yet at the end.
    QString takeForLog();

    // The first `lineBound` bytes held, but for an escape sequence or UTF-8 character not
    // complete yet at their end, which stays with the rest of the line: as bytes, and as the log
    // shows them, on a line of their own (nothing if they show nothing).
    ReceivedBytes takeOverlongLine();
    QString takeOverlongLineForLog();

    // The device is gone, or another port was chosen: its unfinished line is never joined to
    // what comes next.
    void dropUnfinishedLine();

private:
    ReceivedBytes takeAllBut(int tailLength);
    ReceivedBytes takeUpToBound();
    ReceivedBytes take(int length);

    int lineBound;
    QByteArray rxBuffer;
    int lineEnd = -1; // right after the first line end or end marker held, or -1
    LineEnds lineEnds;
};

#endif
