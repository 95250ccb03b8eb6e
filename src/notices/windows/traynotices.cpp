// Notices from the program's icon in the notification area: a Windows GUI program has nobody
// reading its stderr. The icon is there only while a notice lasts; its tooltip keeps the last one.
#include "notices/platform.h"

#include <QApplication>
#include <QPointer>
#include <QSystemTrayIcon>

namespace {

class TrayNotices : public NoticeDisplay
{
public:
    // Both calls reach the system at once (Shell_NotifyIcon), so the notice shows while the
    // window is busy typing.
    void show(const std::string &summary, const std::string &detail) override
    {
        QSystemTrayIcon *shownBy = trayIcon();
        if (!shownBy)
            return;
        const QString title = QString::fromStdString(summary);
        shownBy->setToolTip(QCoreApplication::translate("Notices", "Quillon: %1").arg(title));
        shownBy->show();
        shownBy->showMessage(title, QString::fromStdString(detail), QSystemTrayIcon::Warning);
    }

    void allClear() override
    {
        if (icon)
            icon->hide();
    }

private:
    // Made with the first notice and gone with the application.
    QSystemTrayIcon *trayIcon()
    {
        if (!icon && qApp)
            icon = new QSystemTrayIcon(QApplication::windowIcon(), qApp);
        return icon;
    }

    QPointer<QSystemTrayIcon> icon;
};

} // namespace

NoticeDisplay *platformNoticeDisplay()
{
    static TrayNotices tray;
    return &tray;
}
