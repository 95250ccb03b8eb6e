#include "app/traynotices.h"

#include <QCoreApplication>

TrayNotices::TrayNotices(const QIcon &image)
{
    icon.setIcon(image);
}

// Both calls reach the system at once (on Windows, Shell_NotifyIcon), so the notice shows while
// the window is busy typing.
void TrayNotices::show(const std::string &summary, const std::string &detail)
{
    const QString title = QString::fromStdString(summary);
    const QString text = QString::fromStdString(detail);
    icon.setToolTip(QCoreApplication::translate("Widget", "Quillon: %1").arg(title));
    icon.show();
    icon.showMessage(title, text, QSystemTrayIcon::Warning);
}

void TrayNotices::allClear()
{
    icon.hide();
}
