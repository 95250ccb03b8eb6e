#ifndef QUILLON_APP_TRAYNOTICES_H
#define QUILLON_APP_TRAYNOTICES_H

#include "typing/usernotices.h"

#include <QSystemTrayIcon>

// Notices from the program's icon in the notification area, for a platform whose GUI programs
// have nobody reading their stderr (Windows). The icon is there only while something is wrong:
// it comes with the notice, its tooltip keeps the last one, and it goes once a line has been
// typed in full again.
class TrayNotices : public NoticeDisplay
{
public:
    explicit TrayNotices(const QIcon &icon);
    void show(const std::string &summary, const std::string &detail) override;
    void allClear() override;

private:
    QSystemTrayIcon icon;
};

#endif
