#ifndef QUILLON_RECEIVELOGIC_H
#define QUILLON_RECEIVELOGIC_H

#include <QByteArray>
#include <QString>

namespace ReceiveLogic {

// Whether the buffer holds a line end or one of the device's end markers, so is due processing.
bool containsEndMarker(const QByteArray &buffer);

// Turns the device's escape sequences for Enter and Tab into CR LF and Tab.
void translateFennickEscapes(QByteArray &buffer);

// The buffer as the data log shows it: UTF-8, with NUL bytes dropped rather than ending the text.
QString logText(const QByteArray &buffer);

} // namespace ReceiveLogic

#endif
