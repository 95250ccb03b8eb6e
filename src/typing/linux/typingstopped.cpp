#include "typing/linux/linuxkeybackends.h"

#include <QCoreApplication>
#include <QThread>

void reportTypingStopped(const std::string &why)
{
    // The portal's session finds out on a thread of its own.
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [why] { reportTypingStopped(why); },
            Qt::QueuedConnection);
        return;
    }
    tellUser(noticeText(QT_TRANSLATE_NOOP("Notices", "Quillon cannot type for now")),
             noticeText(QT_TRANSLATE_NOOP("Notices",
                                          "%1. Readings that cannot be typed are kept in Quillon's "
                                          "data log; Quillon tries again with each new reading."),
                        {why}),
             NoticeEnd::LineTyped);
}
