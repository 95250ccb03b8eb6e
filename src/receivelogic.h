#ifndef QUILLON_RECEIVELOGIC_H
#define QUILLON_RECEIVELOGIC_H

#include <QByteArray>
#include <QString>

namespace ReceiveLogic {

// Whether the buffer holds a line end or one of the device's end markers, so is due processing.
bool containsEndMarker(const QByteArray &buffer);

// Turns the device's escape sequences for Enter and Tab into CR LF and Tab.
void translateFennickEscapes(QByteArray &buffer);

// The buffer as the data log shows it: valid UTF-8 as such, every other byte as its Latin-1
// character (scales send "µ" and "°" that way), and NUL bytes dropped rather than ending the text.
QString logText(const QByteArray &buffer);

} // namespace ReceiveLogic

#endif
