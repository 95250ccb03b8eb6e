#ifndef QUILLON_RECEIVE_LINEASSEMBLER_H
#define QUILLON_RECEIVE_LINEASSEMBLER_H

#include <QByteArray>
#include <QString>

// Collects what the device sends between reads, and hands out what is due at each line end. A
// reading comes out the same however the device's bytes were split into reads: what cannot be
// judged before more bytes arrive waits for them.
class LineAssembler
{
public:
    // Adds what was read; true when the bytes held now contain a line end or one of the
    // device's end markers, so that a processing is due.
    bool append(const QByteArray &bytes);

    // The bytes to type, all of them but an escape sequence not complete yet at the end, which
    // waits for the rest; in the Fennick export mode (`fennick`) the sequences for Enter and Tab
    // are turned into CR LF and Tab.
    QByteArray takeForTyping(bool fennick);

    // The bytes as the log shows them, all of them but a UTF-8 character not complete yet at the
    // end. A line feed right after the carriage return that ended the previous text adds no
    // second line end.
    QString takeForLog();

    // The device is gone, or another port was chosen: its unfinished line is never joined to
    // what comes next.
    void dropUnfinishedLine();

private:
    QByteArray takeAllBut(int tailLength);

    QByteArray rxBuffer;
    bool logEndsWithCarriageReturn = false;
};

#endif
