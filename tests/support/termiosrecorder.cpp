#include "termiosrecorder.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <map>

namespace {

std::map<dev_t, termios> &requests()
{
    static std::map<dev_t, termios> recorded;
    return recorded;
}

std::map<dev_t, int> &counts()
{
    static std::map<dev_t, int> perDevice;
    return perDevice;
}

bool lenientMode = true;

} // namespace

namespace TermiosRecorder {

std::optional<termios> lastRequest(dev_t device)
{
    const auto found = requests().find(device);
    if (found == requests().end())
        return std::nullopt;
    return found->second;
}

int requestCount(dev_t device)
{
    return counts()[device];
}

void setLenient(bool lenient)
{
    lenientMode = lenient;
}

} // namespace TermiosRecorder

namespace {

constexpr tcflag_t characterFormatBits = CSIZE | PARENB | PARODD | CMSPAR;

dev_t deviceOf(int fd)
{
    struct stat info = {};
    if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode))
        return 0;
    return info.st_rdev;
}

} // namespace

// Reports the character format last asked for, as a UART would, so that read-modify-write
// updates of other settings carry it along.
extern "C" int tcgetattr(int fd, termios *current)
{
    using Real = int (*)(int, termios *);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "tcgetattr"));
    const int result = real(fd, current);
    const auto asked = requests().find(deviceOf(fd));
    if (result == 0 && lenientMode && asked != requests().end()) {
        current->c_cflag = (current->c_cflag & ~characterFormatBits) |
                           (asked->second.c_cflag & characterFormatBits);
    }
    return result;
}

extern "C" int tcsetattr(int fd, int actions, const termios *requested)
{
    using Real = int (*)(int, int, const termios *);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "tcsetattr"));
    if (const dev_t device = deviceOf(fd)) {
        requests()[device] = *requested;
        ++counts()[device];
    }
    if (!lenientMode)
        return real(fd, actions, requested);
    termios applied = *requested;
    applied.c_cflag = (applied.c_cflag & ~characterFormatBits) | CS8;
    return real(fd, actions, &applied);
}
