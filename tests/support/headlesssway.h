#ifndef QUILLON_TESTS_HEADLESSSWAY_H
#define QUILLON_TESTS_HEADLESSSWAY_H

#include <QProcess>
#include <QTemporaryDir>

// A headless sway compositor (a wlroots one, offering the virtual keyboard protocol). Sway will
// not run as root, so it runs as nobody with a runtime directory of its own.
class HeadlessSway
{
public:
    HeadlessSway();
    ~HeadlessSway();
    HeadlessSway(const HeadlessSway &) = delete;
    HeadlessSway &operator=(const HeadlessSway &) = delete;

    bool isReady() const { return !socketName.isEmpty(); }
    QString runtimeDir() const { return runtime.path(); }
    QString displayName() const { return socketName; }
    // The environment of a Wayland client of this compositor, with no X display.
    QProcessEnvironment clientEnvironment() const;

private:
    QTemporaryDir runtime;
    QProcess sway;
    QString socketName;
};

#endif
