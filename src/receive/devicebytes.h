#ifndef QUILLON_RECEIVE_DEVICEBYTES_H
#define QUILLON_RECEIVE_DEVICEBYTES_H

#include <QByteArray>
#include <QString>

// What the device's bytes mean, read as they arrive: where a line ends, the Fennick escapes, what
// waits for the rest of a sequence, and how the data log shows them.
namespace DeviceBytes {

// The index right after the first line end or end marker of the device in the buffer that ends
// at `from` or later, or -1 if none does; markers ending before `from` are not looked for, so
// that only what is new need be searched.
int endOfFirstEndMarker(const QByteArray &buffer, int from = 0);
// The index right after the last line end or end marker in the buffer, or -1 if it has none.
int endOfLastEndMarker(const QByteArray &buffer);

// Turns the device's escape sequences for Enter and Tab into CR LF and Tab.
void translateFennickEscapes(QByteArray &buffer);

// How many bytes at the end of the buffer begin an escape sequence for Enter or Tab that is not
// complete yet (an escape, or an escape and the start of "enter." or "TAB.").
int unfinishedEscapeLength(const QByteArray &buffer);

// How many bytes at the end of the buffer begin a UTF-8 sequence that is not complete yet.
int unfinishedUtf8Length(const QByteArray &buffer);

// The buffer as the data log shows it: valid UTF-8 as such, every other byte as its Latin-1
// character (scales send "µ" and "°" that way), and NUL bytes dropped rather than ending the text.
QString logText(const QByteArray &buffer);

} // namespace DeviceBytes

#endif
