#ifndef QUILLON_TYPING_LINUX_X11_X11ERRORTRAP_H
#define QUILLON_TYPING_LINUX_X11_X11ERRORTRAP_H

#include <X11/Xlib.h>

// Xlib's default handlers end the process on any protocol error and on a lost connection. The
// errors of the connections trapped here are counted instead; every other connection's go on to
// the handlers that were there before.
namespace X11ErrorTrap {

void trap(Display *display);
void release(Display *display);
// How many protocol errors the server has sent this connection so far.
int errorCount(Display *display);

} // namespace X11ErrorTrap

#endif
