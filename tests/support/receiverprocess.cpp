#include "receiverprocess.h"

#include "childprocess.h"

ReceiverProcess::ReceiverProcess(const QProcessEnvironment &environment,
                                 const QStringList &arguments, bool asSwayUser,
                                 const QString &program)
{
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList credentials;
    if (asSwayUser)
        credentials =
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups")};
    startTiedToTest(process, program, arguments, credentials);
}

ReceiverProcess::~ReceiverProcess()
{
    process.closeWriteChannel();
    if (!process.waitForFinished(3000))
        stopChild(process);
}

QString ReceiverProcess::text()
{
    process.write("dump\n");
    return QString::fromUtf8(QByteArray::fromHex(readLine(3000)));
}

QStringList ReceiverProcess::keyPresses()
{
    process.write("keys\n");
    return QString::fromUtf8(QByteArray::fromHex(readLine(3000)))
        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

int ReceiverProcess::modifiers()
{
    process.write("modifiers\n");
    return QByteArray::fromHex(readLine(3000)).toInt();
}

QByteArray ReceiverProcess::readLine(int timeoutMs)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(timeoutMs))
            return {};
    }
    return process.readLine().trimmed();
}
