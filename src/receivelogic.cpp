#include "receivelogic.h"

#include <array>

namespace ReceiveLogic {

bool containsEndMarker(const QByteArray &buffer)
{
    static const std::array<QByteArray, 5> markers{"enter.", "TAB.", "\r\n", "\r", "\n"};
    for (const QByteArray &marker : markers) {
        if (buffer.contains(marker))
            return true;
    }
    return false;
}

void translateFennickEscapes(QByteArray &buffer)
{
    buffer.replace("\x1b"
                   "enter.",
                   "\r\n");
    buffer.replace("\x1b"
                   "TAB.",
                   "\t");
}

QString logText(const QByteArray &buffer)
{
    QByteArray withoutNul = buffer;
    withoutNul.replace('\0', QByteArray());
    return QString::fromUtf8(withoutNul);
}

} // namespace ReceiveLogic
