#ifndef QUILLON_TESTS_HEADLESSSWAY_H
#define QUILLON_TESTS_HEADLESSSWAY_H

#include <QProcess>
#include <QTemporaryDir>

// A headless sway compositor (a wlroots one, offering the virtual keyboard protocol) with
// XWayland. Sway will not run as root, so it runs as nobody with a runtime directory of its own.
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
    // The environment of an X client of this compositor's XWayland, which lets in only clients
    // of sway's own user (see ReceiverProcess::asSwayUser).
    QProcessEnvironment xwaylandClientEnvironment();
    // Runs a sway command, as the user would with swaymsg; true if sway carried it out.
    bool command(const QString &swayCommand);
    // Ends the compositor at once, as a crash would.
    void kill();

private:
    QTemporaryDir runtime;
    QProcess sway;
    QString socketName;
    QString xwaylandDisplay;
};

#endif
