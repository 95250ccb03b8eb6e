#include "childprocess.h"

void startTiedToTest(QProcess &process, const QString &program, const QStringList &arguments,
                     const QStringList &setprivOptions)
{
    process.start(QStringLiteral("setpriv"),
                  QStringList{QStringLiteral("--pdeathsig"), QStringLiteral("KILL")} +
                      setprivOptions + QStringList{program} + arguments);
}

void stopChild(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}
