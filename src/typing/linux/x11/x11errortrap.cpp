#include "typing/linux/x11/x11errortrap.h"

#include <map>

namespace {

std::map<Display *, int> errorsOf;
XErrorHandler previousErrorHandler = nullptr;
XIOErrorHandler previousIOErrorHandler = nullptr;

int countError(Display *display, XErrorEvent *error)
{
    const auto own = errorsOf.find(display);
    if (own != errorsOf.end()) {
        ++own->second;
        return 0;
    }
    return previousErrorHandler ? previousErrorHandler(display, error) : 0;
}

// Xlib's default handler exits; for a trapped connection the exit handler set on it says so
// instead.
int passOnIOError(Display *display)
{
    if (errorsOf.count(display) == 0 && previousIOErrorHandler)
        return previousIOErrorHandler(display);
    return 0;
}

} // namespace

namespace X11ErrorTrap {

void trap(Display *display)
{
    if (errorsOf.empty()) {
        previousErrorHandler = XSetErrorHandler(countError);
        previousIOErrorHandler = XSetIOErrorHandler(passOnIOError);
    }
    errorsOf[display] = 0;
}

void release(Display *display)
{
    errorsOf.erase(display);
    if (errorsOf.empty()) {
        XSetErrorHandler(previousErrorHandler);
        XSetIOErrorHandler(previousIOErrorHandler);
    }
}

int errorCount(Display *display)
{
    return errorsOf[display];
}

} // namespace X11ErrorTrap
