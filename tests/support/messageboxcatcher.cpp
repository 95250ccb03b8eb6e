#include "messageboxcatcher.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxCatcher::MessageBoxCatcher()
{
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, &MessageBoxCatcher::dismissActiveBox);
    poll.start();
}

void MessageBoxCatcher::dismissActiveBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    bool mainWindowVisible = false;
    for (QWidget *window : QApplication::topLevelWidgets())
        mainWindowVisible |= window->inherits("Widget") && window->isVisible();
    seen.append({box->windowTitle(), box->text(), box->informativeText(), box->icon(),
                 box->standardButtons(), mainWindowVisible});
    if (whileUp) {
        poll.stop();
        whileUp();
        poll.start();
    }
    box->buttons().first()->click();
}
