#ifndef QUILLON_SERIAL_LINUX_LINEERRORCOUNT_H
#define QUILLON_SERIAL_LINUX_LINEERRORCOUNT_H

#include <QtGlobal>

#include <functional>
#include <optional>

// How many times the port behind the descriptor has lost or damaged bytes on the line so far,
// as the kernel counts them (overruns of the UART and of the tty's buffer, framing and parity
// errors); nothing where the port keeps no such count (a pseudo-terminal).
using LineErrorCount = std::function<std::optional<quint64>(int descriptor)>;

// Replaces the kernel's count, for tests: their pseudo-terminals keep none.
void countLineErrorsForTests(LineErrorCount count);

#endif
