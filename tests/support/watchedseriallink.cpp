#include "watchedseriallink.h"

WatchedSerialLink::WatchedSerialLink(std::unique_ptr<SerialLink> link,
                                     std::shared_ptr<qint64> bytesRead)
    : link(std::move(link)), bytesRead(std::move(bytesRead))
{
    connect(this->link.get(), &SerialLink::readyRead, this, &SerialLink::readyRead);
    connect(this->link.get(), &SerialLink::deviceLost, this, &SerialLink::deviceLost);
}

QByteArray WatchedSerialLink::readAll()
{
    const QByteArray bytes = link->readAll();
    *bytesRead += bytes.size();
    return bytes;
}
