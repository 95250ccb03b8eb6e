#include "app/ownwindows.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>

bool QtOwnWindows::oneIsActive() const
{
    return QApplication::activeWindow() || QApplication::activePopupWidget();
}

bool QtOwnWindows::owns(std::uintptr_t nativeId) const
{
    const QWindowList windows = QGuiApplication::allWindows();
    return std::any_of(windows.cbegin(), windows.cend(), [nativeId](const QWindow *window) {
        // A window without a native one (not shown yet) has no id to compare; asking for it
        // would make one.
        return window->handle() && window->winId() == nativeId;
    });
}
