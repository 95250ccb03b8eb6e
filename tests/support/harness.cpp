#include "harness.h"

#include "app/datalog.h"
#include "serial/portlist.h"
#include "watchedseriallink.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>

#include <sys/resource.h>

Harness::Harness(const QStringList &ports)
{
    PortList::replaceForTests(ports);
    start();
}

Harness::Harness(const QList<PortInfo> &ports)
{
    PortList::replaceForTests(ports);
    start();
}

void Harness::start()
{
    wrapSerialLinksForTests([read = bytesRead, made = linksMade](std::unique_ptr<SerialLink> link) {
        ++*made;
        return std::make_unique<WatchedSerialLink>(std::move(link), read);
    });
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
    window->findChild<DataLog *>()->showGathered();
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

bool Harness::deliver(PseudoTerminal &device, const QByteArray &bytes, int timeoutMs)
{
    const qint64 due = *bytesRead + bytes.size();
    device.send(bytes);
    QElapsedTimer clock;
    clock.start();
    while (*bytesRead < due && clock.elapsed() < timeoutMs)
        QTest::qWait(2);
    return *bytesRead == due;
}

double cpuSecondsUsed()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
