#include "harness.h"

#include "portlist.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>

#include <sys/resource.h>

Harness::Harness(const QStringList &ports)
{
    PortList::replaceForTests(ports);
    window = std::make_unique<Widget>();
    window->setKeyInjector(std::make_unique<RecordingKeyInjector>(keys));
}

void Harness::switchToLogMode()
{
    auto *toKeyboard = get<QCheckBox>("checkBox_ToKeyboard");
    if (toKeyboard->isChecked())
        toKeyboard->click();
}

QString Harness::logText() const
{
    return get<QTextBrowser>("textBrowser_dataLog")->toPlainText();
}

bool Harness::receivesFrom(PseudoTerminal &device, int timeoutMs)
{
    const QByteArray token = "probe" + QByteArray::number(++linesSent);
    device.send(token + "\r");
    const auto arrived = [&] {
        return keys->typed.contains(token) || logText().contains(QLatin1String(token));
    };
    QElapsedTimer clock;
    clock.start();
    while (!arrived() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    return arrived();
}

double cpuSecondsUsed()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
