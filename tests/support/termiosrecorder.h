#ifndef QUILLON_TESTS_TERMIOSRECORDER_H
#define QUILLON_TESTS_TERMIOSRECORDER_H

#include <optional>

#include <sys/types.h>
#include <termios.h>

// Linked into a test, this stands in front of the C library's tcsetattr. A pseudo-terminal
// refuses 7 data bits and parity, which a real UART accepts, so the recorder notes what was asked
// for and, while lenient, applies it with 8 bits and no parity instead.
namespace TermiosRecorder {

std::optional<termios> lastRequest(dev_t device);
int requestCount(dev_t device);
void setLenient(bool lenient);

} // namespace TermiosRecorder

#endif
