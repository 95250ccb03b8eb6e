#include "headlesssway.h"

#include "childprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

HeadlessSway::HeadlessSway()
{
    const passwd *nobody = getpwnam("nobody");
    if (!nobody || !runtime.isValid() ||
        chown(QFile::encodeName(runtime.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
        return;
    QFile config(runtime.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write("xwayland force\n");
    config.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("HOME"), runtime.path());
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    sway.setProcessEnvironment(environment);
    sway.setProcessChannelMode(QProcess::MergedChannels);
    startTiedToTest(sway, QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()},
                    {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                     QStringLiteral("--clear-groups")});

    QElapsedTimer clock;
    clock.start();
    while (socketName.isEmpty() && clock.elapsed() < 10000 &&
           sway.state() != QProcess::NotRunning) {
        const QStringList sockets =
            QDir(runtime.path()).entryList({QStringLiteral("wayland-*")}, QDir::System);
        for (const QString &name : sockets) {
            if (!name.endsWith(QLatin1String(".lock")))
                socketName = name;
        }
        QThread::msleep(20);
    }
}

bool HeadlessSway::command(const QString &swayCommand)
{
    const QStringList sockets =
        QDir(runtime.path()).entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
    if (sockets.isEmpty())
        return false;
    return QProcess::execute(
               QStringLiteral("swaymsg"),
               {QStringLiteral("-s"), runtime.filePath(sockets.first()), swayCommand}) == 0;
}

QProcessEnvironment HeadlessSway::xwaylandClientEnvironment()
{
    QFile reported(runtime.filePath(QStringLiteral("display")));
    if (xwaylandDisplay.isEmpty() &&
        command(QStringLiteral("exec printenv DISPLAY > ") + reported.fileName())) {
        QElapsedTimer clock;
        clock.start();
        while (reported.size() == 0 && clock.elapsed() < 5000)
            QThread::msleep(20);
        if (reported.open(QIODevice::ReadOnly))
            xwaylandDisplay = QString::fromLatin1(reported.readAll().trimmed());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("XAUTHORITY"));
    environment.insert(QStringLiteral("DISPLAY"), xwaylandDisplay);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

void HeadlessSway::kill()
{
    sway.kill();
    sway.waitForFinished(3000);
}

HeadlessSway::~HeadlessSway()
{
    stopChild(sway);
}

QProcessEnvironment HeadlessSway::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName);
    return environment;
}
