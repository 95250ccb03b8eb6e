#include "harness.h"

#include "portlist.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>

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
