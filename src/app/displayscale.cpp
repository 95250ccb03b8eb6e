#include "app/displayscale.h"

#include <QGuiApplication>
#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double formDpi = 96;

// Scales come in steps of 25 %; a DPI that the X server derives from the screen's size (100 on
// many virtual servers) is no scale setting. A DPI below 96 shrinks the fonts, which fit as drawn.
double formScaleFor(int logicalDpi)
{
    return std::max(1.0, std::round(logicalDpi / formDpi * 4) / 4);
}

int scaled(int length, double factor)
{
    return static_cast<int>(std::lround(length * factor));
}

// Scaling the corners rather than the size keeps widgets that meet in the form meeting.
QRect scaled(const QRect &rect, double factor)
{
    const QPoint topLeft(scaled(rect.left(), factor), scaled(rect.top(), factor));
    const QPoint pastBottomRight(scaled(rect.left() + rect.width(), factor),
                                 scaled(rect.top() + rect.height(), factor));
    return QRect(topLeft, pastBottomRight - QPoint(1, 1));
}

} // namespace

void enableDisplayScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // 125 % and 150 % are kept as they are instead of being rounded to a whole factor.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void scaleFormToDisplay(QWidget *window)
{
    const double factor = formScaleFor(window->logicalDpiX());
    if (factor == 1)
        return;
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setGeometry(scaled(child->geometry(), factor));
    for (QLayout *layout : window->findChildren<QLayout *>())
        layout->setSpacing(scaled(layout->spacing(), factor));
    window->resize(scaled(window->width(), factor), scaled(window->height(), factor));
}
