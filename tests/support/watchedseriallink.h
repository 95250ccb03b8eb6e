#ifndef QUILLON_TESTS_WATCHEDSERIALLINK_H
#define QUILLON_TESTS_WATCHEDSERIALLINK_H

#include "serial/seriallink.h"

// The program's own serial link, passing on everything, counting the bytes the program reads:
// a test knows that way when the program has taken what the device sent.
class WatchedSerialLink : public SerialLink
{
public:
    WatchedSerialLink(std::unique_ptr<SerialLink> link, std::shared_ptr<qint64> bytesRead);

    bool open(const SerialSettings &settings) override { return link->open(settings); }
    void close() override { link->close(); }
    bool isOpen() const override { return link->isOpen(); }
    QByteArray readAll() override;
    qint64 write(const QByteArray &bytes) override { return link->write(bytes); }
    QString failureReason() const override { return link->failureReason(); }
    int takeLosses() override { return link->takeLosses(); }

private:
    std::unique_ptr<SerialLink> link;
    std::shared_ptr<qint64> bytesRead;
};

#endif
